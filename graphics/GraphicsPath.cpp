#include "graphics/GraphicsPath.h"

#include "framework/Exception.h"
#include "graphics/GraphicsPathHitTest.h"
#include "graphics/GraphicsPathWalk.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The control distance of a Bézier quarter circle, per unit radius.
constexpr double EllipseKappa = 0.5522847771644592;
// Hit tests flatten with this step.
constexpr double HitTestStep = 0.25;

}

TKestGraphicsPath::TKestGraphicsPath() = default;

TKestGraphicsPath::~TKestGraphicsPath() = default;

void TKestGraphicsPath::Assign(TPersistent* source)
{
    if (auto* path = dynamic_cast<TKestGraphicsPath*>(source)) {
        if (path != this) {
            FPoints = path->FPoints;
            Changed();
        }
        return;
    }
    TPersistent::Assign(source);
}

void TKestGraphicsPath::Changed() { FHitTestStale = true; }

void TKestGraphicsPath::Append(TKestGraphicsPathPointKind kind, const TPointF& point)
{
    FPoints.push_back({kind, false, point});
    Changed();
}

void TKestGraphicsPath::MoveTo(const TPointF& point)
{
    Append(gppMoveTo, point);
    FStartPoint = point;
}

void TKestGraphicsPath::LineTo(const TPointF& point)
{
    Append(gppLineTo, point);
    if (point.X == FStartPoint.X && point.Y == FStartPoint.Y)
        FClippable = true;
}

void TKestGraphicsPath::CurveTo(const TPointF& controlPoint1, const TPointF& controlPoint2, const TPointF& endPoint)
{
    Append(gppCurveTo, controlPoint1);
    Append(gppCurveTo, controlPoint2);
    Append(gppCurveTo, endPoint);
}

void TKestGraphicsPath::QuadCurveTo(const TPointF& controlPoint, const TPointF& endPoint)
{
    const TPointF l = LastPoint();
    const TPointF c1(l.X / 3 + 2 * controlPoint.X / 3, l.Y / 3 + 2 * controlPoint.Y / 3);
    const TPointF c2(2 * controlPoint.X / 3 + endPoint.X / 3, 2 * controlPoint.Y / 3 + endPoint.Y / 3);
    CurveTo(c1, c2, endPoint);
}

void TKestGraphicsPath::SmoothCurveTo(const TPointF& controlPoint2, const TPointF& endPoint)
{
    TPointF c1 = controlPoint2;
    if (Count() >= 3) {
        const TPointF last = FPoints[Count() - 1].Point;
        const TPointF secondLast = FPoints[Count() - 2].Point;
        c1 = TPointF(2 * last.X - secondLast.X, 2 * last.Y - secondLast.Y);
    }
    CurveTo(c1, controlPoint2, endPoint);
}

void TKestGraphicsPath::ClosePath()
{
    Append(gppClose, FStartPoint);
    FClippable = true;
}

void TKestGraphicsPath::AddLine(const TPointF& startPoint, const TPointF& endPoint)
{
    if (FPoints.empty())
        MoveTo(startPoint);
    else
        LineTo(startPoint);
    LineTo(endPoint);
}

void TKestGraphicsPath::AddPolygon(const TKestGraphicsPathPolygon& polygon)
{
    for (const TPointF& p : polygon)
        LineTo(p);
}

void TKestGraphicsPath::AddPath(const TKestGraphicsPath& path)
{
    // By index: the path may be this one.
    const size_t count = path.FPoints.size();
    FPoints.reserve(FPoints.size() + count);
    for (size_t i = 0; i < count; ++i)
        FPoints.push_back(path.FPoints[i]);
    Changed();
}

