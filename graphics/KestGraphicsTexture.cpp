// Texture fills: the picture placed over a shape's bounds in one of the
// texture modes. A tiled texture is drawn in blocks of many tiles at once,
// and only where the surface can show it, so a tiny texture over a huge
// rectangle costs a handful of draws, not one per tile.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Graphic.h"
#include "framework/Rounding.h"
#include "graphics/KestGraphicsContext.h"
#include "pictures/KestBitmap.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Tiles are put together into blocks of about this many pixels a side.
constexpr int TileBlockSide = 256;

// Draws the part of the graphic into the rectangle. Back-ends may draw
// whole graphics only, so a part of a raster picture is cut out first.
void DrawGraphicPart(TKestGraphicsContext& context, TGraphic& graphic, const QRect& part, const TRectF& target)
{
    if (part.isEmpty())
        return;
    if (part == QRect(0, 0, graphic.Width(), graphic.Height())) {
        context.DrawBitmap(&graphic, TRectF(0, 0, float(part.width()), float(part.height())), target, 1);
        return;
    }
    auto* raster = qobject_cast<TBitmap*>(&graphic);
    if (!raster)
        return;
    TBitmap cut;
    cut.SetImage(raster->Image().copy(part));
    context.DrawBitmap(&cut, TRectF(0, 0, float(part.width()), float(part.height())), target, 1);
}

// The surface's own extent in logical units, or none when a transform may
// bring other places into view.
bool VisibleArea(TKestGraphics& graphics, TRectF& area)
{
    TCanvas* canvas = graphics.Canvas();
    if (!canvas || !(graphics.GetMatrix() == TKestGraphicsMatrix::Identity()))
        return false;
    const TDeviceContext& dc = canvas->Handle();
    const double ratio = dc.DevicePixelRatio() > 0 ? dc.DevicePixelRatio() : 1.0;
    area = TRectF(0, 0, float(dc.Width() / ratio), float(dc.Height() / ratio));
    return true;
}

float RoundedOffset(float free) { return float(Kest::Round(std::clamp(double(free) / 2, -1e9, 1e9))); }

}

void TKestGraphics::DrawTexture(const TRectF& rect, TKestBitmap* texture, TKestGraphicsTextureMode mode)
{
    TGraphic* graphic = texture ? texture->Graphic() : nullptr;
    if (!graphic || graphic->Empty())
        return;
    const int w = graphic->Width(), h = graphic->Height();
    const float rw = rect.Width(), rh = rect.Height();
    if (w <= 0 || h <= 0 || !(rw > 0) || !(rh > 0))
        return;
    TKestGraphicsContext& context = *Context();
    const QRect whole(0, 0, w, h);

    switch (mode) {
    case gtmOriginal: {
        const int pw = int(std::min<float>(float(w), std::ceil(rw)));
        const int ph = int(std::min<float>(float(h), std::ceil(rh)));
        DrawGraphicPart(context, *graphic, QRect(0, 0, pw, ph),
                        TRectF(rect.Left, rect.Top, rect.Left + float(pw), rect.Top + float(ph)));
        break;
    }
    case gtmFit: {
        const float s = std::max(float(w) / rw, float(h) / rh);
        const float fw = float(w) / s, fh = float(h) / s;
        const float left = rect.Left + RoundedOffset(rw - fw), top = rect.Top + RoundedOffset(rh - fh);
        DrawGraphicPart(context, *graphic, whole, TRectF(left, top, left + fw, top + fh));
        break;
    }
    case gtmStretch:
        DrawGraphicPart(context, *graphic, whole, rect);
        break;
    case gtmCenter: {
        const float left = rect.Left + RoundedOffset(rw - float(w)), top = rect.Top + RoundedOffset(rh - float(h));
        DrawGraphicPart(context, *graphic, whole, TRectF(left, top, left + float(w), top + float(h)));
        break;
    }
    case gtmTile:
        DrawTiles(rect, *graphic);
        break;
    }
}

void TKestGraphics::DrawTiles(const TRectF& rect, TGraphic& graphic)
{
    const int w = graphic.Width(), h = graphic.Height();
    // Tiles start at the rectangle's top-left; every tile that overlaps it
    // is drawn whole. Columns and rows outside the surface are left out.
    const double columns = std::ceil(double(rect.Width()) / w), rows = std::ceil(double(rect.Height()) / h);
    double firstColumn = 0, lastColumn = columns, firstRow = 0, lastRow = rows;
    TRectF area;
    if (VisibleArea(*this, area)) {
        firstColumn = std::max(0.0, std::floor((double(area.Left) - rect.Left) / w));
        lastColumn = std::min(columns, std::ceil((double(area.Right) - rect.Left) / w));
        firstRow = std::max(0.0, std::floor((double(area.Top) - rect.Top) / h));
        lastRow = std::min(rows, std::ceil((double(area.Bottom) - rect.Top) / h));
    }
    if (!(firstColumn < lastColumn && firstRow < lastRow))
        return;

    // A raster texture is put together into a block of whole tiles once;
    // other graphics are drawn tile by tile.
    TBitmap block;
    int perColumn = 1, perRow = 1;
    TGraphic* unit = &graphic;
    if (auto* raster = qobject_cast<TBitmap*>(&graphic)) {
        perColumn = std::max(1, TileBlockSide / w);
        perRow = std::max(1, TileBlockSide / h);
        perColumn = int(std::min<double>(perColumn, lastColumn - firstColumn));
        perRow = int(std::min<double>(perRow, lastRow - firstRow));
        if (perColumn > 1 || perRow > 1) {
            QImage image(w * perColumn, h * perRow, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.fillRect(image.rect(), QBrush(raster->Image()));
            painter.end();
            block.SetImage(image);
            unit = &block;
        }
    }
    TKestGraphicsContext& context = *Context();
    for (double row = firstRow; row < lastRow; row += perRow) {
        const int rowCount = int(std::min<double>(perRow, lastRow - row));
        for (double column = firstColumn; column < lastColumn; column += perColumn) {
            const int columnCount = int(std::min<double>(perColumn, lastColumn - column));
            const float left = float(rect.Left + column * w), top = float(rect.Top + row * h);
            DrawGraphicPart(context, *unit, QRect(0, 0, columnCount * w, rowCount * h),
                            TRectF(left, top, left + float(columnCount * w), top + float(rowCount * h)));
        }
    }
}
