#include "pathbar/ExplorerTreeviewListBox.h"

#include "framework/ImageList.h"
#include "pathbar/BarChildAccess_p.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/KestTreeNode.h"

#include <QMouseEvent>
#include <QPainter>

TExplorerTreeviewListBox::TExplorerTreeviewListBox(TComponent* owner) : TCustomListBox(owner) {}

TExplorerTreeviewListBox::~TExplorerTreeviewListBox() = default;

void TExplorerTreeviewListBox::SetShowImages(bool value)
{
    if (value == FShowImages)
        return;
    FShowImages = value;
    viewport()->update();
}

void TExplorerTreeviewListBox::SetItemIndex(int value)
{
    TCustomListBox::SetItemIndex(value);
    if (OnSelect)
        OnSelect(this);
}

void TExplorerTreeviewListBox::MoveSelection(int delta)
{
    const int target = ItemIndex() + delta;
    if (target < Items()->Count())
        SetItemIndex(target);
}

TKestTreeNode* TExplorerTreeviewListBox::NodeAt(int index) const
{
    if (index < 0 || index >= Items()->Count())
        return nullptr;
    return static_cast<TKestTreeNode*>(Items()->Objects(index));
}

void TExplorerTreeviewListBox::DrawItem(QPainter& canvas, int index, QRect rect, bool selected)
{
    TKestTreeNode* node = NodeAt(index);
    if (!FExplorerTreeview || !node) {
        TCustomListBox::DrawItem(canvas, index, rect, selected);
        return;
    }
    canvas.fillRect(rect, canvas.brush());
    const TCustomImageList* images = TBarChildAccess::ImageList(*FExplorerTreeview);
    if (FShowImages && images) {
        if (node->ImageIndex() >= 0)
            images->Draw(canvas, rect.left() + 2, rect.top() + (rect.height() - images->Height()) / 2,
                         node->ImageIndex(), true);
        rect.setLeft(rect.left() + images->Width());
    }
    rect.setLeft(rect.left() + 5);
    canvas.drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Items()->Strings(index));
}

void TExplorerTreeviewListBox::mouseMoveEvent(QMouseEvent* event)
{
    TCustomListBox::mouseMoveEvent(event);
    // Hover highlight: the row under the mouse becomes the chosen one.
    const int index = ItemAtPos(event->position().toPoint() + viewport()->pos());
    if (index >= 0 && index != ItemIndex())
        SetItemIndex(index);
}

void TExplorerTreeviewListBox::mouseReleaseEvent(QMouseEvent* event)
{
    const int index = ItemAtPos(event->position().toPoint() + viewport()->pos());
    if (index >= 0)
        SetItemIndex(index);
    TCustomListBox::mouseReleaseEvent(event);
}

void TExplorerTreeviewListBox::enterEvent(QEnterEvent* event)
{
    TCustomListBox::enterEvent(event);
    FMouseInControl = true;
}

void TExplorerTreeviewListBox::leaveEvent(QEvent* event)
{
    TCustomListBox::leaveEvent(event);
    FMouseInControl = false;
}