void TKestGraphicsPath::AddEllipse(const TRectF& rect)
{
    const float cx = (rect.Left + rect.Right) / 2, cy = (rect.Top + rect.Bottom) / 2;
    const float rx = (rect.Right - rect.Left) / 2, ry = (rect.Bottom - rect.Top) / 2;
    const float kx = float(rx * EllipseKappa), ky = float(ry * EllipseKappa);
    MoveTo({rect.Left, cy});
    CurveTo({rect.Left, cy - ky}, {cx - kx, rect.Top}, {cx, rect.Top});
    CurveTo({cx + kx, rect.Top}, {rect.Right, cy - ky}, {rect.Right, cy});
    CurveTo({rect.Right, cy + ky}, {cx + kx, rect.Bottom}, {cx, rect.Bottom});
    CurveTo({cx - kx, rect.Bottom}, {rect.Left, cy + ky}, {rect.Left, cy});
    FClippable = true;
}

void TKestGraphicsPath::AddRectangle(const TRectF& rect, float roundingX, float roundingY)
{
    const float l = rect.Left, t = rect.Top, r = rect.Right, b = rect.Bottom;
    if (roundingX == 0 && roundingY == 0) {
        MoveTo({l, t});
        LineTo({r, t});
        LineTo({r, b});
        LineTo({l, b});
    } else {
        const float rx = roundingX, ry = roundingY;
        const TPointF radius(rx, ry);
        MoveTo({l + rx, b});
        AddArc({l + rx, b - ry}, radius, -270, 90);
        LineTo({l, b - ry});
        LineTo({l, t + ry});
        AddArc({l + rx, t + ry}, radius, -180, 90);
        LineTo({l + rx, t});
        LineTo({r - rx, t});
        AddArc({r - rx, t + ry}, radius, -90, 90);
        LineTo({r, t + ry});
        LineTo({r, b - ry});
        AddArc({r - rx, b - ry}, radius, 0, 90);
        LineTo({r - rx, b});
        LineTo({l + rx, b});
    }
    ClosePath();
}

void TKestGraphicsPath::AddArc(const TPointF& center, const TPointF& radius, float startAngle, float sweepAngle)
{
    constexpr double pi = std::numbers::pi;
    double start = float(startAngle * (pi / 180));
    double sweep = float(sweepAngle * (pi / 180));
    // NaN would never reach the end of the sweep, and an infinite start has
    // no place on the circle.
    if (!std::isfinite(start) || !std::isfinite(sweep))
        return;
    start = float(start - 2 * std::trunc(start / (2 * pi)) * pi);
    const double twoPi = float(2 * pi);
    sweep = std::clamp(sweep, -twoPi, twoPi);
    if (std::fabs(sweep) < 1E-10)
        return;

    const double quarter = sweep > 0 ? pi / 2 : -pi / 2;
    double total = 0;
    bool first = true;
    for (bool last = false; !last;) {
        double segment = quarter;
        last = sweep > 0 ? total + quarter >= sweep - 0.01 : total + quarter <= sweep + 0.01;
        if (last)
            segment = sweep - total;
        total += segment;

        const double theta = segment / 2, phi = start + theta;
        const double cosT = std::cos(theta), sinT = std::sin(theta);
        const double lambda = 4 * (1 - cosT) / 3;
        const double h = sinT - lambda * cosT / sinT;
        const double cosP = std::cos(phi), sinP = std::sin(phi);
        auto map = [&](double u, double v) {
            return TPointF(float(center.X + radius.X * (u * cosP - v * sinP)),
                           float(center.Y + radius.Y * (u * sinP + v * cosP)));
        };
        if (first) {
            const TPointF q0 = map(cosT, -sinT);
            if (FPoints.empty())
                MoveTo(q0);
            else
                LineTo(q0);
            first = false;
        }
        CurveTo(map(cosT + lambda, -h), map(cosT + lambda, h), map(cosT, sinT));
        start += segment;
    }
}

void TKestGraphicsPath::Clear()
{
    FPoints.clear();
    FHitTest.reset(); // a cleared path keeps no flattened copy
    Changed();
}

TKestGraphicsPathPoint TKestGraphicsPath::GetPoint(int index) const
{
    if (index < 0 || index >= Count())
        throw EArgumentOutOfRangeException(QString::fromLatin1(Messages::ArgumentOutOfRange));
    return FPoints[size_t(index)];
}

TPointF TKestGraphicsPath::LastPoint() const { return FPoints.empty() ? TPointF() : FPoints.back().Point; }

