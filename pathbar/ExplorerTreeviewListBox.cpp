#include "pathbar/ExplorerTreeviewListBox.h"

#include "framework/ImageList.h"
#include "pathbar/BarChildAccess.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/KestTreeNode.h"

#include <QMouseEvent>
#include <QPainter>

TExplorerTreeviewListBox::TExplorerTreeviewListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

TExplorerTreeviewListBox::~TExplorerTreeviewListBox() = default;

void TExplorerTreeviewListBox::SetShowImages(bool Value)
{
    if (Value == FShowImages)
        return;
    FShowImages = Value;
    viewport()->update();
}

void TExplorerTreeviewListBox::SetItemIndex(int Value)
{
    TCustomListBox::SetItemIndex(Value);
    if (OnSelect)
        OnSelect(this);
}

void TExplorerTreeviewListBox::MoveSelection(int Delta)
{
    const int target = ItemIndex() + Delta;
    if (target < Items()->Count())
        SetItemIndex(target);
}

TKestTreeNode* TExplorerTreeviewListBox::NodeAt(int Index) const
{
    if (Index < 0 || Index >= Items()->Count())
        return nullptr;
    return static_cast<TKestTreeNode*>(Items()->Objects(Index));
}

void TExplorerTreeviewListBox::DrawItem(QPainter& Canvas, int Index, QRect Rect, bool Selected)
{
    TKestTreeNode* node = NodeAt(Index);
    if (!FExplorerTreeview || !node) {
        TCustomListBox::DrawItem(Canvas, Index, Rect, Selected);
        return;
    }
    Canvas.fillRect(Rect, Canvas.brush());
    const TCustomImageList* images = TBarChildAccess::ImageList(*FExplorerTreeview);
    if (FShowImages && images) {
        if (node->ImageIndex() >= 0)
            images->Draw(Canvas, Rect.left() + 2, Rect.top() + (Rect.height() - images->Height()) / 2,
                         node->ImageIndex(), true);
        Rect.setLeft(Rect.left() + images->Width());
    }
    Rect.setLeft(Rect.left() + 5);
    Canvas.drawText(Rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, Items()->Strings(Index));
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
