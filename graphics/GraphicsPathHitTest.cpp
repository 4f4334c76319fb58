#include "graphics/GraphicsPathHitTest.h"

#include "graphics/GraphicsPathWalk.h"

#include <algorithm>
#include <cmath>

namespace {

// The flattened polygon, split at every move into figures; repeats are
// looked for within a figure only.
struct TFigureSink : KestPathWalk::TPolygonSink {
    std::vector<size_t> FigureStarts;

    void Move(const TPointF& p)
    {
        DedupFrom = Polygon.size();
        FigureStarts.push_back(DedupFrom);
        TPolygonSink::Move(p);
    }
};

TRectF BoundsOf(const TKestGraphicsPathPolygon& points)
{
    if (points.empty())
        return {};
    TRectF r(points[0].X, points[0].Y, points[0].X, points[0].Y);
    for (const TPointF& p : points) {
        r.Left = std::min(r.Left, p.X);
        r.Top = std::min(r.Top, p.Y);
        r.Right = std::max(r.Right, p.X);
        r.Bottom = std::max(r.Bottom, p.Y);
    }
    return r;
}

// Edges a band holds on average at most; more bands cost memory for edges
// that span several.
constexpr size_t EntriesPerEdge = 8;

}

TKestGraphicsPathHitTest::TKestGraphicsPathHitTest(const TKestGraphicsPathPoints& points, double step)
{
    Build(points, step);
}

void TKestGraphicsPathHitTest::Build(const TKestGraphicsPathPoints& points, double step)
{
    // Buffers keep their capacity: rebuilding after a change reuses them.
    FVertices.clear();
    FFigures.clear();
    FBandStart.clear();
    FBandEdges.clear();
    FBandOrigin = 0;
    FBandScale = 1;
    TFigureSink sink{{FVertices}, {}};
    KestPathWalk::Walk(points, step, sink);
    FBounds = BoundsOf(FVertices);
    FTransposed = double(FBounds.Right) - FBounds.Left > double(FBounds.Bottom) - FBounds.Top;
    // Points before the first move (a path that starts with a line) make a
    // figure of their own.
    if (sink.FigureStarts.empty() || sink.FigureStarts.front() != 0)
        sink.FigureStarts.insert(sink.FigureStarts.begin(), 0);
    sink.FigureStarts.push_back(FVertices.size());
    for (size_t f = 0; f + 1 < sink.FigureStarts.size(); ++f)
        if (sink.FigureStarts[f] < sink.FigureStarts[f + 1])
            FFigures.push_back({int(sink.FigureStarts[f]), int(sink.FigureStarts[f + 1])});
    BuildBands();
}

inline TKestGraphicsPathHitTest::TEdge TKestGraphicsPathHitTest::Edge(int edge) const
{
    const int vertexCount = int(FVertices.size());
    int from = edge - 1, to = edge;
    if (edge >= vertexCount) {
        const TFigure& figure = FFigures[size_t(edge - vertexCount)];
        from = figure.End - 1;
        to = figure.Begin;
    }
    const TPointF& a = FVertices[size_t(from)];
    const TPointF& b = FVertices[size_t(to)];
    return FTransposed ? TEdge{a.Y, a.X, b.Y, b.X} : TEdge{a.X, a.Y, b.X, b.Y};
}

template <typename Visit>
void TKestGraphicsPathHitTest::ForEachEdge(Visit&& visit) const
{
    const int vertexCount = int(FVertices.size());
    for (size_t f = 0; f < FFigures.size(); ++f) {
        const TFigure& figure = FFigures[f];
        for (int e = figure.Begin + 1; e < figure.End; ++e) {
            const TEdge edge = Edge(e);
            if (edge.V0 != edge.V1)
                visit(e, edge);
        }
        const int closing = vertexCount + int(f);
        const TEdge edge = Edge(closing);
        if (edge.V0 != edge.V1)
            visit(closing, edge);
    }
}

