#include "app/Screenshot.h"

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/StylerOption.h"
#include "framework/ComboBox.h"
#include "styles/KestFormStyler.h"
#include "framework/Application.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/NodeButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaEnum>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

QString Option(const QStringList& args, const QString& name)
{
    int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

void SendMouse(QWidget* target, QEvent::Type type, QPointF at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, at, target->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &e);
}

// The bar's node buttons on show as the user sees them, the rightmost (the
// selection's) first.
std::vector<TNodeButton*> ShownNodeButtons(TKestExplorerTreeview* bar)
{
    std::vector<TNodeButton*> buttons;
    for (TNodeButton* b : bar->findChildren<TNodeButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(bar))
            buttons.push_back(b);
    std::sort(buttons.begin(), buttons.end(), [](const TNodeButton* a, const TNodeButton* b) { return a->x() > b->x(); });
    return buttons;
}

// The history button: the leftmost of the buttons at the right end (the
// refresh button, when there is one, is right of it).
TDropDownButton* HistoryButton(TKestExplorerTreeview* bar)
{
    TDropDownButton* history = nullptr;
    for (TDropDownButton* b : bar->findChildren<TDropDownButton*>(Qt::FindDirectChildrenOnly))
        if (b->isVisibleTo(bar) && (!history || b->x() < history->x()))
            history = b;
    return history;
}

TNodeButton* HoveredButton(TKestExplorerTreeview* bar, const QStringList& args)
{
    const std::vector<TNodeButton*> buttons = ShownNodeButtons(bar);
    const QString hover = Option(args, QStringLiteral("--hover"));
    const int index = hover.isEmpty() ? 0 : hover.toInt();
    return index >= 0 && index < int(buttons.size()) ? buttons[size_t(index)] : nullptr;
}

void ApplyStyleAndFolder(TKestExplorerTreeview* bar, const QStringList& args)
{
    const QString style = Option(args, QStringLiteral("--bar-style"));
    if (!style.isEmpty()) {
        bool ok = false;
        int value = QMetaEnum::fromType<TZPXStyle>().keyToValue(style.toLatin1().constData(), &ok);
        if (ok)
            bar->SetComponentStyle(TZPXStyle(value));
        else
            std::fprintf(stderr, "Unknown style %s\n", qPrintable(style));
    }
    const QString folder = Option(args, QStringLiteral("--folder"));
    if (!folder.isEmpty())
        bar->SetSelectedFolder(folder, true);
}

// Picks a style in the styler's combo box, or gives the styler Metro tones.
void ApplyStyler(TForm2* form2, const QStringList& args)
{
    TKestFormStyler* styler = StylerOption::FormStyler(form2);
    const QString pick = Option(args, QStringLiteral("--pick"));
    const QString tones = Option(args, QStringLiteral("--tones"));
    if (!styler) {
        if (!pick.isEmpty() || !tones.isEmpty())
            std::fprintf(stderr, "--pick and --tones need --styler\n");
        return;
    }
    if (!pick.isEmpty()) {
        TComboBox* combo = styler->ComboBox();
        const int index = combo->findText(pick);
        if (index < 0) {
            std::fprintf(stderr, "No offered style %s\n", qPrintable(pick));
        } else {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        }
    }
    if (!tones.isEmpty()) {
        const QString kind = tones.section(u':', 0, 0);
        const QColor accent(tones.section(u':', 1));
        if (!accent.isValid() || (kind != QLatin1String("light") && kind != QLatin1String("dark"))) {
            std::fprintf(stderr, "--tones takes light:#RRGGBB or dark:#RRGGBB\n");
            return;
        }
        styler->SetStyle(tsCustom);
        styler->SetMetroStyle(kind == QLatin1String("light") ? msLight : msDark);
        styler->SetMetroColor(QColorToColor(accent));
        styler->SetMetro(true);
    }
}

// Types text as a user would: each key goes where the keyboard is, the bar
// or its auto-complete window, with the event loop running in between.
void TypeInto(TKestExplorerTreeview* bar, const QString& text)
{
    bar->SetEditorEnabled(true);
    // Edit mode begins when the focus comes in.
    bar->clearFocus();
    bar->setFocus();
    bar->selectAll();
    for (QChar c : text) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup && popup->focusWidget() ? popup->focusWidget() : bar;
        // Key codes of printable characters are their upper-case letters.
        QKeyEvent key(QEvent::KeyPress, c.toUpper().unicode(), Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(target, &key);
        QCoreApplication::processEvents();
    }
}

// Runs from the event loop: a menu opened here runs a loop of its own, in
// which the picture is taken.
void OpenWhatWasAsked(TKestExplorerTreeview* bar, const QStringList& args)
{
    const QString open = Option(args, QStringLiteral("--open"));
    const QString typed = Option(args, QStringLiteral("--type"));
    if (!typed.isEmpty())
        TypeInto(bar, typed);
    if (open == QLatin1String("history")) {
        TDropDownButton* button = HistoryButton(bar);
        if (button)
            SendMouse(button, QEvent::MouseButtonPress, QPointF(button->width() / 2.0, button->height() / 2.0));
    } else if (open == QLatin1String("overflow") && !ShownNodeButtons(bar).empty()) {
        TNodeButton* first = ShownNodeButtons(bar).back();
        if (!first->ScrollButton())
            std::fprintf(stderr, "The path fits; there is no overflow button\n");
        SendMouse(first, QEvent::MouseButtonPress, QPointF(first->width() / 2.0, first->height() / 2.0));
    } else if (open == QLatin1String("menu")) {
        if (TNodeButton* b = HoveredButton(bar, args))
            SendMouse(b, QEvent::MouseButtonPress, QPointF(b->width() - 4, b->height() / 2.0));
    }
}

QImage Picture(TForm2* form2, bool wholeScreen)
{
    if (!wholeScreen)
        return form2->grab().toImage();
    QRect area = form2->frameGeometry();
    if (QWidget* popup = QApplication::activePopupWidget())
        area = area.united(popup->frameGeometry());
    area = area.adjusted(-8, -8, 8, 8);
    return form2->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).toImage();
}

}

void ScheduleScreenshot(TForm1* main, const QString& file, const QStringList& args)
{
    const bool wholeScreen = args.contains(QStringLiteral("--open")) || args.contains(QStringLiteral("--type"));
    QTimer::singleShot(300, main, [main, file, args, wholeScreen] {
        // Form2 runs its own modal loop; the bar is set up from inside it.
        QTimer::singleShot(400, main, [main, args] {
            if (!main->form2)
                return;
            TKestExplorerTreeview* bar = main->form2->kestTree;
            ApplyStyler(main->form2, args);
            ApplyStyleAndFolder(bar, args);
            if (TNodeButton* b = HoveredButton(bar, args); b && args.contains(QStringLiteral("--hover")))
                SendMouse(b, QEvent::MouseMove, QPointF(b->width() - 4, b->height() / 2.0));
            QTimer::singleShot(0, main, [bar, args] { OpenWhatWasAsked(bar, args); });
        });
        QTimer::singleShot(1200, main, [main, file, wholeScreen] {
            TForm2* form2 = main->form2;
            if (!form2) {
                std::fprintf(stderr, "Form2 did not open\n");
                QCoreApplication::exit(1);
                return;
            }
            const bool saved = Picture(form2, wholeScreen).save(file, "PNG");
            std::fprintf(stdout, "%s %s\n", saved ? "Saved" : "Could not save", qPrintable(file));
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            form2->SetModalResult(mrOk);
            QTimer::singleShot(0, main, [main, saved] {
                main->Close();
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
        main->Button1->click();
    });
}
