#include "graphics/GraphicsCornerPath.h"

#include "graphics/GraphicsPath.h"

void AddCornerRectangle(TKestGraphicsPath& path, const TRectF& rect, float rounding, TKestGraphicsCorners corners)
{
    const float l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom, k = rounding;
    const TPointF radius(k, k);
    auto corner = [&](TKestGraphicsCorner which, const TPointF& center, float startAngle, const TPointF& square) {
        if (corners.Contains(which))
            path.AddArc(center, radius, startAngle, 90);
        else if (path.Count() == 0)
            path.MoveTo(square);
        else
            path.LineTo(square);
    };
    corner(gcBottomLeft, {l + k, b - k}, -270, {l, b});
    corner(gcTopLeft, {l + k, t + k}, -180, {l, t});
    corner(gcTopRight, {r - k, t + k}, -90, {r, t});
    corner(gcBottomRight, {r - k, b - k}, 0, {r, b});
    path.ClosePath();
}
