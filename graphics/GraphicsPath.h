#pragma once
// The device-independent vector path: points tagged move, line, cubic curve
// (three entries: two control points and the end) or close, with building
// operations, bounds, hit tests, transformation and flattening.

#include "framework/FloatGeometry.h"
#include "framework/Persistent.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsMatrix.h"

#include <memory>
#include <vector>

#pragma GCC visibility push(default)

struct TKestGraphicsPathPoint {
    TKestGraphicsPathPointKind Kind = gppMoveTo;
    bool Dummy = false; // read and set by nothing
    TPointF Point;
};

using TKestGraphicsPathPoints = std::vector<TKestGraphicsPathPoint>;

class TKestGraphicsPathHitTest;

class TKestGraphicsPath : public TPersistent {
public:
    TKestGraphicsPath();
    ~TKestGraphicsPath() override;
    TKestGraphicsPath(const TKestGraphicsPath&) = delete;
    TKestGraphicsPath& operator=(const TKestGraphicsPath&) = delete;

    // Copies the point list of another path (start point and clippable flag
    // stay); other sources raise the assignment error.
    void Assign(TPersistent* source) override;

    int Count() const { return int(FPoints.size()); }
    const TKestGraphicsPathPoints& PathData() const { return FPoints; }
    bool Clippable() const { return FClippable; }
    void SetClippable(bool value) { FClippable = value; }
    bool IsClippable() const { return FClippable; }

    // Building.
    void MoveTo(const TPointF& point);
    // A line back to the figure's start marks the path clippable.
    void LineTo(const TPointF& point);
    void CurveTo(const TPointF& controlPoint1, const TPointF& controlPoint2, const TPointF& endPoint);
    void QuadCurveTo(const TPointF& controlPoint, const TPointF& endPoint);
    // The first control point mirrors the previous curve's second one.
    void SmoothCurveTo(const TPointF& controlPoint2, const TPointF& endPoint);
    void ClosePath();
    void AddLine(const TPointF& startPoint, const TPointF& endPoint);
    void AddPolygon(const TKestGraphicsPathPolygon& polygon);
    void AddPath(const TKestGraphicsPath& path);
    void AddEllipse(const TRectF& rect);
    void AddRectangle(const TRectF& rect, float roundingX = 0, float roundingY = 0);
    // Angles in degrees; 0 is the rightmost point and positive angles turn
    // clockwise on screen. Non-finite angles add nothing.
    void AddArc(const TPointF& center, const TPointF& radius, float startAngle, float sweepAngle);
    void Clear();

    // Queries. GetPoint raises EArgumentOutOfRangeException outside 0..Count-1.
    TKestGraphicsPathPoint GetPoint(int index) const;
    TPointF LastPoint() const;
    // Control points count; close entries and points with a NaN coordinate
    // do not. An empty path gives (0, 0, 0, 0).
    TRectF GetBounds() const;
    // Even-odd inside test on the path flattened with step 0.25, every
    // figure closed on itself.
    bool IsPointVisible(const TPointF& point) const;
    // Some vertex of the flattened path lies in rect (left and top edges in).
    bool IsRectVisible(const TRectF& rect) const;

    static TPointF PointOnBezier(const TPointF& startPoint, float ax, float bx, float cx, float ay, float by, float cy,
                                 float t);
    static TKestGraphicsPathPolygon CreateBezier(const TKestGraphicsPathCubicBezier& bezier, int pointCount);

    // Maps move, line and curve points; close entries keep their coordinates.
    void ApplyMatrix(const TKestGraphicsMatrix& matrix);
    // Replaces the curves by straight segments.
    void Flatten(float flatness);
    // The whole path as one polygon: figures joined end to start, repeated
    // points (within 0.001) and points with non-finite coordinates left out.
    void FlattenToPolygon(TKestGraphicsPathPolygon& polygon, float flatness) const;

    // Most points one curve flattens to, whatever its length.
    static constexpr int MaxCurvePoints = 4096;

private:
    void Append(TKestGraphicsPathPointKind kind, const TPointF& point);
    void Changed();
    const TKestGraphicsPathHitTest& HitTest() const;

    TPointF FStartPoint;
    bool FClippable = false;
    TKestGraphicsPathPoints FPoints;
    // The flattened figures of the hit tests, built on first use after a change.
    mutable std::unique_ptr<TKestGraphicsPathHitTest> FHitTest;
    mutable bool FHitTestStale = false;
};

#pragma GCC visibility pop
