#include "graphics/svg/KestGraphicsSVGReach_p.h"

#include "graphics/GraphicsPath.h"
#include "graphics/svg/KestGraphicsSVGDrawing.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

bool IsFinite(const QRectF& r)
{
    return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) && std::isfinite(r.height());
}

QRectF ToQRectF(const TRectF& r) { return QRectF(r.Left, r.Top, r.Width(), r.Height()); }

// The pixels a stroke of the element is drawn with, 0 when it has none.
float StrokePixels(const TKestGraphicsSVGElement& element, float widthScale)
{
    if (!TKestGraphicsSVGRenderState::HasStroke(element))
        return 0;
    const float pixels = TKestGraphicsSVGRenderState::StrokeWidth(element) * widthScale;
    // Thin strokes are drawn a pixel wide.
    return pixels > 0 ? std::max(1.0f, pixels) : 0;
}

// The device bounds of a user-space path drawn with a stroke so many pixels
// wide (0 for none).
QRectF Stroked(TKestGraphicsPath& path, const TKestGraphicsMatrix& toDevice, float pixels)
{
    path.ApplyMatrix(toDevice);
    // A stroke's joins reach at most five widths past the outline;
    // anti-aliasing (and a fill grown to whole pixels) two pixels.
    const qreal margin = 5 * qreal(pixels) + 2;
    return ToQRectF(path.GetBounds()).adjusted(-margin, -margin, margin, margin);
}

}

TKestGraphicsSVGReach::TKestGraphicsSVGReach(const TKestGraphicsMatrix& drawing, const TKestGraphicsMatrix& textMatrix,
                                             float scale)
    : FDrawing(drawing), FTextMatrix(textMatrix), FScale(scale)
{
}

float TKestGraphicsSVGReach::LengthScale(const TKestGraphicsMatrix& matrix)
{
    const float scale = std::sqrt(std::fabs(matrix.Determinant()));
    return std::isfinite(scale) ? scale : 0.0f;
}

QRectF TKestGraphicsSVGReach::Of(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors) const
{
    // Walked with a stack of its own: documents nest deeply.
    struct TItem {
        const TKestGraphicsSVGElement* Element;
        TKestGraphicsMatrix Ancestors;
    };
    std::vector<TItem> stack{{&element, ancestors}};
    QRectF reach;
    while (!stack.empty()) {
        const TItem item = stack.back();
        stack.pop_back();
        const TKestGraphicsSVGElement& current = *item.Element;
        if (TKestGraphicsSVGRenderState::StyleSource(current).DisplayValue() == QLatin1String("none"))
            continue;
        const QRectF own = Own(current, TKestGraphicsSVGDrawing::OwnMatrix(current) * item.Ancestors);
        if (!IsFinite(own))
            return own;
        reach |= own;
        if (!TKestGraphicsSVGDrawing::DrawsChildren(current))
            continue;
        const TKestGraphicsMatrix inner = current.Matrix() * item.Ancestors;
        for (const auto& child : current.Elements())
            stack.push_back({child.get(), inner});
    }
    return reach;
}

QRectF TKestGraphicsSVGReach::Own(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& user) const
{
    const float widthScale = FScale * LengthScale(user);
    TKestGraphicsPath path;
    if (TKestGraphicsSVGDrawing::IsShape(element.Type())) {
        if (!TKestGraphicsSVGDrawing::ShapePath(element, path))
            return QRectF();
        return Stroked(path, user * FDrawing, StrokePixels(element, widthScale));
    }
    if (element.Type() == etImage) {
        if (!element.HasBitmap() || !(element.Width() > 0 && element.Height() > 0))
            return QRectF();
        path.AddRectangle(
            TRectF(element.X(), element.Y(), element.X() + element.Width(), element.Y() + element.Height()));
        return Stroked(path, user * FDrawing, 0);
    }
    if (element.Type() == etText && TKestGraphicsSVGTextLayout::Outline(element, path))
        return Stroked(path, user * FDrawing * FTextMatrix, WidestStroke(element, widthScale));
    return QRectF();
}

float TKestGraphicsSVGReach::WidestStroke(const TKestGraphicsSVGElement& text, float widthScale) const
{
    float widest = 0;
    std::vector<const TKestGraphicsSVGElement*> stack{&text};
    while (!stack.empty()) {
        const TKestGraphicsSVGElement& current = *stack.back();
        stack.pop_back();
        widest = std::max(widest, StrokePixels(current, widthScale));
        for (const auto& child : current.Elements())
            stack.push_back(child.get());
    }
    return widest;
}
