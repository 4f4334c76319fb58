// Node buttons and the positions of the bar's child controls.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/ImageList.h"
#include "framework/WidgetLifetime.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/LeftIcon.h"
#include "pathbar/NodeButton.h"
#include "pathbar/NodeButtonRow.h"
#include "pathbar/RectEdges.h"

#include <QFontMetrics>

namespace {

using RectEdges::FromEdges;

const QRect kNoRect = FromEdges(-1, -1, -1, -1);

}

// --- Rectangles -------------------------------------------------------------

int TCustomExplorerTreeview::GetBorderWidth() const
{
    const TBorderColors border = BorderColors();
    const int lines = (border.Outer != clNone ? 1 : 0) + (border.Inner != clNone ? 1 : 0);
    return std::max(lines, 1);
}

int TCustomExplorerTreeview::GetImageAreaWidth() const
{
    if (IsFolderMode() && FInternalImages)
        return FInternalImages->Width() + 6;
    if (FImages)
        return FImages->Width() + 6;
    return 22;
}

QRect TCustomExplorerTreeview::GetImageRect() const
{
    return FShowImage ? FromEdges(2, 2, GetImageAreaWidth() + 2, height() - 2) : kNoRect;
}

QRect TCustomExplorerTreeview::GetRefreshButtonRect() const
{
    if (!FRefreshButton || !FRefreshBtn)
        return kNoRect;
    const int b = GetBorderWidth();
    return FromEdges(width() - FRefreshBtn->Scaled(24) - 2, b, width() - 2, height() - b);
}

QRect TCustomExplorerTreeview::GetDropDownButtonRect() const
{
    const int s15 = FDropDownButton ? FDropDownButton->Scaled(15) : 15;
    const int b = GetBorderWidth();
    int right = width() - 2;
    if (FRefreshButton && FRefreshBtn)
        right = GetRefreshButtonRect().left();
    const int left = FDropDownButton && !FDropDownButton->Visible() ? right : right - s15;
    return FromEdges(left, b, right, height() - b);
}

QRect TCustomExplorerTreeview::GetNodeAreaRect() const
{
    const QRect dropDown = GetDropDownButtonRect();
    const int left = FShowImage ? GetImageRect().x() + GetImageRect().width() + 1 : 2;
    return FromEdges(left, dropDown.top(), dropDown.left() - 2, RectEdges::Bottom(dropDown));
}

// --- Placing the child controls --------------------------------------------

void TCustomExplorerTreeview::UpdateLeftIconPosition()
{
    if (!FLeftIcon)
        return;
    const QRect r = GetImageRect();
    FLeftIcon->SetBounds(r.x(), r.y(), r.width(), r.height());
    FLeftIcon->SetVisible(FShowImage);
}

void TCustomExplorerTreeview::UpdateButtonPositions()
{
    if (FDropDownButton) {
        const QRect r = GetDropDownButtonRect();
        FDropDownButton->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
    if (FRefreshBtn) {
        const QRect r = GetRefreshButtonRect();
        FRefreshBtn->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
}

void TCustomExplorerTreeview::UpdateLayout()
{
    UpdateLeftIconPosition();
    UpdateButtonPositions();
}

void TCustomExplorerTreeview::UpdateEditRect()
{
    const QRect dropDown = GetDropDownButtonRect();
    const int th = QFontMetrics(font()).boundingRect(QStringLiteral("Wg")).height() + 2;
    const int nh = GetNodeAreaRect().height();
    const int top = (nh - th) / 2 + 3;
    const int left = 3 + (FShowImage ? GetImageAreaWidth() : 0);
    const int right = dropDown.left() - 2;
    setTextMargins(left, top, std::max(0, width() - right), std::max(0, height() - (top + th)));
}

// --- Node buttons -----------------------------------------------------------

void TCustomExplorerTreeview::ClearNodeButtons()
{
    FButtonRow->Clear(IsDestroying());
    if (!IsDestroying()) {
        TCustomEdit::SetText(FText);
        selectAll();
    }
}

void TCustomExplorerTreeview::BuildNodeButtons()
{
    ClearNodeButtons();
    // A window being destroyed sends focus and hide events; no new child
    // may be parented into it then.
    if (!FSelectedNode || IsDestroying() || IsInDestruction(this))
        return;
    const QRect area = GetNodeAreaRect();
    const int overflowWidth = FDropDownButton->Scaled(14);
    if (area.width() < overflowWidth)
        return;
    FButtonRow->Build(FSelectedNode, area, *FAppearance->ButtonAppearance(), overflowWidth);
    PositionNodeButtons();
    UpdateLeftIcon();
    TCustomEdit::SetText(QString());
}

const std::vector<TNodeButton*>& TCustomExplorerTreeview::NodeButtons() const { return FButtonRow->Buttons(); }

void TCustomExplorerTreeview::PositionNodeButtons() { FButtonRow->Position(GetNodeAreaRect()); }

void TCustomExplorerTreeview::UpdateLeftIcon()
{
    TCustomImageList* images = GetImageList();
    if (!FShowImage || !images || !FSelectedNode || FSelectedNode->ImageIndex() < 0 || !FLeftIcon)
        return;
    TBitmap picture;
    picture.SetImage(images->GetImage(FSelectedNode->ImageIndex()));
    FLeftIcon->SetGlyph(&picture);
}
