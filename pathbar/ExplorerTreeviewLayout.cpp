// The rectangles of the bar's child controls, their placing, and the row of
// node buttons built for the selection.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/ImageList.h"
#include "framework/WidgetLifetime.h"
#include "pathbar/CustomExplorerTreeview_p.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/LeftIcon.h"
#include "pathbar/NodeButton.h"
#include "pathbar/RectEdges_p.h"

#include <QFontMetrics>

namespace {

using RectEdges::FromEdges;

const QRect kNoRect = FromEdges(-1, -1, -1, -1);

}

// --- Rectangles -------------------------------------------------------------

int TCustomExplorerTreeviewPrivate::GetBorderWidth() const
{
    const TBorderColors border = BorderColors();
    const int lines = (border.Outer != clNone ? 1 : 0) + (border.Inner != clNone ? 1 : 0);
    return std::max(lines, 1);
}

int TCustomExplorerTreeviewPrivate::GetImageAreaWidth() const
{
    if (IsFolderMode() && FFolders.Images())
        return FFolders.Images()->Width() + 6;
    if (FImages)
        return FImages->Width() + 6;
    return 22;
}

QRect TCustomExplorerTreeviewPrivate::GetImageRect() const
{
    return FShowImage ? FromEdges(2, 2, GetImageAreaWidth() + 2, FBar.height() - 2) : kNoRect;
}

QRect TCustomExplorerTreeviewPrivate::GetRefreshButtonRect() const
{
    if (!FRefreshButton || !FRefreshBtn)
        return kNoRect;
    const int b = GetBorderWidth();
    return FromEdges(FBar.width() - FRefreshBtn->Scaled(24) - 2, b, FBar.width() - 2, FBar.height() - b);
}

QRect TCustomExplorerTreeviewPrivate::GetDropDownButtonRect() const
{
    const int s15 = FDropDownButton ? FDropDownButton->Scaled(15) : 15;
    const int b = GetBorderWidth();
    int right = FBar.width() - 2;
    if (FRefreshButton && FRefreshBtn)
        right = GetRefreshButtonRect().left();
    const int left = FDropDownButton && !FDropDownButton->Visible() ? right : right - s15;
    return FromEdges(left, b, right, FBar.height() - b);
}

QRect TCustomExplorerTreeviewPrivate::GetNodeAreaRect() const
{
    const QRect dropDown = GetDropDownButtonRect();
    const int left = FShowImage ? GetImageRect().x() + GetImageRect().width() + 1 : 2;
    return FromEdges(left, dropDown.top(), dropDown.left() - 2, RectEdges::Bottom(dropDown));
}

void TCustomExplorerTreeviewPrivate::PositionNodeButtons() { FButtonRow.Position(GetNodeAreaRect()); }

// --- Placing the child controls --------------------------------------------

void TCustomExplorerTreeview::UpdateLeftIconPosition()
{
    if (!FPrivate->FLeftIcon)
        return;
    const QRect r = FPrivate->GetImageRect();
    FPrivate->FLeftIcon->SetBounds(r.x(), r.y(), r.width(), r.height());
    FPrivate->FLeftIcon->SetVisible(FPrivate->FShowImage);
}

void TCustomExplorerTreeview::UpdateButtonPositions()
{
    if (FPrivate->FDropDownButton) {
        const QRect r = FPrivate->GetDropDownButtonRect();
        FPrivate->FDropDownButton->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
    if (FPrivate->FRefreshBtn) {
        const QRect r = FPrivate->GetRefreshButtonRect();
        FPrivate->FRefreshBtn->SetBounds(r.x(), r.y(), r.width(), r.height());
    }
}

void TCustomExplorerTreeview::UpdateLayout()
{
    UpdateLeftIconPosition();
    UpdateButtonPositions();
}

void TCustomExplorerTreeview::UpdateEditRect()
{
    const QRect dropDown = FPrivate->GetDropDownButtonRect();
    const int th = QFontMetrics(font()).boundingRect(QStringLiteral("Wg")).height() + 2;
    const int nh = FPrivate->GetNodeAreaRect().height();
    const int top = (nh - th) / 2 + 3;
    const int left = 3 + (FPrivate->FShowImage ? FPrivate->GetImageAreaWidth() : 0);
    const int right = dropDown.left() - 2;
    setTextMargins(left, top, std::max(0, width() - right), std::max(0, height() - (top + th)));
}

// --- Node buttons -----------------------------------------------------------

void TCustomExplorerTreeview::ClearNodeButtons()
{
    FPrivate->FButtonRow.Clear(IsDestroying());
    if (!IsDestroying()) {
        TCustomEdit::SetText(FPrivate->FText);
        selectAll();
    }
}

void TCustomExplorerTreeview::BuildNodeButtons()
{
    ClearNodeButtons();
    // A window being destroyed sends focus and hide events; no new child
    // may be parented into it then.
    if (!FPrivate->FSelectedNode || IsDestroying() || IsInDestruction(this))
        return;
    const QRect area = FPrivate->GetNodeAreaRect();
    const int overflowWidth = FPrivate->FDropDownButton->Scaled(14);
    if (area.width() < overflowWidth)
        return;
    FPrivate->FButtonRow.Build(FPrivate->FSelectedNode, area, *FPrivate->FAppearance->ButtonAppearance(),
                               overflowWidth);
    FPrivate->PositionNodeButtons();
    UpdateLeftIcon();
    TCustomEdit::SetText(QString());
}

void TCustomExplorerTreeview::UpdateLeftIcon()
{
    TCustomImageList* images = FPrivate->GetImageList();
    TKestTreeNode* selected = FPrivate->FSelectedNode;
    if (!FPrivate->FShowImage || !images || !selected || selected->ImageIndex() < 0 || !FPrivate->FLeftIcon)
        return;
    TBitmap picture;
    picture.SetImage(images->GetImage(selected->ImageIndex()));
    FPrivate->FLeftIcon->SetGlyph(&picture);
}
