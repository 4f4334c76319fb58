#pragma once
// What the bar's windowless child controls share: they belong to a path bar
// and refuse any other owner.

#include "framework/GraphicControl.h"

#pragma GCC visibility push(default)

class TCustomExplorerTreeview;
class TComponent;

// The bar that owns a child control or window; raises "Invalid parent" when
// owner is not a path bar.
TCustomExplorerTreeview* RequireExplorerTreeview(TComponent* owner);

class TExplorerTreeviewChild : public TGraphicControl {
    Q_OBJECT
public:
    // Raises "Invalid parent" when owner is not a path bar; the bar becomes
    // the parent as well as the owner.
    explicit TExplorerTreeviewChild(TComponent* owner);
    ~TExplorerTreeviewChild() override;

    TCustomExplorerTreeview* ExplorerTreeview() const { return FExplorerTreeview; }

    // The control's resolution factor and a size scaled by it, rounded with
    // halves to the even neighbour.
    double Scale() const;
    int Scaled(int size) const;

protected:
    // After a release: at once where the bar's buffered drawing with editing
    // needs it, otherwise when the event loop gets to it.
    void RepaintAfterRelease();
    // A windowless control has no menu of its own: the bar's shows, as if
    // the right click were on the bar.
    void contextMenuEvent(QContextMenuEvent* event) override;

    TCustomExplorerTreeview* FExplorerTreeview;
};

#pragma GCC visibility pop
