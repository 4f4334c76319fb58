#pragma once
// Walking a path's point list as straight pieces, the one walk behind the
// flattening operations and the hit tests.

#include "framework/Rounding.h"
#include "graphics/GraphicsPath.h"

#include <algorithm>
#include <cmath>

#pragma GCC visibility push(default)

namespace KestPathWalk {

// The step length of a flatness: at least 0.05 (NaN counts as too small).
inline double Step(float flatness) { return flatness > 0.05f ? double(flatness) : 0.05; }

struct TCubicCoefficients {
    float AX, BX, CX, AY, BY, CY;
};

inline TCubicCoefficients Coefficients(const TKestGraphicsPathCubicBezier& b)
{
    TCubicCoefficients k;
    k.CX = 3 * (b[1].X - b[0].X);
    k.BX = 3 * (b[2].X - b[1].X) - k.CX;
    k.AX = b[3].X - b[0].X - k.CX - k.BX;
    k.CY = 3 * (b[1].Y - b[0].Y);
    k.BY = 3 * (b[2].Y - b[1].Y) - k.CY;
    k.AY = b[3].Y - b[0].Y - k.CY - k.BY;
    return k;
}

// Calls visit with each of pointCount points spread evenly in t over the
// curve, the first at its start and the last at its end.
template <typename Visit>
void ForEachBezierPoint(const TKestGraphicsPathCubicBezier& b, int pointCount, Visit&& visit)
{
    if (pointCount <= 0)
        return;
    const TCubicCoefficients k = Coefficients(b);
    const double dt = pointCount > 1 ? 1.0 / (pointCount - 1) : 0.0;
    double t = 0;
    for (int i = 0; i < pointCount; ++i) {
        visit(TKestGraphicsPath::PointOnBezier(b[0], k.AX, k.BX, k.CX, k.AY, k.BY, k.CY, float(t)));
        t += dt;
    }
}

// How many points a curve flattens to at the given step: its length (the
// chords through 6 points) over the step, at most MaxCurvePoints; 0 for a
// curve whose length is not a finite number.
inline int CurvePointCount(const TKestGraphicsPathCubicBezier& b, double step)
{
    double length = 0;
    TPointF previous;
    bool first = true;
    ForEachBezierPoint(b, 6, [&](const TPointF& p) {
        if (!first)
            length += std::hypot(double(p.X) - previous.X, double(p.Y) - previous.Y);
        previous = p;
        first = false;
    });
    if (!std::isfinite(length))
        return 0;
    const double n = std::min(length / step, double(TKestGraphicsPath::MaxCurvePoints));
    return Kest::Round(n);
}

// Fewer points for the curve where fewer keep every straight piece within
// tolerance of the true curve (the bound of the curve's second
// differences); pointCount itself where it is already fewer.
inline int CurvePointCountWithin(const TKestGraphicsPathCubicBezier& b, double tolerance, int pointCount)
{
    auto bend = [&](int i) {
        return std::hypot(double(b[i].X) - 2 * b[i + 1].X + b[i + 2].X, double(b[i].Y) - 2 * b[i + 1].Y + b[i + 2].Y);
    };
    const double pieces = std::ceil(std::sqrt(0.75 * std::max(bend(0), bend(1)) / tolerance));
    if (std::isfinite(pieces) && pieces + 1 < pointCount)
        return std::max(int(pieces) + 1, 2);
    return pointCount;
}

// Walks the points; sink gets Move(p), Line(p), Curve(bezier, pointCount)
// with the count from CurvePointCount, and Close(figureStart).
template <typename Sink>
void Walk(const TKestGraphicsPathPoints& points, double step, Sink& sink)
{
    TPointF current, figureStart;
    const size_t count = points.size();
    for (size_t i = 0; i < count; ++i) {
        const TKestGraphicsPathPoint& p = points[i];
        switch (p.Kind) {
        case gppMoveTo:
            sink.Move(p.Point);
            current = figureStart = p.Point;
            break;
        case gppCurveTo:
            if (i + 2 < count) {
                const TKestGraphicsPathCubicBezier b{current, p.Point, points[i + 1].Point, points[i + 2].Point};
                sink.Curve(b, CurvePointCount(b, step));
                current = b[3];
                i += 2;
                break;
            }
            [[fallthrough]]; // a truncated curve counts as a line
        case gppLineTo:
            sink.Line(p.Point);
            current = p.Point;
            break;
        case gppClose:
            sink.Close(figureStart);
            break;
        }
    }
}

// Collects the walk as one polygon, leaving out points that cannot be drawn
// and points repeating the previous one within 0.001 (from DedupFrom on).
struct TPolygonSink {
    TKestGraphicsPathPolygon& Polygon;
    size_t DedupFrom = 0;

    void Add(const TPointF& p)
    {
        if (!std::isfinite(p.X) || !std::isfinite(p.Y))
            return;
        if (Polygon.size() > DedupFrom && std::fabs(Polygon.back().X - p.X) <= 0.001f &&
            std::fabs(Polygon.back().Y - p.Y) <= 0.001f)
            return;
        Polygon.push_back(p);
    }
    void Move(const TPointF& p) { Add(p); }
    void Line(const TPointF& p) { Add(p); }
    void Close(const TPointF& figureStart) { Add(figureStart); }
    void Curve(const TKestGraphicsPathCubicBezier& b, int pointCount)
    {
        if (pointCount > 1) {
            ForEachBezierPoint(b, pointCount, [this](const TPointF& p) { Add(p); });
        } else {
            Add(b[0]);
            Add(b[3]);
        }
    }
};

}

#pragma GCC visibility pop