TRectF TKestGraphicsPath::GetBounds() const
{
    // From the first counted point, so that no fixed start value clips the
    // box of a path far from the origin.
    bool any = false;
    TRectF r;
    for (const TKestGraphicsPathPoint& p : FPoints) {
        if (p.Kind == gppClose || std::isnan(p.Point.X) || std::isnan(p.Point.Y))
            continue;
        if (!any) {
            r = TRectF(p.Point.X, p.Point.Y, p.Point.X, p.Point.Y);
            any = true;
            continue;
        }
        r.Left = std::min(r.Left, p.Point.X);
        r.Top = std::min(r.Top, p.Point.Y);
        r.Right = std::max(r.Right, p.Point.X);
        r.Bottom = std::max(r.Bottom, p.Point.Y);
    }
    if (!any)
        return TRectF();
    if (std::fabs(r.Right - r.Left) <= 0.001f)
        r.Right = r.Left + 0.001f;
    if (std::fabs(r.Bottom - r.Top) <= 0.001f)
        r.Bottom = r.Top + 0.001f;
    return r;
}

const TKestGraphicsPathHitTest& TKestGraphicsPath::HitTest() const
{
    if (!FHitTest)
        FHitTest = std::make_unique<TKestGraphicsPathHitTest>(FPoints, HitTestStep);
    else if (FHitTestStale)
        FHitTest->Build(FPoints, HitTestStep);
    FHitTestStale = false;
    return *FHitTest;
}

bool TKestGraphicsPath::IsPointVisible(const TPointF& point) const { return HitTest().Contains(point); }

bool TKestGraphicsPath::IsRectVisible(const TRectF& rect) const { return HitTest().AnyVertexIn(rect); }

TPointF TKestGraphicsPath::PointOnBezier(const TPointF& startPoint, float ax, float bx, float cx, float ay, float by,
                                         float cy, float t)
{
    const float t2 = t * t;
    const float t3 = t2 * t;
    return TPointF(ax * t3 + bx * t2 + cx * t + startPoint.X, ay * t3 + by * t2 + cy * t + startPoint.Y);
}

TKestGraphicsPathPolygon TKestGraphicsPath::CreateBezier(const TKestGraphicsPathCubicBezier& bezier, int pointCount)
{
    TKestGraphicsPathPolygon polygon;
    if (pointCount <= 0)
        return polygon;
    polygon.reserve(size_t(pointCount));
    KestPathWalk::ForEachBezierPoint(bezier, pointCount, [&polygon](const TPointF& p) { polygon.push_back(p); });
    return polygon;
}

void TKestGraphicsPath::ApplyMatrix(const TKestGraphicsMatrix& matrix)
{
    for (TKestGraphicsPathPoint& p : FPoints)
        if (p.Kind != gppClose)
            p.Point = p.Point * matrix;
    Changed();
}

namespace {

// Rebuilds a path from straight segments, keeping every point.
struct TFlattenSink {
    TKestGraphicsPath& Path;
    void Move(const TPointF& p) { Path.MoveTo(p); }
    void Line(const TPointF& p) { Path.LineTo(p); }
    void Close(const TPointF&) { Path.ClosePath(); }
    void Curve(const TKestGraphicsPathCubicBezier& b, int pointCount)
    {
        if (pointCount > 1)
            KestPathWalk::ForEachBezierPoint(b, pointCount, [this](const TPointF& p) { Path.LineTo(p); });
        else
            Path.LineTo(b[3]);
    }
};

}

void TKestGraphicsPath::Flatten(float flatness)
{
    const double step = KestPathWalk::Step(flatness);
    const TKestGraphicsPathPoints original = std::move(FPoints);
    FPoints.clear();
    Changed();
    TFlattenSink sink{*this};
    KestPathWalk::Walk(original, step, sink);
}

void TKestGraphicsPath::FlattenToPolygon(TKestGraphicsPathPolygon& polygon, float flatness) const
{
    polygon.clear();
    KestPathWalk::TPolygonSink sink{polygon};
    KestPathWalk::Walk(FPoints, KestPathWalk::Step(flatness), sink);
}
