// The vector path: what each building operation stores, bounds, hit tests,
// transformation and flattening.

#include "graphics/GraphicsPath.h"

#include "framework/Exception.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {

using TBuild = std::function<void(TKestGraphicsPath&)>;
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

int CountKind(const TKestGraphicsPath& path, TKestGraphicsPathPointKind kind)
{
    int n = 0;
    for (const auto& p : path.PathData())
        n += p.Kind == kind;
    return n;
}

struct TPointCountCase {
    const char* Name;
    TBuild Build;
    int Points;
    int Curves; // curve segments (three entries each)
};

TEST(GraphicsPathBuilding, StoresThePointsOfEachShape)
{
    const TPointCountCase cases[] = {
        {"plain rectangle", [](auto& p) { p.AddRectangle({0, 0, 10, 20}); }, 5, 0},
        // move, per corner an arc (its start line and one curve) and the lines
        // between, the closing line and the close entry.
        {"rounded rectangle", [](auto& p) { p.AddRectangle({0, 0, 100, 50}, 10, 5); }, 1 + 4 * 4 + 4 * 2 + 1, 4},
        {"ellipse", [](auto& p) { p.AddEllipse({0, 0, 10, 20}); }, 13, 4},
        {"full circle arc", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, 360); }, 13, 4},
        {"arc of 90.5 degrees", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, 90.5f); }, 4, 1},
        {"arc of 91 degrees", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, 91); }, 7, 2},
        {"arc of -180 degrees", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 30, -180); }, 7, 2},
        {"sweep beyond a turn", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, 1000); }, 13, 4},
        {"empty sweep", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, 0); }, 0, 0},
        {"NaN sweep", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 0, NaN); }, 0, 0},
        {"infinite start", [](auto& p) { p.AddArc({0, 0}, {5, 5}, -Inf, 90); }, 0, 0},
        {"huge start", [](auto& p) { p.AddArc({0, 0}, {5, 5}, 1e30f, 90); }, 4, 1},
        {"arc after a point", [](auto& p) { p.MoveTo({9, 9}); p.AddArc({0, 0}, {5, 5}, 0, 45); }, 5, 1},
        {"line on an empty path", [](auto& p) { p.AddLine({0, 0}, {1, 1}); }, 2, 0},
        {"polygon", [](auto& p) { p.AddPolygon({{0, 0}, {1, 0}, {1, 1}}); }, 3, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TKestGraphicsPath path;
        c.Build(path);
        EXPECT_EQ(path.Count(), c.Points);
        EXPECT_EQ(CountKind(path, gppCurveTo), 3 * c.Curves);
    }
}

TEST(GraphicsPathBuilding, FirstPointsOfTheShapes)
{
    TKestGraphicsPath rounded;
    rounded.AddRectangle({0, 0, 100, 50}, 10, 5);
    // The move and the first arc's start coincide.
    EXPECT_EQ(rounded.GetPoint(0).Kind, gppMoveTo);
    EXPECT_EQ(rounded.GetPoint(1).Kind, gppLineTo);
    EXPECT_NEAR(rounded.GetPoint(1).Point.X, rounded.GetPoint(0).Point.X, 1e-4);
    EXPECT_NEAR(rounded.GetPoint(1).Point.Y, rounded.GetPoint(0).Point.Y, 1e-4);

    TKestGraphicsPath a, b;
    a.AddArc({10, 10}, {5, 8}, 450, 30);
    b.AddArc({10, 10}, {5, 8}, 90, 30);
    EXPECT_NEAR(a.GetPoint(0).Point.X, b.GetPoint(0).Point.X, 1e-4);
    EXPECT_NEAR(a.GetPoint(0).Point.Y, 18, 1e-4); // 90 degrees: straight down
    EXPECT_NEAR(a.LastPoint().X, b.LastPoint().X, 1e-4);

    // Positive sweeps turn clockwise on screen: from the right to the bottom.
    TKestGraphicsPath quarter;
    quarter.AddArc({0, 0}, {10, 10}, 0, 90);
    EXPECT_NEAR(quarter.GetPoint(0).Point.X, 10, 1e-4);
    EXPECT_NEAR(quarter.LastPoint().X, 0, 1e-4);
    EXPECT_NEAR(quarter.LastPoint().Y, 10, 1e-4);
}

