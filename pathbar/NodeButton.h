#pragma once
// A button for one segment of the shown path; its right part opens a menu of
// the node's children. As the overflow button it stands for the ancestors
// that do not fit.

#include "framework/Bitmap.h"
#include "pathbar/ExplorerTreeviewChild.h"
#include "pathbar/InternalVisibility.h"

#include <memory>

#pragma GCC visibility push(default)

class TButtonAppearance;
class TKestTreeNode;
class KEST_INTERNAL TTextWidthCache; // not exported: the button row's

// What a node button is given by the row that places it.
struct TNodeButtonPlace {
    // Its position in the row, from the right (the selection is 0).
    int Index = -1;
    int Height = 0;
    // The node is the bar's selection: its text shows even when the node
    // says otherwise.
    bool Selected = false;
    // The row's button look and its text widths in that font.
    const TButtonAppearance* Look = nullptr;
    TTextWidthCache* TextWidths = nullptr;
};

class TNodeButton : public TExplorerTreeviewChild {
    Q_OBJECT
public:
    explicit TNodeButton(TComponent* owner);
    ~TNodeButton() override;

    TKestTreeNode* Node() const { return FNode; }
    // Shows Value at the given place of the row; the width follows.
    void SetNode(TKestTreeNode* value, const TNodeButtonPlace& place);
    bool ScrollButton() const { return FScrollButton; }
    void SetScrollButton(bool value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value) { FShowText = value; }
    bool Down() const { return FDown; }
    void SetDown(bool value) { FDown = value; }
    TBitmap* Glyph() const { return FGlyph.get(); }
    void SetGlyph(TBitmap* value) { FGlyph->Assign(value); }

    bool HasDropDown() const;
    // The position in the row (see TNodeButtonPlace), -1 off the row.
    int ButtonIndex() const { return FPlace.Index; }
    // Hot in the wider sense: the mouse is over it or it is pressed.
    bool IsHot() const { return FHot || FDown || FDwBtnHot; }
    bool TextHot() const { return FHot; }
    bool ArrowHot() const { return FDwBtnHot; }

    virtual void DoNodePopulate(TKestTreeNode* node);

    // Back to a new button's state, for reuse by the next rebuild.
    void Reset();

    // Pops up the menu of the node's children (the hidden ancestors for the
    // overflow button) and waits until it closes.
    void ShowChildMenu();

protected:
    void Paint(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

    bool FHot = false;
    bool FDown = false;
    bool FDwBtnHot = false;
    std::unique_ptr<TBitmap> FGlyph;
    TKestTreeNode* FNode = nullptr;
    bool FScrollButton = false;
    int FOffsetX = 4;
    bool FShowText = true;

private:
    TNodeButtonPlace FPlace;

    void UpdateWidth();
    // Left edge of the arrow part in button coordinates.
    int ArrowLeft() const { return width() - Scaled(14); }
    void RefreshHotState();
};

#pragma GCC visibility pop
