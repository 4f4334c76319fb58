#include "pathbar/ChildMenu.h"

#include "framework/ImageList.h"
#include "pathbar/BarChildAccess.h"
#include "pathbar/ChildMenuList.h"
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
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override
    {
        if (Hint == QStyle::SH_Menu_Scrollable)
            return 1;
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
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
bool FitsOnScreen(const TChildMenuList& List, const TNodeButton& Button)
{
    const QScreen* s = Button.screen();
    return !s || List.NaturalSize().height() <= s->availableGeometry().height();
}

std::unique_ptr<QMenu> OrdinaryMenu(const std::vector<TKestTreeNode*>& Rows, const TCustomImageList* Images)
{
    auto menu = std::make_unique<QMenu>();
    menu->setStyle(MenuStyle());
    TMenuIconCache icons(Images);
    for (TKestTreeNode* node : Rows) {
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

std::vector<TKestTreeNode*> ChildMenuRows(TNodeButton& Button)
{
    TCustomExplorerTreeview* bar = Button.ExplorerTreeview();
    TKestTreeNode* node = Button.Node();
    Button.DoNodePopulate(node);
    std::vector<TKestTreeNode*> rows;
    TKestTreeNode* base = node;
    if (Button.ScrollButton()) {
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

std::unique_ptr<QWidget> CreateChildMenu(TNodeButton& Button)
{
    const TCustomImageList* images = TBarChildAccess::ImageList(*Button.ExplorerTreeview());
    auto list = std::make_unique<TChildMenuList>(ChildMenuRows(Button), images, MenuStyle());
    if (!FitsOnScreen(*list, Button))
        return list;
    std::vector<TKestTreeNode*> rows;
    for (int r = 0; r < list->RowCount(); ++r)
        rows.push_back(list->RowNode(r));
    return OrdinaryMenu(rows, images);
}

TKestTreeNode* ExecChildMenu(QWidget& Menu, const QPoint& At)
{
    if (auto* list = qobject_cast<TChildMenuList*>(&Menu))
        return list->Exec(At);
    if (auto* menu = qobject_cast<QMenu*>(&Menu))
        return MenuItemNode(menu->exec(At));
    return nullptr;
}

bool ChildMenuHasItems(const QWidget& Menu)
{
    if (auto* list = qobject_cast<const TChildMenuList*>(&Menu))
        return list->RowCount() > 0;
    return !Menu.actions().isEmpty();
}

TKestTreeNode* MenuItemNode(const QAction* Item)
{
    return Item ? static_cast<TKestTreeNode*>(Item->data().value<void*>()) : nullptr;
}

TChildMenuHook::TChildMenuHook(QWidget& Menu, TNodeButton& Button)
    : FMenu(&Menu), FBar(Button.ExplorerTreeview()), FButtonIndex(Button.ButtonIndex()),
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

void TChildMenuHook::CloseMenuOf(const TCustomExplorerTreeview* Bar)
{
    if (gHook && gHook->FMenu && gHook->FBar == Bar)
        gHook->FMenu->close();
}

bool TChildMenuHook::eventFilter(QObject* Watched, QEvent* Event)
{
    if (!FMenu || Watched != FMenu.data())
        return false;
    if (FFirstMessage) {
        FFirstMessage = false;
        QCoreApplication::postEvent(FMenu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    }
    const int key = Event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(Event)->key() : 0;
    if (key == Qt::Key_Alt) {
        if (FBar)
            FBar->releaseMouse();
    } else if (key == Qt::Key_Left || key == Qt::Key_Right) {
        MoveToNeighbour(key);
        return true;
    } else if (Event->type() == QEvent::MouseMove) {
        MouseMovedTo(static_cast<QMouseEvent*>(Event)->globalPosition().toPoint());
    }
    return false;
}

void TChildMenuHook::MouseMovedTo(const QPoint& Global)
{
    if (Global == FLastPoint || !FBar)
        return;
    FLastPoint = Global;
    auto* button = qobject_cast<TNodeButton*>(FBar->childAt(FBar->mapFromGlobal(Global)));
    if (!button || !button->isEnabled() || !button->HasDropDown() || button->ButtonIndex() == FButtonIndex)
        return;
    SwitchTo(*button);
}

void TChildMenuHook::MoveToNeighbour(int Key)
{
    if (!FBar || FButtonIndex < 0 || FButtonIndex >= int(TBarChildAccess::NodeButtons(*FBar).size()))
        return;
    const int from = TBarChildAccess::NodeButtons(*FBar)[size_t(FButtonIndex)]->x();
    // The nearest button with a menu on that side.
    TNodeButton* next = nullptr;
    for (TNodeButton* b : TBarChildAccess::NodeButtons(*FBar)) {
        if (!b->isVisible() || !b->isEnabled() || !b->HasDropDown())
            continue;
        const bool side = Key == Qt::Key_Left ? b->x() < from : b->x() > from;
        if (side && (!next || std::abs(b->x() - from) < std::abs(next->x() - from)))
            next = b;
    }
    if (next)
        SwitchTo(*next);
}

void TChildMenuHook::SwitchTo(TNodeButton& Button)
{
    const QPointF local(Button.width() - 3, 2);
    QCoreApplication::postEvent(&Button, new QMouseEvent(QEvent::MouseButtonPress, local, Button.mapToGlobal(local),
                                                         Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    FMenu->close();
}
