#pragma once
// The list inside the bar's drop-down windows: one row per node, drawn with
// the node's image and text; the row under the mouse is highlighted.

#include "framework/ListBox.h"

#pragma GCC visibility push(default)

class TCustomExplorerTreeview;
class TKestTreeNode;

class TExplorerTreeviewListBox : public TCustomListBox {
    Q_OBJECT
public:
    explicit TExplorerTreeviewListBox(TComponent* owner);
    ~TExplorerTreeviewListBox() override;

    TCustomExplorerTreeview* ExplorerTreeview() const { return FExplorerTreeview; }
    void SetExplorerTreeview(TCustomExplorerTreeview* value) { FExplorerTreeview = value; }
    bool ShowImages() const { return FShowImages; }
    void SetShowImages(bool value);
    bool MouseInControl() const { return FMouseInControl; }

    // Fired after every change of the item index.
    TNotifyEvent OnSelect;

    void SetItemIndex(int value) override;
    // Moves the item index by Delta, never past the last item; from the first
    // item upwards it leaves no item chosen.
    void MoveSelection(int delta);
    TKestTreeNode* NodeAt(int index) const;

protected:
    void DrawItem(QPainter& canvas, int index, QRect rect, bool selected) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TCustomExplorerTreeview* FExplorerTreeview = nullptr;
    bool FShowImages = true;
    bool FMouseInControl = false;
};

#pragma GCC visibility pop
