#include "SceneItems.h"

#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"

#include <QPainter>
#include <QPolygonF>

namespace {

const TColor Colors[] = {0x3C7FB1, 0x2DB34A, 0x1A1AD0, 0x808080, 0xB48246};
const QString FontName = QStringLiteral("DejaVu Sans");
constexpr int FontPoints = 8;

}

std::vector<TSceneItem> SceneItems(int count, int width, int height)
{
    const int columns = width / 32, rows = height / 24;
    std::vector<TSceneItem> items;
    items.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const float left = float((i % columns) * 32 + 2), top = float(((i / columns) % rows) * 24 + 2);
        items.push_back({i % 5, TRectF(left, top, left + 28, top + 20), Colors[i % 5],
                         QStringLiteral("Item %1").arg(i % 1000)});
    }
    return items;
}

void DrawShape(TKestGraphics& canvas, const TSceneItem& item)
{
    const TRectF& r = item.Rect;
    canvas.SetFillColor(item.Color);
    switch (item.Kind) {
    case 0:
        canvas.DrawRectangle(r);
        break;
    case 1:
        canvas.DrawEllipse(r);
        break;
    case 2:
        canvas.DrawRoundRectangle(r, 4);
        break;
    case 3:
        canvas.DrawLine(TPointF(r.Left, r.Top), TPointF(r.Right, r.Bottom));
        break;
    default:
        canvas.DrawPolygon({{r.Left, r.Bottom}, {(r.Left + r.Right) / 2, r.Top}, {r.Right, r.Bottom}});
        break;
    }
}

void DrawShape(QPainter& painter, const TSceneItem& item)
{
    const QRectF r = ToQRectF(item.Rect);
    painter.setBrush(ColorToQColor(item.Color));
    switch (item.Kind) {
    case 0:
        painter.drawRect(r);
        break;
    case 1:
        painter.drawEllipse(r);
        break;
    case 2:
        painter.drawRoundedRect(r, 4, 4);
        break;
    case 3:
        painter.drawLine(r.topLeft(), r.bottomRight());
        break;
    default:
        painter.drawPolygon(QPolygonF{r.bottomLeft(), QPointF(r.center().x(), r.top()), r.bottomRight()});
        break;
    }
}

void DrawItemText(TKestGraphics& canvas, const TSceneItem& item)
{
    canvas.DrawText(item.Rect, item.Text, false, gtaLeading, gtaLeading, gttNone, 0, -1, -1, false);
}

void DrawItemText(QPainter& painter, const TSceneItem& item)
{
    painter.drawText(ToQRectF(item.Rect), Qt::AlignLeft | Qt::AlignTop, item.Text);
}

void SetSceneFont(TKestGraphics& canvas)
{
    canvas.Font()->SetName(FontName);
    canvas.Font()->SetSize(FontPoints);
}

void SetSceneFont(QPainter& painter) { painter.setFont(QFont(FontName, FontPoints)); }

QRectF ToQRectF(const TRectF& rect) { return QRectF(rect.Left, rect.Top, rect.Width(), rect.Height()); }

bool BackEndBuiltIn(bool native)
{
    const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
    return native ? classes.Native != nullptr : classes.General != nullptr;
}
