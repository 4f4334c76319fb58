#pragma once
// The child menu of a node button and the watch kept over it while it is
// open: the first item highlighted, Alt releasing the bar's capture, and a
// move over another node button with children (or Left and Right) switching
// to that button's menu.

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class QAction;
class QMenu;
class QWidget;
class TCustomExplorerTreeview;
class TKestTreeNode;
class TNodeButton;

// Fires the bar's node-populate event and gives what the menu lists: the
// hidden ancestors for the overflow button, a top-level node itself, then
// the children; a null entry is a separator.
std::vector<TKestTreeNode*> ChildMenuRows(TNodeButton& button);

// Fires the bar's node-populate event and builds the menu. When its entries
// fit on the screen it is an ordinary menu (QMenu); otherwise it is one
// scrolling list drawn the same way (TScrollingChildMenu), which makes no item
// per entry and so opens at once for any number of children.
std::unique_ptr<QWidget> CreateChildMenu(TNodeButton& button);

// Shows a menu made by CreateChildMenu at a screen point and waits until it
// closes; returns the chosen node, or none.
TKestTreeNode* ExecChildMenu(QWidget& menu, const QPoint& at);

// Whether the menu has anything to choose.
bool ChildMenuHasItems(const QWidget& menu);

// The node an item of an ordinary menu stands for.
TKestTreeNode* MenuItemNode(const QAction* item);

// One at a time for the whole program, installed while a child menu is open.
class TChildMenuHook : public QObject {
    Q_OBJECT
public:
    TChildMenuHook(QWidget& menu, TNodeButton& button);
    ~TChildMenuHook() override;

    // The hook in force, if any.
    static TChildMenuHook* Current();
    // Closes the menu in force when it belongs to Bar: the bar's nodes are
    // going, and the menu lists them.
    static void CloseMenuOf(const TCustomExplorerTreeview* bar);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void MouseMovedTo(const QPoint& global);
    void MoveToNeighbour(int key);
    // Closes the menu; the press on that button's arrow part opens its own
    // menu once this one has returned.
    void SwitchTo(TNodeButton& button);

    QPointer<QWidget> FMenu;
    QPointer<TCustomExplorerTreeview> FBar;
    int FButtonIndex;
    bool FFirstMessage = true;
    QPoint FLastPoint;
    TChildMenuHook* FPrevious;
};

#pragma GCC visibility pop
