// The bar's frame lines and background colour by state.

#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/CustomExplorerTreeview_p.h"

#include "pathbar/DropDownButton.h"

#include <QPainter>

void TCustomExplorerTreeview::ApplyColor(TColor value)
{
    SetColor(value);
    update();
}

void TCustomExplorerTreeview::AppearanceChanged()
{
    if (IsLoading() && !IsDesigning())
        return;
    if (IsDesigning()) {
        ApplyColor(FPrivate->FAppearance->Color());
    } else if (!(FPrivate->HasFocusLook() && FPrivate->FEditorEnabled)) {
        bool inside = rect().contains(mapFromGlobal(QCursor::pos()));
        ApplyColor(inside ? FPrivate->FAppearance->HotColor() : FPrivate->FAppearance->Color());
    }
    FPrivate->PositionNodeButtons();
    UpdateButtonPositions();
    update();
}

TCustomExplorerTreeviewPrivate::TBorderColors TCustomExplorerTreeviewPrivate::BorderColors() const
{
    if (HasFocusLook())
        return {FAppearance->FocusOuterBorderColor(), FAppearance->FocusInnerBorderColor()};
    return {FAppearance->OuterBorderColor(), FAppearance->InnerBorderColor()};
}

void TCustomExplorerTreeview::PaintFrame()
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    const auto [outer, inner] = FPrivate->BorderColors();
    QRect r = rect();
    // An outline of r covers its columns left..right-1 and rows top..bottom-1.
    auto outline = [&p](const QRect& box, TColor c) {
        p.setPen(QPen(ColorToQColor(c), 1));
        p.drawRect(box.x(), box.y(), box.width() - 1, box.height() - 1);
    };
    if (outer != clNone) {
        outline(r, outer);
        r.adjust(1, 1, -1, -1);
    }
    if (inner != clNone) {
        outline(r, inner);
        r.adjust(1, 1, -1, -1);
    }
    const TColor innerMost = FPrivate->FAppearance->InnerMostBorderColor();
    if (!FPrivate->FMouseInControl && !FPrivate->IsEditorFocused() && innerMost != clNone) {
        outline(r, innerMost);
        p.setPen(QPen(ColorToQColor(Color()), 1));
        p.drawPoint(r.left(), r.top());
        p.drawPoint(r.right(), r.top());
        p.drawPoint(r.left(), r.bottom());
        p.drawPoint(r.right(), r.bottom());
    }
    if (FPrivate->FRefreshButton && FPrivate->FRefreshBtn) {
        TColor sep = inner != clNone ? inner : outer != clNone ? outer : innerMost != clNone ? innerMost : clBlack;
        p.setPen(QPen(ColorToQColor(sep), 1));
        int x = FPrivate->GetRefreshButtonRect().left();
        p.drawLine(x, r.top(), x, r.bottom());
    }
    // Qt paints child controls above the bar after this, so a hot button
    // keeps its highlight without being asked to repaint.
}
