#include "graphics/GraphicsRoundRectPath.h"

#include "graphics/GraphicsPath.h"

#include <cmath>
#include <numbers>

void AddRoundRectanglePath(TKestGraphicsPath& path, const TRectF& rect, float rounding,
                           TKestGraphicsCorners corners)
{
    const float l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    struct TPlace {
        TKestGraphicsCorner Corner;
        float StartAngle;
        TPointF Point;  // the square corner
        TPointF Center; // the arc's centre
    };
    const TPlace places[] = {
        {gcBottomLeft, -270, {l, b}, {l + rounding, b - rounding}},
        {gcTopLeft, -180, {l, t}, {l + rounding, t + rounding}},
        {gcTopRight, -90, {r, t}, {r - rounding, t + rounding}},
        {gcBottomRight, 0, {r, b}, {r - rounding, b - rounding}},
    };
    bool first = true;
    for (const TPlace& place : places) {
        TPointF start = place.Point;
        const bool rounded = corners.Contains(place.Corner);
        if (rounded) {
            const double angle = place.StartAngle * std::numbers::pi / 180;
            start = {float(place.Center.X + rounding * std::cos(angle)),
                     float(place.Center.Y + rounding * std::sin(angle))};
        }
        // A new figure starts here, whatever the path held before.
        if (first)
            path.MoveTo(start);
        else
            path.LineTo(start);
        if (rounded)
            path.AddArc(place.Center, {rounding, rounding}, place.StartAngle, 90);
        first = false;
    }
    path.ClosePath();
}
