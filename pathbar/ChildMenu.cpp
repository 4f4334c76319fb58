#include "pathbar/ChildMenu.h"

#include "framework/ImageList.h"
#include "pathbar/BarChildAccess_p.h"
#include "pathbar/ScrollingChildMenu.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/NodeButton.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QScreen>

#include <cstdlib>

namespace {

TChildMenuHook* gHook = nullptr;

// Menus of large folders scroll in one column instead of spreading into as
// many columns as the screen takes.
class TScrollingMenuStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* Return) const override
    {
        if (hint == QStyle::SH_Menu_Scrollable)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, Return);
    }
};

QStyle* MenuStyle()
{
    // One for the program, freed with the application object.
    static QPointer<QStyle> style;
    if (!style) {
        style = new TScrollingMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

// A menu taller than the screen would scroll: it becomes the scrolling list.
// Menus that fit stay ordinary menus, which the list only imitates.
bool FitsOnScreen(const TScrollingChildMenu& list, const TNodeButton& button)
{
    const QScreen* s = button.screen();
    return !s || list.NaturalSize().height() <= s->availableGeometry().height();
}

std::unique_ptr<QMenu> OrdinaryMenu(const std::vector<TKestTreeNode*>& rows, const TCustomImageList* images)
{
    auto menu = std::make_unique<QMenu>();
    menu->setStyle(MenuStyle());
    TMenuIconCache icons(images);
    for (TKestTreeNode* node : rows) {
        if (!node) {
            menu->addSeparator();
            continue;
        }
        QAction* item = menu->addAction(MenuLabel(node->Text()));
        item->setData(QVariant::fromValue(static_cast<void*>(node)));
        item->setIcon(icons.IconOf(node));
    }
    return menu;
}

}

std::vector<TKestTreeNode*> ChildMenuRows(TNodeButton& button)
{
    TCustomExplorerTreeview* bar = button.ExplorerTreeview();
    TKestTreeNode* node = button.Node();
    button.DoNodePopulate(node);
    std::vector<TKestTreeNode*> rows;
    TKestTreeNode* base = node;
    if (button.ScrollButton()) {
        if (node != bar->SelectedNode())
            for (TKestTreeNode* n = node; n; n = n->Parent())
                rows.push_back(n);
        base = bar->Items()->GetFirstNode() ? bar->Items()->GetFirstNode() : node;
        rows.push_back(nullptr);
    } else if (!node->Parent() && node != bar->SelectedNode()) {
        rows.push_back(node);
        rows.push_back(nullptr);
    }
    for (TKestTreeNode* c = base->GetFirstChild(); c; c = c->GetNextSibling())
        rows.push_back(c);
    return rows;
}

std::unique_ptr<QWidget> CreateChildMenu(TNodeButton& button)
{
    const TCustomImageList* images = TBarChildAccess::ImageList(*button.ExplorerTreeview());
    auto list = std::make_unique<TScrollingChildMenu>(ChildMenuRows(button), images, MenuStyle());
    if (!FitsOnScreen(*list, button))
        return list;
    std::vector<TKestTreeNode*> rows;
    for (int r = 0; r < list->RowCount(); ++r)
        rows.push_back(list->RowNode(r));
    return OrdinaryMenu(rows, images);
}

TKestTreeNode* ExecChildMenu(QWidget& menu, const QPoint& at)
{
    if (auto* list = qobject_cast<TScrollingChildMenu*>(&menu))
        return list->Exec(at);
    if (auto* ordinary = qobject_cast<QMenu*>(&menu))
        return MenuItemNode(ordinary->exec(at));
    return nullptr;
}

bool ChildMenuHasItems(const QWidget& menu)
{
    if (auto* list = qobject_cast<const TScrollingChildMenu*>(&menu))
        return list->RowCount() > 0;
    return !menu.actions().isEmpty();
}

TKestTreeNode* MenuItemNode(const QAction* item)
{
    return item ? static_cast<TKestTreeNode*>(item->data().value<void*>()) : nullptr;
}

TChildMenuHook::TChildMenuHook(QWidget& menu, TNodeButton& button)
    : FMenu(&menu), FBar(button.ExplorerTreeview()), FButtonIndex(button.ButtonIndex()),
      FLastPoint(QCursor::pos()), FPrevious(gHook)
{
    gHook = this;
    qApp->installEventFilter(this);
}

TChildMenuHook::~TChildMenuHook()
{
    if (gHook == this)
        gHook = FPrevious;
}

TChildMenuHook* TChildMenuHook::Current() { return gHook; }

void TChildMenuHook::CloseMenuOf(const TCustomExplorerTreeview* bar)
{
    if (gHook && gHook->FMenu && gHook->FBar == bar)
        gHook->FMenu->close();
}

bool TChildMenuHook::eventFilter(QObject* watched, QEvent* event)
{
    if (!FMenu || watched != FMenu.data())
        return false;
    if (FFirstMessage) {
        FFirstMessage = false;
        QCoreApplication::postEvent(FMenu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    }
    const int key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
    if (key == Qt::Key_Alt) {
        if (FBar)
            FBar->releaseMouse();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        MoveToNeighbour(key);
        return true;
    } else if (event->type() == QEvent::MouseMove) {
        MouseMovedTo(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    }
    return false;
}

void TChildMenuHook::MouseMovedTo(const QPoint& global)
{
    if (global == FLastPoint || !FBar)
        return;
    FLastPoint = global;
    auto* button = qobject_cast<TNodeButton*>(FBar->childAt(FBar->mapFromGlobal(global)));
    if (!button || !button->isEnabled() || !button->HasDropDown() || button->ButtonIndex() == FButtonIndex)
        return;
    SwitchTo(*button);
}

void TChildMenuHook::MoveToNeighbour(int key)
{
    if (!FBar || FButtonIndex < 0 || FButtonIndex >= int(TBarChildAccess::NodeButtons(*FBar).size()))
        return;
    const int from = TBarChildAccess::NodeButtons(*FBar)[size_t(FButtonIndex)]->x();
    // The nearest button with a menu on that side.
    TNodeButton* next = nullptr;
    for (TNodeButton* b : TBarChildAccess::NodeButtons(*FBar)) {
        if (!b->isVisible() || !b->isEnabled() || !b->HasDropDown())
            continue;
        const bool side = key == Qt::Key_Left ? b->x() < from : b->x() > from;
        if (side && (!next || std::abs(b->x() - from) < std::abs(next->x() - from)))
            next = b;
    }
    if (next)
        SwitchTo(*next);
}

void TChildMenuHook::SwitchTo(TNodeButton& button)
{
    const QPointF local(button.width() - 3, 2);
    QCoreApplication::postEvent(&button, new QMouseEvent(QEvent::MouseButtonPress, local, button.mapToGlobal(local),
                                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    FMenu->close();
}
