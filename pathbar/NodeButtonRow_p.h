#pragma once
// The bar's row of node buttons: the selection's button first, then one per
// ancestor from right to left, the last possibly the overflow button for the
// ancestors that do not fit. Buttons taken off the row are kept hidden for
// the next build, so rebuilding on every resize makes no widgets, and a
// button whose own click rebuilt the row is not freed under its feet. The
// row also remembers the node texts' widths in the button font.

#include "pathbar/TextWidthCache_p.h"

#include <QRect>
#include <vector>

class TButtonAppearance;
class TCustomExplorerTreeview;
class TKestTreeNode;
class TNodeButton;

class TNodeButtonRow {
public:
    // The buttons belong to bar, as their owner and parent.
    explicit TNodeButtonRow(TCustomExplorerTreeview& bar);
    ~TNodeButtonRow();
    TNodeButtonRow(const TNodeButtonRow&) = delete;
    TNodeButtonRow& operator=(const TNodeButtonRow&) = delete;

    const std::vector<TNodeButton*>& Buttons() const { return FButtons; }
    bool IsEmpty() const { return FButtons.empty(); }

    // Takes every button off the row: hidden and kept, or freed with the bar.
    void Clear(bool barDestroying);
    // Lays out the path of selected in area, leaving overflowWidth for the
    // overflow button while ancestors remain.
    void Build(TKestTreeNode* selected, const QRect& area, const TButtonAppearance& look, int overflowWidth);
    // Frees the buttons kept for the next build (the bar is going).
    void DeleteSpareButtons();
    // Puts the buttons side by side from the area's left, the root first.
    void Position(const QRect& area);

private:
    // A spare button, else a new one.
    TNodeButton* Take();

    TCustomExplorerTreeview& FBar;
    std::vector<TNodeButton*> FButtons;
    std::vector<TNodeButton*> FSpareButtons;
    TTextWidthCache FTextWidths;
};
