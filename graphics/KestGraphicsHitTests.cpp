// The canvas's class operations that test points against shapes.

#include "graphics/KestGraphics.h"

#include "graphics/GraphicsPath.h"
#include "pictures/RectFHelpers.h"

bool TKestGraphics::PointInRect(const TPointF& point, const TRectF& rect)
{
    return point.X >= rect.Left && point.X < rect.Right && point.Y >= rect.Top && point.Y < rect.Bottom;
}

bool TKestGraphics::PointInRect(const QPoint& point, const QRect& rect)
{
    return PointInRect(PointToPointF(point), RectToRectF(rect));
}

bool TKestGraphics::PointInCircle(const TPointF& point, const TPointF& center, float radius)
{
    if (!(radius > 0))
        return false;
    const double dx = (double(point.X) - center.X) / radius, dy = (double(point.Y) - center.Y) / radius;
    return dx * dx + dy * dy <= 1;
}

bool TKestGraphics::PointInPath(const TPointF& point, TKestGraphicsPath* path)
{
    return path && path->IsPointVisible(point);
}

bool TKestGraphics::PointInPath(const QPoint& point, TKestGraphicsPath* path)
{
    return PointInPath(PointToPointF(point), path);
}

// Even-odd rule, as the path's own test: the polygon is one closed figure.
bool TKestGraphics::PointInPolygon(const TPointF& point, const TKestGraphicsPathPolygon& polygon)
{
    if (polygon.size() < 3)
        return false;
    TKestGraphicsPath path;
    path.AddPolygon(polygon);
    return path.IsPointVisible(point);
}

bool TKestGraphics::PointInPolygon(const QPoint& point, const TKestGraphicsPathPolygon& polygon)
{
    return PointInPolygon(PointToPointF(point), polygon);
}
