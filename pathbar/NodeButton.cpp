#include "pathbar/NodeButton.h"

#include "framework/DeviceContext.h"
#include "framework/Rounding.h"
#include "pathbar/BarChildAccess_p.h"
#include "pathbar/ButtonDrawing_p.h"
#include "pathbar/ChildMenu.h"
#include "pathbar/CustomExplorerTreeview.h"
#include "pathbar/TextWidthCache_p.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <optional>

#include <algorithm>

using namespace PathBarDrawing;

TNodeButton::TNodeButton(TComponent* owner) : TExplorerTreeviewChild(owner), FGlyph(std::make_unique<TBitmap>())
{
    setMouseTracking(true);
}

TNodeButton::~TNodeButton() = default;

void TNodeButton::SetNode(TKestTreeNode* value, const TNodeButtonPlace& place)
{
    FNode = value;
    FPlace = place;
    if (FNode)
        FShowText = FNode->ShowText() || place.Selected;
    UpdateWidth();
}

void TNodeButton::SetScrollButton(bool value)
{
    FScrollButton = value;
    UpdateWidth();
}

void TNodeButton::UpdateWidth()
{
    if (!FNode || !FPlace.TextWidths)
        return;
    SetHeight(FPlace.Height);
    const int s14 = Scaled(14);
    if (FScrollButton || !FShowText) {
        SetWidth(s14);
        return;
    }
    int w = 0;
    if (!FNode->Text().isEmpty())
        w = 2 * FOffsetX + FPlace.TextWidths->Width(*FPlace.Look->Font(), Scale(), FNode->Text());
    if (FNode->HasChildren())
        w += s14;
    SetWidth(std::max(w, s14));
}

void TNodeButton::Reset()
{
    FHot = false;
    FDown = false;
    FDwBtnHot = false;
    FNode = nullptr;
    FScrollButton = false;
    FShowText = true;
    FPlace = TNodeButtonPlace();
    FGlyph->Clear();
}

bool TNodeButton::HasDropDown() const { return FNode && !FScrollButton && FNode->HasChildren(); }

void TNodeButton::DoNodePopulate(TKestTreeNode* node)
{
    if (FExplorerTreeview->OnNodePopulate)
        FExplorerTreeview->OnNodePopulate(FExplorerTreeview, node);
}

// --- Painting ---------------------------------------------------------------

void TNodeButton::Paint(QPainter& painter)
{
    if (!FNode || !FPlace.Look)
        return;
    const TButtonAppearance& look = *FPlace.Look;
    const double scale = Scale();
    const QRect client = rect();
    QRect r = client;
    QRect a = client;
    const bool arrowPart = HasDropDown() && FShowText;
    if (arrowPart) {
        a.setLeft(client.width() - Scaled(14));
        r.setWidth(a.left());
    }
    const bool chosen = FDown || FHot || FDwBtnHot;
    TButtonColors colors = FDown ? DownColors(look) : HotColors(look);
    const TColor arrow = chosen ? colors.Arrow : NormalArrowColor;

    TDeviceContext surface(client.width(), client.height(), PixelRatioOf(painter));
    {
        QPainter canvas(&surface.Image());
        if (chosen) {
            if (FScrollButton || !FShowText) {
                DrawButtonBackground(canvas, client, client.height() / 2, colors, FDown, true);
            } else {
                if (arrowPart)
                    DrawButtonBackground(canvas, a, a.height() / 2, colors, FDown, true);
                if (FDwBtnHot && !FHot && !FDown)
                    colors = NodeHotColors(look);
                DrawButtonBackground(canvas, r, r.height() / 2, colors, FDown, !arrowPart);
            }
        }
        if (!FNode->Text().isEmpty() && !FScrollButton && FShowText) {
            QRect textRect = r;
            if (FDown)
                textRect.setTop(textRect.top() + 2);
            canvas.setFont(FPlace.TextWidths->QtFont(*look.Font(), scale));
            canvas.setPen(ColorToQColor(look.Font()->Color()));
            canvas.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, FNode->Text());
        }
    }
    if (FScrollButton) {
        DrawDoubleArrow(surface, client, arrow, scale);
    } else if (arrowPart) {
        if (FDown)
            a.setTop(a.top() + 2);
        DrawArrow(surface, a, arrow, !FDown, scale);
    } else if (!FShowText) {
        QRect whole = client;
        if (FDown)
            whole.setTop(whole.top() + 2);
        DrawArrow(surface, whole, arrow, !FDown, scale);
    }
    if (!FGlyph->Empty()) {
        QPainter canvas(&surface.Image());
        const QImage& g = FGlyph->Image();
        const QSize size = g.deviceIndependentSize().toSize();
        canvas.drawImage(r.x() + (r.width() - size.width()) / 2,
                         r.y() + (r.height() - size.height()) / 2 + (FDown ? 2 : 0), g);
    }
    painter.drawImage(0, 0, surface.Image());
}

