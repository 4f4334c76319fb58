#include "pictures/RectFHelpers.h"

#include "framework/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

bool SameValue(float a, float b)
{
    const float epsilon = std::max(std::min(std::fabs(a), std::fabs(b)) * 1E-4f, 1E-4f);
    return std::fabs(a - b) <= epsilon;
}

}

bool RectFIntersects(const TRectF& a, const TRectF& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TRectF RectFOffset(const TRectF& r, float dx, float dy)
{
    return TRectF(r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy);
}

TRectF RectFInflate(const TRectF& r, float dx, float dy)
{
    return TRectF(r.Left - dx, r.Top - dy, r.Right + dx, r.Bottom + dy);
}

bool RectFContainsPoint(const TRectF& r, const TPointF& p)
{
    return r.Left <= p.X && p.X < r.Right && r.Top <= p.Y && p.Y < r.Bottom;
}

float RectFWidth(const TRectF& r) { return r.Right - r.Left; }

float RectFHeight(const TRectF& r) { return r.Bottom - r.Top; }

TRectF RectFCenterAt(const TRectF& r, const TRectF& bounds)
{
    const float width = RectFWidth(r);
    const float height = RectFHeight(r);
    TRectF result(0, 0, width, height);
    result = RectFOffset(result, float(Kest::Round((RectFWidth(bounds) - width) / 2.0)),
                         float(Kest::Round((RectFHeight(bounds) - height) / 2.0)));
    return RectFOffset(result, bounds.Left, bounds.Top);
}

TRectF RectFSnapToPixels(const TRectF& r, float scale, bool halfPixel)
{
    const double s = scale <= 0 ? 1.0 : scale;
    TRectF result;
    result.Left = float(Kest::Trunc(r.Left * s) / s);
    result.Top = float(Kest::Trunc(r.Top * s) / s);
    result.Right = float(result.Left + Kest::Round((r.Right - r.Left) * s) / s);
    result.Bottom = float(result.Top + Kest::Round((r.Bottom - r.Top) * s) / s);
    if (halfPixel) {
        const float half = float(1.0 / (2.0 * s));
        result = RectFOffset(result, half, half);
    }
    return result;
}

TRectF RectFFitInto(const TRectF& r, const TRectF& bounds, float& ratio)
{
    ratio = 1;
    if (!(RectFWidth(bounds) > 0 && RectFHeight(bounds) > 0))
        return r;
    const float fit = std::max(RectFWidth(r) / RectFWidth(bounds), RectFHeight(r) / RectFHeight(bounds));
    // An empty rectangle has no proportions to keep: 0 / 0 would follow.
    if (!(fit > 0) || !std::isfinite(fit))
        return r;
    ratio = fit;
    return RectFCenterAt(TRectF(0, 0, RectFWidth(r) / ratio, RectFHeight(r) / ratio), bounds);
}

TRectF RectFFitInto(const TRectF& r, const TRectF& bounds)
{
    float ratio;
    return RectFFitInto(r, bounds, ratio);
}

bool RectFIntersection(TRectF& result, const TRectF& a, const TRectF& b)
{
    result = TRectF(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
                    std::min(a.Bottom, b.Bottom));
    if (RectFIsEmpty(result)) {
        result = TRectF();
        return false;
    }
    return true;
}

bool RectFIsEmpty(const TRectF& r)
{
    return r.Left > r.Right || SameValue(r.Right, r.Left) || r.Top > r.Bottom || SameValue(r.Bottom, r.Top);
}

float PointFLength(const TPointF& p) { return std::sqrt(p.X * p.X + p.Y * p.Y); }

QRect RectFToRect(const TRectF& r)
{
    return QRect(QPoint(Kest::Round(r.Left), Kest::Round(r.Top)),
                 QPoint(Kest::Round(r.Right) - 1, Kest::Round(r.Bottom) - 1));
}

QPoint PointFToPoint(const TPointF& p) { return QPoint(Kest::Round(p.X), Kest::Round(p.Y)); }

TRectF RectToRectF(const QRect& r)
{
    return TRectF(float(r.left()), float(r.top()), float(r.left() + r.width()), float(r.top() + r.height()));
}

TPointF PointToPointF(const QPoint& p) { return TPointF(float(p.x()), float(p.y())); }
