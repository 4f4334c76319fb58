// The sample application. With --screenshot FILE it opens the main window,
// presses its button, saves a picture of the second window to FILE and ends.
// For pictures of particular states, --bar-style NAME gives the bar a style,
// --folder PATH selects a folder and --hover N puts the mouse over the arrow
// part of the N-th node button from the right (0: the selection).

#include "app/Form1.h"
#include "app/Form2.h"
#include "app/Program.h"
#include "framework/Application.h"

#include "pathbar/NodeButton.h"

#include <QMetaEnum>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

namespace {

QString Option(const QStringList& args, const QString& name)
{
    int at = int(args.indexOf(name));
    return at >= 0 && at + 1 < args.size() ? args.at(at + 1) : QString();
}

void ApplyScreenshotOptions(TKestExplorerTreeview* bar, const QStringList& args)
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
    const QString hover = Option(args, QStringLiteral("--hover"));
    const auto& buttons = bar->NodeButtons();
    if (!hover.isEmpty() && hover.toInt() >= 0 && hover.toInt() < int(buttons.size())) {
        TNodeButton* b = buttons[size_t(hover.toInt())];
        const QPointF at(b->width() - 4, b->height() / 2);
        QMouseEvent move(QEvent::MouseMove, at, b->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(b, &move);
    }
}

void ScheduleScreenshot(TForm1* main, const QString& file, const QStringList& args)
{
    QTimer::singleShot(300, main, [main, file, args] {
        // Form2 runs its own modal loop; the picture is taken from inside it.
        QTimer::singleShot(400, main, [main, args] {
            if (main->form2)
                ApplyScreenshotOptions(main->form2->kestTree, args);
        });
        QTimer::singleShot(900, main, [main, file] {
            TForm2* form2 = main->form2;
            if (!form2) {
                std::fprintf(stderr, "Form2 did not open\n");
                QCoreApplication::exit(1);
                return;
            }
            bool saved = form2->grab().save(file, "PNG");
            std::fprintf(stdout, "%s %s\n", saved ? "Saved" : "Could not save", qPrintable(file));
            form2->SetModalResult(mrOk);
            QTimer::singleShot(0, main, [main, saved] {
                main->Close();
                QCoreApplication::exit(saved ? 0 : 1);
            });
        });
        main->Button1->click();
    });
}

}

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
    Program::RegisterModules();
    QStringList args = app.arguments();
    int at = int(args.indexOf(QStringLiteral("--screenshot")));
    const bool unattended = at >= 0 && at + 1 < args.size();
    if (unattended) // nobody is there to answer a message box
        app.OnException = [](const std::exception& e) { std::fprintf(stderr, "%s\n", e.what()); };
    try {
        TForm1* form = Program::CreateMainForm();
        if (unattended)
            ScheduleScreenshot(form, args.at(at + 1), args);
        return app.Run();
    } catch (const std::exception& e) {
        app.HandleException(e);
        return 1;
    }
}
