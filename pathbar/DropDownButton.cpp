#include "pathbar/DropDownButton.h"

#include "framework/DeviceContext.h"
#include "framework/ImageList.h"
#include "pathbar/BarChildAccess_p.h"
#include "pathbar/ButtonDrawing_p.h"
#include "pathbar/CustomExplorerTreeview.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

using namespace PathBarDrawing;

TDropDownButton::TDropDownButton(TComponent* owner) : TExplorerTreeviewChild(owner), FGlyph(std::make_unique<TBitmap>())
{
    FGlyph->OnChange = [this](QObject*) { Invalidate(); };
}

TDropDownButton::~TDropDownButton() = default;

void TDropDownButton::SetGlyph(TBitmap* value) { FGlyph->Assign(value); }

void TDropDownButton::SetImageIndex(int value)
{
    FImageIndex = value;
    Invalidate();
}

void TDropDownButton::SetDown(bool value)
{
    if (value == FDown)
        return;
    FDown = value;
    Invalidate();
}

void TDropDownButton::Paint(QPainter& painter)
{
    if (!FExplorerTreeview)
        return;
    const TButtonAppearance& look = *FExplorerTreeview->Appearance()->ButtonAppearance();
    const QRect client = rect();
    const int drop = FDown ? 2 : 0;
    TButtonColors colors = FDown ? DownColors(look) : HotColors(look);
    const TColor arrow = FHot || FDown ? colors.Arrow : NormalArrowColor;
    TDeviceContext surface(client.width(), client.height(), PixelRatioOf(painter));
    if (FHot || FDown) {
        QPainter canvas(&surface.Image());
        DrawButtonBackground(canvas, client, client.height() / 2, colors, FDown, false);
    }
    const TCustomImageList* images = TBarChildAccess::ImageList(*FExplorerTreeview);
    if (!FExplorerTreeview->Images() || FImageIndex < 0) {
        if (FGlyph->Empty()) {
            DrawArrow(surface, client.adjusted(0, drop, 0, 0), arrow, false, Scale());
        } else {
            QPainter canvas(&surface.Image());
            const QImage g = FGlyph->TransparentImage();
            const QSize size = g.deviceIndependentSize().toSize();
            canvas.drawImage((client.width() - size.width()) / 2, (client.height() - size.height()) / 2 + drop, g);
        }
    } else if (images) {
        QPainter canvas(&surface.Image());
        const TCustomImageList* sized = FExplorerTreeview->Images();
        images->Draw(canvas, (client.width() - sized->Width()) / 2, (client.height() - sized->Height()) / 2 + drop,
                     FImageIndex, true);
    }
    painter.drawImage(0, 0, surface.Image());
}

void TDropDownButton::enterEvent(QEnterEvent* event)
{
    TExplorerTreeviewChild::enterEvent(event);
    if (FExplorerTreeview->IsDesigning())
        return;
    FHot = true;
    Repaint();
}

void TDropDownButton::leaveEvent(QEvent* event)
{
    TExplorerTreeviewChild::leaveEvent(event);
    if (FExplorerTreeview->IsDesigning())
        return;
    FHot = false;
    Invalidate();
}

void TDropDownButton::mousePressEvent(QMouseEvent* event)
{
    QPointer<TDropDownButton> self(this);
    TExplorerTreeviewChild::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || FExplorerTreeview->IsDesigning())
        return;
    if (OnMouseDown)
        OnMouseDown(this);
    if (!self)
        return;
    FDown = true;
    Repaint();
}

void TDropDownButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasDown = FDown;
    TExplorerTreeviewChild::mouseReleaseEvent(event);
    if (FExplorerTreeview->IsDesigning())
        return;
    // The history button stays pressed while its window is open.
    if (FDown && !FExplorerTreeview->IsDroppedDown()) {
        FDown = false;
        RepaintAfterRelease();
    }
    if (wasDown && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click();
}
