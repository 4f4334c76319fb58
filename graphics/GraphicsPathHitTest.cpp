#include "graphics/GraphicsPathHitTest.h"

#include "graphics/GraphicsPathWalk.h"

#include <algorithm>
#include <cmath>

// The flattened polygon split at every move into figures, each with its
// box; repeats are looked for within a figure only.
struct THitTestBuilder : KestPathWalk::TPolygonSink {
    explicit THitTestBuilder(TKestGraphicsPathHitTest& target) : TPolygonSink{target.FVertices}, Target(target) {}

    void Move(const TPointF& p)
    {
        EndFigure();
        TPolygonSink::Move(p);
    }

    void EndFigure()
    {
        const auto& v = Polygon;
        const size_t end = v.size();
        if (end > DedupFrom) {
            TRectF bounds(v[DedupFrom].X, v[DedupFrom].Y, v[DedupFrom].X, v[DedupFrom].Y);
            for (size_t i = DedupFrom + 1; i < end; ++i) {
                bounds.Left = std::min(bounds.Left, v[i].X);
                bounds.Top = std::min(bounds.Top, v[i].Y);
                bounds.Right = std::max(bounds.Right, v[i].X);
                bounds.Bottom = std::max(bounds.Bottom, v[i].Y);
            }
            Target.FFigures.push_back({int(DedupFrom), int(end), bounds});
        }
        DedupFrom = end;
    }

    TKestGraphicsPathHitTest& Target;
};

TKestGraphicsPathHitTest::TKestGraphicsPathHitTest(const TKestGraphicsPathPoints& points, double step)
{
    THitTestBuilder builder(*this);
    KestPathWalk::Walk(points, step, builder);
    builder.EndFigure();
    if (!FFigures.empty()) {
        FBounds = FFigures.front().Bounds;
        for (const TFigure& f : FFigures) {
            FBounds.Left = std::min(FBounds.Left, f.Bounds.Left);
            FBounds.Top = std::min(FBounds.Top, f.Bounds.Top);
            FBounds.Right = std::max(FBounds.Right, f.Bounds.Right);
            FBounds.Bottom = std::max(FBounds.Bottom, f.Bounds.Bottom);
        }
    }
}

namespace {

bool OutsideBox(const TRectF& box, const TPointF& p)
{
    return p.X < box.Left || p.X > box.Right || p.Y < box.Top || p.Y > box.Bottom;
}

}

bool TKestGraphicsPathHitTest::Contains(const TPointF& point) const
{
    if (FFigures.empty() || OutsideBox(FBounds, point))
        return false;
    bool inside = false;
    for (const TFigure& figure : FFigures)
        // A figure whose box misses the point crosses its ray an even number
        // of times.
        if (!OutsideBox(figure.Bounds, point) && FigureCrossingsOdd(figure, point))
            inside = !inside;
    return inside;
}

bool TKestGraphicsPathHitTest::FigureCrossingsOdd(const TFigure& figure, const TPointF& point) const
{
    const double px = point.X, py = point.Y;
    bool odd = false;
    for (int i = figure.Begin, j = figure.End - 1; i < figure.End; j = i++) {
        const double xi = FVertices[i].X, yi = FVertices[i].Y;
        const double xj = FVertices[j].X, yj = FVertices[j].Y;
        if (yi == yj)
            continue;
        if ((py < yi) != (py < yj) && px < (xj - xi) * (py - yi) / (yj - yi) + xi)
            odd = !odd;
    }
    return odd;
}

bool TKestGraphicsPathHitTest::AnyVertexIn(const TRectF& rect) const
{
    return std::any_of(FVertices.begin(), FVertices.end(), [&rect](const TPointF& p) {
        return p.X >= rect.Left && p.X < rect.Right && p.Y >= rect.Top && p.Y < rect.Bottom;
    });
}