TEST(GraphicsPathBuilding, QuadraticAndSmoothCurvesDeriveTheirControlPoints)
{
    TKestGraphicsPath path;
    path.MoveTo({0, 0});
    path.QuadCurveTo({3, 6}, {6, 0});
    EXPECT_NEAR(path.GetPoint(1).Point.X, 2, 1e-6);
    EXPECT_NEAR(path.GetPoint(1).Point.Y, 4, 1e-6);
    EXPECT_NEAR(path.GetPoint(2).Point.X, 4, 1e-6);
    EXPECT_NEAR(path.GetPoint(2).Point.Y, 4, 1e-6);

    path.SmoothCurveTo({10, 5}, {12, 0});
    // The mirror of (4, 4) through (6, 0).
    EXPECT_EQ(path.GetPoint(4).Point, TPointF(8, -4));

    TKestGraphicsPath shortPath;
    shortPath.MoveTo({1, 1});
    shortPath.SmoothCurveTo({5, 5}, {9, 1});
    EXPECT_EQ(shortPath.GetPoint(1).Point, TPointF(5, 5));
}

TEST(GraphicsPathBuilding, ClippableFollowsClosingAndSurvivesClear)
{
    TKestGraphicsPath path;
    path.MoveTo({1, 1});
    path.LineTo({5, 1});
    EXPECT_FALSE(path.IsClippable());
    path.LineTo({1, 1});
    EXPECT_TRUE(path.IsClippable());
    EXPECT_EQ(CountKind(path, gppClose), 0);
    path.Clear();
    EXPECT_EQ(path.Count(), 0);
    EXPECT_TRUE(path.Clippable());
}

TEST(GraphicsPathBuilding, GetPointOutsideTheListRaises)
{
    TKestGraphicsPath path;
    path.MoveTo({1, 2});
    EXPECT_EQ(path.GetPoint(0).Point, TPointF(1, 2));
    for (int index : {-1, 1, 1000}) {
        try {
            path.GetPoint(index);
            ADD_FAILURE() << index;
        } catch (const EArgumentOutOfRangeException& e) {
            EXPECT_EQ(e.Message(), "Argument out of range");
        }
    }
}

TEST(GraphicsPathBuilding, AssignAndAddPathCopyThePoints)
{
    TKestGraphicsPath source;
    source.AddRectangle({0, 0, 4, 4});
    TKestGraphicsPath path;
    path.MoveTo({7, 7});
    path.Assign(&source);
    EXPECT_EQ(path.PathData().size(), source.PathData().size());
    EXPECT_FALSE(path.IsClippable()); // the flag is not copied

    path.AddPath(path); // itself: doubled
    EXPECT_EQ(path.Count(), 10);
    EXPECT_EQ(path.GetPoint(5).Point, TPointF(0, 0));

    path.Assign(&path);
    EXPECT_EQ(path.Count(), 10);

    struct TOther : TPersistent {};
    TOther other;
    EXPECT_THROW(path.Assign(&other), EConvertError);
}

struct TBoundsCase {
    const char* Name;
    TBuild Build;
    TRectF Expected;
};

