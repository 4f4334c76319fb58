#pragma once
// The child menu of a node button and the watch kept over it while it is
// open: the first item highlighted, Alt releasing the bar's capture, and a
// move over another node button with children switching to that button's
// menu.

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>

class QAction;
class QMenu;
class TCustomExplorerTreeview;
class TKestTreeNode;
class TNodeButton;

// Fires the bar's node-populate event and builds the menu: the hidden
// ancestors for the overflow button, a top-level node itself, then the
// children.
std::unique_ptr<QMenu> CreateChildMenu(TNodeButton& Button);

// The node an item of that menu stands for.
TKestTreeNode* MenuItemNode(const QAction* Item);

// One at a time for the whole program, installed while a child menu is open.
class TChildMenuHook : public QObject {
    Q_OBJECT
public:
    TChildMenuHook(QMenu& Menu, TNodeButton& Button);
    ~TChildMenuHook() override;

    // The hook in force, if any.
    static TChildMenuHook* Current();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void MouseMovedTo(const QPoint& Global);

    QPointer<QMenu> FMenu;
    QPointer<TCustomExplorerTreeview> FBar;
    int FButtonIndex;
    bool FFirstMessage = true;
    QPoint FLastPoint;
    TChildMenuHook* FPrevious;
};