inline int TKestGraphicsPathHitTest::BandOf(double v, int bandCount) const
{
    // Any rounding at a band's border is harmless: building and testing
    // both place a coordinate with this one function.
    const double band = (v - FBandOrigin) * FBandScale;
    if (!(band >= 1)) // NaN too
        return 0;
    return band >= bandCount ? bandCount - 1 : int(band);
}

void TKestGraphicsPathHitTest::BuildBands()
{
    size_t edgeCount = 0;
    double low = 0, high = 0;
    ForEachEdge([&](int, const TEdge& e) {
        if (edgeCount++ == 0)
            low = high = e.V0;
        low = std::min({low, e.V0, e.V1});
        high = std::max({high, e.V0, e.V1});
    });
    if (edgeCount == 0)
        return;
    FBandOrigin = low;
    auto bandsOf = [this](const TEdge& e, int bandCount) {
        const int a = BandOf(e.V0, bandCount), b = BandOf(e.V1, bandCount);
        return std::pair(std::min(a, b), std::max(a, b));
    };
    // Halve the bands until the edges spanning several fit the budget.
    int bandCount = int(std::clamp<size_t>(edgeCount / 2, 1, 1 << 20));
    size_t entries = 0;
    for (;; bandCount = std::max(1, bandCount / 2)) {
        FBandScale = bandCount / (high - low);
        if (!(FBandScale > 0) || !std::isfinite(FBandScale)) {
            bandCount = 1;
            FBandScale = 1;
        }
        entries = 0;
        ForEachEdge([&](int, const TEdge& e) {
            const auto [first, last] = bandsOf(e, bandCount);
            entries += size_t(last - first) + 1;
        });
        if (bandCount == 1 || entries <= EntriesPerEdge * edgeCount)
            break;
    }
    // Counted two places ahead and filled one place ahead, so that filling
    // leaves FBandStart[b] at the start of band b without a second array.
    FBandStart.assign(size_t(bandCount) + 2, 0);
    ForEachEdge([&](int, const TEdge& e) {
        const auto [first, last] = bandsOf(e, bandCount);
        for (int b = first; b <= last; ++b)
            ++FBandStart[size_t(b) + 2];
    });
    for (size_t b = 2; b < FBandStart.size(); ++b)
        FBandStart[b] += FBandStart[b - 1];
    FBandEdges.resize(entries);
    ForEachEdge([&](int edge, const TEdge& e) {
        const auto [first, last] = bandsOf(e, bandCount);
        for (int b = first; b <= last; ++b)
            FBandEdges[size_t(FBandStart[size_t(b) + 1]++)] = edge;
    });
    FBandStart.pop_back();
}

bool TKestGraphicsPathHitTest::Contains(const TPointF& point) const
{
    // A NaN coordinate lies nowhere.
    if (FVertices.empty() || std::isnan(point.X) || std::isnan(point.Y) || point.X < FBounds.Left || point.X > FBounds.Right || point.Y < FBounds.Top ||
        point.Y > FBounds.Bottom || FBandEdges.empty())
        return false;
    const double u = FTransposed ? point.Y : point.X;
    const double v = FTransposed ? point.X : point.Y;
    const int band = BandOf(v, int(FBandStart.size()) - 1);
    bool inside = false;
    for (int k = FBandStart[size_t(band)]; k < FBandStart[size_t(band) + 1]; ++k) {
        const TEdge e = Edge(FBandEdges[size_t(k)]);
        if ((v < e.V1) != (v < e.V0) && u < (e.U0 - e.U1) * (v - e.V1) / (e.V0 - e.V1) + e.U1)
            inside = !inside;
    }
    return inside;
}

bool TKestGraphicsPathHitTest::AnyVertexIn(const TRectF& rect) const
{
    return std::any_of(FVertices.begin(), FVertices.end(), [&rect](const TPointF& p) {
        return p.X >= rect.Left && p.X < rect.Right && p.Y >= rect.Top && p.Y < rect.Bottom;
    });
}