TEST(GraphicsPathBounds, CoverEveryPointButCloseEntries)
{
    const TBoundsCase cases[] = {
        {"empty", [](auto&) {}, {0, 0, 0, 0}},
        {"close entry only", [](auto& p) { p.ClosePath(); }, {0, 0, 0, 0}},
        {"one point", [](auto& p) { p.MoveTo({5, 5}); }, {5, 5, 5.001f, 5.001f}},
        {"rectangle", [](auto& p) { p.AddRectangle({1, 2, 30, 40}); }, {1, 2, 30, 40}},
        {"far from the origin", [](auto& p) { p.AddRectangle({70000, 80000, 90000, 100000}); },
         {70000, 80000, 90000, 100000}},
        {"far to the negative side", [](auto& p) { p.AddLine({-100000, -90000}, {-70000, -80000}); },
         {-100000, -90000, -70000, -80000}},
        {"control points count", [](auto& p) { p.MoveTo({0, 0}); p.CurveTo({0, -10}, {10, 20}, {10, 0}); },
         {0, -10, 10, 20}},
        {"NaN point left out", [](auto& p) { p.MoveTo({1, 1}); p.LineTo({NaN, 50}); p.LineTo({3, 4}); },
         {1, 1, 3, 4}},
        {"moved close entries left out",
         [](auto& p) {
             p.AddRectangle({0, 0, 10, 10});
             p.ApplyMatrix(TKestGraphicsMatrix::CreateTranslation(100, 100));
         },
         {100, 100, 110, 110}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TKestGraphicsPath path;
        c.Build(path);
        EXPECT_EQ(path.GetBounds(), c.Expected);
    }
}

TEST(GraphicsPathTransform, ApplyMatrixMapsAllButCloseEntries)
{
    TKestGraphicsPath path;
    path.AddRectangle({0, 0, 10, 10});
    path.ApplyMatrix(TKestGraphicsMatrix::CreateScaling(2, 3) * TKestGraphicsMatrix::CreateTranslation(1, 1));
    EXPECT_EQ(path.GetPoint(2).Point, TPointF(21, 31));
    EXPECT_EQ(path.GetPoint(4).Kind, gppClose);
    EXPECT_EQ(path.GetPoint(4).Point, TPointF(0, 0));
}

struct THitCase {
    TPointF Point;
    bool Inside;
};

void ExpectHits(const TKestGraphicsPath& path, std::initializer_list<THitCase> cases)
{
    for (const auto& c : cases)
        EXPECT_EQ(path.IsPointVisible(c.Point), c.Inside) << "(" << c.Point.X << ", " << c.Point.Y << ")";
}

TEST(GraphicsPathHitTest, RectangleEdgesAndCentre)
{
    TKestGraphicsPath path;
    path.AddRectangle({0, 0, 10, 10});
    ExpectHits(path, {{{5, 5}, true}, {{10, 5}, false}, {{0, 5}, true}, {{5, 10}, false}, {{-1, 5}, false},
                      {{5, -0.5f}, false}, {{9.99f, 9.99f}, true}, {{NaN, 5}, false}, {{5, NaN}, false},
                      {{Inf, 5}, false}});
}

TEST(GraphicsPathHitTest, SeparateOpenFiguresMakeNoRegionBetweenThem)
{
    // Two open squares: joined end to start they would enclose a sliver
    // between (0, 10) and (20, 20) that belongs to neither.
    TKestGraphicsPath path;
    for (float o : {0.0f, 20.0f}) {
        path.MoveTo({o, o});
        path.LineTo({o + 10, o});
        path.LineTo({o + 10, o + 10});
        path.LineTo({o, o + 10});
    }
    ExpectHits(path, {{{5, 5}, true}, {{25, 25}, true}, {{9, 14}, false}, {{15, 15}, false}});
}

TEST(GraphicsPathHitTest, EvenOddLeavesHolesOut)
{
    TKestGraphicsPath path;
    path.AddRectangle({0, 0, 30, 30});
    path.AddRectangle({10, 10, 20, 20});
    path.AddEllipse({12, 12, 18, 18}); // an island in the hole
    ExpectHits(path, {{{5, 5}, true}, {{11, 11}, false}, {{15, 15}, true}, {{25, 15}, true}});
}

TEST(GraphicsPathHitTest, CurvesAndLaterChangesAreSeen)
{
    TKestGraphicsPath path;
    path.AddEllipse({0, 0, 100, 50});
    ExpectHits(path, {{{50, 25}, true}, {{2, 2}, false}, {{99, 25}, true}, {{50, 49}, true}});
    // The flattened path is kept for the next test; a change must show.
    path.AddRectangle({200, 0, 210, 10});
    ExpectHits(path, {{{205, 5}, true}});
    path.ApplyMatrix(TKestGraphicsMatrix::CreateTranslation(1000, 0));
    ExpectHits(path, {{{50, 25}, false}, {{1050, 25}, true}});
    path.Clear();
    ExpectHits(path, {{{1050, 25}, false}});
}

// The even-odd test read straight off the flattened polygon of a path with
// one figure, every edge visited.
bool ReferenceInside(const TKestGraphicsPathPolygon& polygon, const TPointF& p)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const double xi = polygon[i].X, yi = polygon[i].Y, xj = polygon[j].X, yj = polygon[j].Y;
        if (yi != yj && (p.Y < yi) != (p.Y < yj) && p.X < (xj - xi) * (p.Y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

TEST(GraphicsPathHitTest, LongWavyFiguresAgreeWithEveryEdgeRead)
{
    // A wide and a tall wave of 400 curves each: the kept index must answer
    // as reading every edge would, inside, outside and near the curves.
    for (bool tall : {false, true}) {
        SCOPED_TRACE(tall ? "tall" : "wide");
        auto at = [tall](float along, float across) { return tall ? TPointF(across, along) : TPointF(along, across); };
        TKestGraphicsPath path;
        path.MoveTo(at(0, 0));
        for (int i = 0; i < 400; ++i) {
            const float x = i * 10.0f, swing = (i % 2 ? 12.0f : -12.0f) * (1 + i % 3);
            path.CurveTo(at(x + 3, swing), at(x + 7, -swing), at(x + 10, 0));
        }
        path.LineTo(at(4000, 60));
        path.LineTo(at(0, 60));
        path.ClosePath();
        TKestGraphicsPathPolygon polygon;
        path.FlattenToPolygon(polygon, 0.25f);
        unsigned seed = 12345;
        auto next = [&seed](float range) {
            seed = seed * 1103515245u + 12345u;
            return float((seed >> 8) % 100000) / 100000.0f * range;
        };
        int inside = 0;
        for (int k = 0; k < 2000; ++k) {
            const TPointF p = at(next(4020) - 10, next(120) - 40);
            const bool expected = ReferenceInside(polygon, p);
            inside += expected;
            ASSERT_EQ(path.IsPointVisible(p), expected) << p.X << ", " << p.Y;
        }
        EXPECT_GT(inside, 200);
    }
}

TEST(GraphicsPathHitTest, RectVisibleWhenAVertexLiesInside)
{
    TKestGraphicsPath path;
    path.AddRectangle({0, 0, 10, 10});
    EXPECT_TRUE(path.IsRectVisible({-1, -1, 1, 1}));
    EXPECT_TRUE(path.IsRectVisible({10, 10, 11, 11})); // left and top edges count
    EXPECT_FALSE(path.IsRectVisible({9, 9, 10, 10}));  // right and bottom do not
    EXPECT_FALSE(path.IsRectVisible({2, 2, 8, 8}));    // inside, but no vertex
    EXPECT_FALSE(TKestGraphicsPath().IsRectVisible({-1e9f, -1e9f, 1e9f, 1e9f}));
}

TEST(GraphicsPathFlattening, CreateBezierSpansTheCurve)
{
    const TKestGraphicsPathCubicBezier b{TPointF(0, 0), TPointF(0, 10), TPointF(10, 10), TPointF(10, 0)};
    EXPECT_TRUE(TKestGraphicsPath::CreateBezier(b, 0).empty());
    const auto polygon = TKestGraphicsPath::CreateBezier(b, 5);
    ASSERT_EQ(polygon.size(), 5u);
    EXPECT_EQ(polygon.front(), TPointF(0, 0));
    EXPECT_NEAR(polygon[2].X, 5, 1e-5);
    EXPECT_NEAR(polygon[2].Y, 7.5, 1e-5);
    EXPECT_NEAR(polygon.back().X, 10, 1e-5);
    EXPECT_NEAR(polygon.back().Y, 0, 1e-5);
}

TEST(GraphicsPathFlattening, PolygonJoinsFiguresAndDropsRepeats)
{
    TKestGraphicsPath path;
    path.MoveTo({0, 0});
    path.CurveTo({0.1f, 0}, {0.2f, 0}, {0.3f, 0}); // shorter than one step
    TKestGraphicsPathPolygon polygon;
    path.FlattenToPolygon(polygon, 1);
    EXPECT_EQ(polygon, (TKestGraphicsPathPolygon{{0, 0}, {0.3f, 0}}));

    TKestGraphicsPath rounded;
    rounded.AddRectangle({0, 0, 100, 50}, 10, 10);
    rounded.FlattenToPolygon(polygon, 0.5f);
    for (size_t i = 1; i < polygon.size(); ++i)
        EXPECT_FALSE(std::fabs(polygon[i].X - polygon[i - 1].X) <= 0.001f &&
                     std::fabs(polygon[i].Y - polygon[i - 1].Y) <= 0.001f)
            << i;
    // The close entry repeats the figure start; the step of 0.5 gives about
    // 2 points per pixel of the corners' quarter circles.
    EXPECT_NEAR(polygon.back().X, 10, 1e-4);
    EXPECT_NEAR(polygon.back().Y, 50, 1e-4);
    EXPECT_GT(polygon.size(), 4u * 25u);
}

TEST(GraphicsPathFlattening, FlattenKeepsEveryPointAsLines)
{
    TKestGraphicsPath path;
    path.AddRectangle({0, 0, 100, 50}, 10, 10);
    TKestGraphicsPathPolygon before;
    path.FlattenToPolygon(before, 1);
    path.Flatten(1);
    EXPECT_EQ(CountKind(path, gppCurveTo), 0);
    EXPECT_EQ(CountKind(path, gppClose), 1);
    EXPECT_EQ(path.GetPoint(0).Point, path.GetPoint(1).Point); // the duplicate stays
    TKestGraphicsPathPolygon after;
    path.FlattenToPolygon(after, 1);
    EXPECT_EQ(after, before);
}

TEST(GraphicsPathFlattening, HugeAndNonFiniteCurvesStayBounded)
{
    struct {
        const char* Name;
        TKestGraphicsPathCubicBezier Curve;
    } const cases[] = {
        {"ten million pixels", {TPointF(0, 0), TPointF(1e7f, 0), TPointF(1e7f, 1e7f), TPointF(0, 1e7f)}},
        {"1e30", {TPointF(0, 0), TPointF(1e30f, 0), TPointF(-1e30f, 1e30f), TPointF(0, 1)}},
        {"infinite control", {TPointF(0, 0), TPointF(Inf, 0), TPointF(0, 0), TPointF(5, 5)}},
        {"NaN end", {TPointF(0, 0), TPointF(1, 0), TPointF(1, 1), TPointF(NaN, 5)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TKestGraphicsPath path;
        path.MoveTo(c.Curve[0]);
        path.CurveTo(c.Curve[1], c.Curve[2], c.Curve[3]);
        TKestGraphicsPathPolygon polygon;
        path.FlattenToPolygon(polygon, 0);
        EXPECT_LE(polygon.size(), size_t(TKestGraphicsPath::MaxCurvePoints) + 1);
        for (const TPointF& p : polygon)
            EXPECT_TRUE(std::isfinite(p.X) && std::isfinite(p.Y));
        path.IsPointVisible({1, 1});
        path.Flatten(0);
        EXPECT_LE(path.Count(), TKestGraphicsPath::MaxCurvePoints + 1);
    }
}

}