// --- Mouse ------------------------------------------------------------------

void TNodeButton::mousePressEvent(QMouseEvent* event)
{
    TExplorerTreeviewChild::mousePressEvent(event);
    event->accept();
    if (event->button() != Qt::LeftButton || !FNode)
        return;
    FDown = true;
    Repaint();
    const int x = int(event->position().x());
    if ((x > ArrowLeft() && HasDropDown()) || FScrollButton)
        ShowChildMenu();
}

void TNodeButton::mouseMoveEvent(QMouseEvent* event)
{
    TExplorerTreeviewChild::mouseMoveEvent(event);
    const int x = int(event->position().x());
    if ((x < ArrowLeft() && FShowText) || !HasDropDown()) {
        if (!FHot) {
            FHot = true;
            Invalidate();
        }
    } else if (!FDwBtnHot) {
        FHot = false;
        FDwBtnHot = true;
        Invalidate();
    } else if (FHot) {
        FHot = false;
        Invalidate();
    }
}

void TNodeButton::mouseReleaseEvent(QMouseEvent* event)
{
    TExplorerTreeviewChild::mouseReleaseEvent(event);
    if (FDown) {
        FDown = false;
        RepaintAfterRelease();
    }
    const int x = int(event->position().x());
    if ((x < ArrowLeft() || !HasDropDown()) && FNode && FNode->HasChildren() && !FScrollButton)
        // Selecting rebuilds the row, which puts this button aside with the
        // spare ones (and OnSelect may free the bar): nothing after.
        FExplorerTreeview->ChooseNode(FNode);
}

void TNodeButton::leaveEvent(QEvent* event)
{
    TExplorerTreeviewChild::leaveEvent(event);
    FHot = false;
    FDwBtnHot = false;
    Invalidate();
}

// --- Child menu -------------------------------------------------------------

void TNodeButton::ShowChildMenu()
{
    if (!FNode || !FExplorerTreeview)
        return;
    QPointer<TNodeButton> self(this);
    QPointer<TCustomExplorerTreeview> bar(FExplorerTreeview);
    std::unique_ptr<QWidget> menu = CreateChildMenu(*this);
    if (!self)
        return;
    const QPoint at = mapToGlobal(QPoint(width() / 2, height()));
    TKestTreeNode* chosen = nullptr;
    {
        // The watch is for menus with something to move over.
        std::optional<TChildMenuHook> hook;
        if (TBarChildAccess::AllowHook(*FExplorerTreeview) && ChildMenuHasItems(*menu))
            hook.emplace(*menu, *this);
        chosen = ExecChildMenu(*menu, at);
    }
    // The menu's rows go before the choice, which may list a large folder.
    menu.reset();
    if (self)
        RefreshHotState();
    if (chosen && bar)
        bar->ChooseNode(chosen);
}

void TNodeButton::RefreshHotState()
{
    if (!FDown)
        return;
    FDown = false;
    const QPoint cursor = mapFromGlobal(QCursor::pos());
    FHot = rect().contains(cursor);
    FDwBtnHot = QRect(ArrowLeft(), 0, width() - ArrowLeft(), height()).contains(cursor);
    Invalidate();
}
