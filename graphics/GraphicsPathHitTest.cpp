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
    TFigureSink sink{{FVertices}, {}};
    KestPathWalk::Walk(points, step, sink);
    FBounds = BoundsOf(FVertices);
    FTransposed = double(FBounds.Right) - FBounds.Left > double(FBounds.Bottom) - FBounds.Top;
    // Points before the first move (a path that starts with a line) make a
    // figure of their own.
    if (sink.FigureStarts.empty() || sink.FigureStarts.front() != 0)
        sink.FigureStarts.insert(sink.FigureStarts.begin(), 0);
    sink.FigureStarts.push_back(FVertices.size());
    FEdges.reserve(FVertices.size()); // one edge a vertex at most
    for (size_t f = 0; f + 1 < sink.FigureStarts.size(); ++f)
        AddFigureEdges(sink.FigureStarts[f], sink.FigureStarts[f + 1]);
    BuildBands();
}

void TKestGraphicsPathHitTest::AddFigureEdges(size_t begin, size_t end)
{
    for (size_t i = begin, j = end - 1; i < end; j = i++) {
        const TPointF& a = FVertices[j];
        const TPointF& b = FVertices[i];
        TEdge e = FTransposed ? TEdge{a.Y, a.X, b.Y, b.X} : TEdge{a.X, a.Y, b.X, b.Y};
        if (e.V0 != e.V1) // an edge along the ray never crosses it
            FEdges.push_back(e);
    }
}

int TKestGraphicsPathHitTest::BandOf(double v, int bandCount) const
{
    const double band = std::floor((v - FBandOrigin) / FBandSize);
    if (!(band > 0)) // NaN too
        return 0;
    return int(std::min(band, double(bandCount - 1)));
}

void TKestGraphicsPathHitTest::BuildBands()
{
    if (FEdges.empty())
        return;
    double low = FEdges[0].V0, high = low;
    for (const TEdge& e : FEdges) {
        low = std::min({low, e.V0, e.V1});
        high = std::max({high, e.V0, e.V1});
    }
    FBandOrigin = low;
    // Halve the bands until the edges spanning several fit the budget.
    int bandCount = int(std::clamp<size_t>(FEdges.size() / 2, 1, 1 << 20));
    size_t entries = 0;
    for (;; bandCount = std::max(1, bandCount / 2)) {
        FBandSize = (high - low) / bandCount;
        if (!(FBandSize > 0) || !std::isfinite(FBandSize)) {
            bandCount = 1;
            FBandSize = 1;
        }
        entries = 0;
        for (const TEdge& e : FEdges)
            entries += size_t(std::abs(BandOf(e.V1, bandCount) - BandOf(e.V0, bandCount))) + 1;
        if (bandCount == 1 || entries <= EntriesPerEdge * FEdges.size())
            break;
    }
    FBandStart.assign(size_t(bandCount) + 1, 0);
    auto bandsOf = [&](const TEdge& e) {
        const int a = BandOf(e.V0, bandCount), b = BandOf(e.V1, bandCount);
        return std::pair(std::min(a, b), std::max(a, b));
    };
    for (const TEdge& e : FEdges) {
        const auto [first, last] = bandsOf(e);
        for (int b = first; b <= last; ++b)
            ++FBandStart[size_t(b) + 1];
    }
    for (size_t b = 1; b < FBandStart.size(); ++b)
        FBandStart[b] += FBandStart[b - 1];
    FBandEdges.resize(entries);
    std::vector<int> fill(FBandStart.begin(), FBandStart.end() - 1);
    for (size_t i = 0; i < FEdges.size(); ++i) {
        const auto [first, last] = bandsOf(FEdges[i]);
        for (int b = first; b <= last; ++b)
            FBandEdges[size_t(fill[size_t(b)]++)] = int(i);
    }
}

bool TKestGraphicsPathHitTest::Contains(const TPointF& point) const
{
    // A NaN coordinate lies nowhere.
    if (FVertices.empty() || std::isnan(point.X) || std::isnan(point.Y) || point.X < FBounds.Left || point.X > FBounds.Right || point.Y < FBounds.Top ||
        point.Y > FBounds.Bottom || FEdges.empty())
        return false;
    const double u = FTransposed ? point.Y : point.X;
    const double v = FTransposed ? point.X : point.Y;
    const int band = BandOf(v, int(FBandStart.size()) - 1);
    bool inside = false;
    for (int k = FBandStart[size_t(band)]; k < FBandStart[size_t(band) + 1]; ++k) {
        const TEdge& e = FEdges[size_t(FBandEdges[size_t(k)])];
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
