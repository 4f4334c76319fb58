#include "pathbar/ChildMenu.h"

#include "framework/ImageList.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/NodeButton.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProxyStyle>

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

void AddNodeItem(QMenu& Menu, TKestTreeNode* Node, const TCustomImageList* Images)
{
    QAction* item = Menu.addAction(Node->Text());
    item->setData(QVariant::fromValue(static_cast<void*>(Node)));
    if (Images && Node->ImageIndex() >= 0 && Node->ImageIndex() < Images->Count())
        item->setIcon(QIcon(QPixmap::fromImage(Images->GetImage(Node->ImageIndex()))));
}

}

std::unique_ptr<QMenu> CreateChildMenu(TNodeButton& Button)
{
    TCustomExplorerTreeview* bar = Button.ExplorerTreeview();
    TKestTreeNode* node = Button.Node();
    const TCustomImageList* images = bar->GetImageList();
    Button.DoNodePopulate(node);
    auto menu = std::make_unique<QMenu>();
    menu->setStyle(MenuStyle());
    TKestTreeNode* base = node;
    if (Button.ScrollButton()) {
        if (node != bar->SelectedNode())
            for (TKestTreeNode* n = node; n; n = n->Parent())
                AddNodeItem(*menu, n, images);
        base = bar->Items()->GetFirstNode() ? bar->Items()->GetFirstNode() : node;
        menu->addSeparator();
    } else if (!node->Parent() && node != bar->SelectedNode()) {
        AddNodeItem(*menu, node, images);
        menu->addSeparator();
    }
    for (TKestTreeNode* c = base->GetFirstChild(); c; c = c->GetNextSibling())
        AddNodeItem(*menu, c, images);
    return menu;
}

TKestTreeNode* MenuItemNode(const QAction* Item)
{
    return Item ? static_cast<TKestTreeNode*>(Item->data().value<void*>()) : nullptr;
}

TChildMenuHook::TChildMenuHook(QMenu& Menu, TNodeButton& Button)
    : FMenu(&Menu), FBar(Button.ExplorerTreeview()), FButtonIndex(Button.ButtonIndex()),
      FLastPoint(QCursor::pos()), FPrevious(gHook)
{
    if (Menu.actions().isEmpty())
        return;
    gHook = this;
    qApp->installEventFilter(this);
}

TChildMenuHook::~TChildMenuHook()
{
    if (gHook == this)
        gHook = FPrevious;
}

TChildMenuHook* TChildMenuHook::Current() { return gHook; }

bool TChildMenuHook::eventFilter(QObject* Watched, QEvent* Event)
{
    if (!FMenu || Watched != FMenu.data())
        return false;
    if (FFirstMessage) {
        FFirstMessage = false;
        QCoreApplication::postEvent(FMenu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier));
    }
    if (Event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(Event)->key() == Qt::Key_Alt) {
        if (FBar)
            FBar->releaseMouse();
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
    // The menu closes; the press on the other button's arrow part opens its
    // own menu once this one has returned.
    const QPointF local(button->width() - 3, 2);
    QCoreApplication::postEvent(button, new QMouseEvent(QEvent::MouseButtonPress, local, button->mapToGlobal(local),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    FMenu->close();
}
