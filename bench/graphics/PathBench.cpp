// The vector path with 100, 1,000 and 10,000 curves: flattening, and 1,000
// inside tests right after the path was set (so the first one pays for
// flattening), beside QPainterPath's toFillPolygons and contains on the
// same curves.

#include "graphics/GraphicsPath.h"

#include <QPainterPath>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

// A closed wave: n curves 10 pixels wide swinging up to 40 pixels, closed
// along a base line below.
template <typename Sink>
void Wave(int n, Sink&& sink)
{
    sink.Move(0, 0);
    for (int i = 0; i < n; ++i) {
        const float x = i * 10.0f, swing = (i % 2 ? 10.0f : -10.0f) * float(1 + i % 4);
        sink.Curve(x + 3, swing, x + 7, -swing, x + 10, 0);
    }
    sink.Line(n * 10.0f, 60);
    sink.Line(0, 60);
    sink.Close();
}

struct TKestSink {
    TKestGraphicsPath& Path;
    void Move(float x, float y) { Path.MoveTo({x, y}); }
    void Line(float x, float y) { Path.LineTo({x, y}); }
    void Curve(float x1, float y1, float x2, float y2, float x, float y) { Path.CurveTo({x1, y1}, {x2, y2}, {x, y}); }
    void Close() { Path.ClosePath(); }
};

struct TQtSink {
    QPainterPath& Path;
    void Move(float x, float y) { Path.moveTo(x, y); }
    void Line(float x, float y) { Path.lineTo(x, y); }
    void Curve(float x1, float y1, float x2, float y2, float x, float y) { Path.cubicTo(x1, y1, x2, y2, x, y); }
    void Close() { Path.closeSubpath(); }
};

// 1,000 points spread over the wave's box, the same for both.
std::vector<TPointF> Probes(int n)
{
    std::vector<TPointF> points;
    unsigned seed = 7;
    for (int k = 0; k < 1000; ++k) {
        seed = seed * 1103515245u + 12345u;
        const float u = float((seed >> 8) % 100000) / 100000.0f;
        seed = seed * 1103515245u + 12345u;
        const float v = float((seed >> 8) % 100000) / 100000.0f;
        points.push_back({u * n * 10.0f, v * 100.0f - 40.0f});
    }
    return points;
}

void BM_Flatten_Kest(benchmark::State& state)
{
    TKestGraphicsPath path;
    Wave(int(state.range(0)), TKestSink{path});
    TKestGraphicsPathPolygon polygon;
    for (auto _ : state) {
        path.FlattenToPolygon(polygon, 0.25f);
        benchmark::DoNotOptimize(polygon.data());
    }
    state.counters["points"] = double(polygon.size());
}

void BM_Flatten_QPainterPath(benchmark::State& state)
{
    QPainterPath path;
    Wave(int(state.range(0)), TQtSink{path});
    size_t points = 0;
    for (auto _ : state) {
        const QList<QPolygonF> polygons = path.toFillPolygons();
        points = 0;
        for (const QPolygonF& p : polygons)
            points += size_t(p.size());
        benchmark::DoNotOptimize(points);
    }
    state.counters["points"] = double(points);
}

void BM_HitTests_Kest(benchmark::State& state)
{
    const int n = int(state.range(0));
    TKestGraphicsPath source;
    Wave(n, TKestSink{source});
    const std::vector<TPointF> probes = Probes(n);
    TKestGraphicsPath path;
    int inside = 0;
    for (auto _ : state) {
        path.Assign(&source); // a changed path: the first test flattens it
        inside = 0;
        for (const TPointF& p : probes)
            inside += path.IsPointVisible(p);
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = inside;
}

void BM_HitTests_QPainterPath(benchmark::State& state)
{
    const int n = int(state.range(0));
    QPainterPath source;
    Wave(n, TQtSink{source});
    const std::vector<TPointF> probes = Probes(n);
    int inside = 0;
    for (auto _ : state) {
        QPainterPath path = source;
        path.setFillRule(Qt::OddEvenFill);
        inside = 0;
        for (const TPointF& p : probes)
            inside += path.contains(QPointF(p.X, p.Y));
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = inside;
}

}

BENCHMARK(BM_Flatten_Kest)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Flatten_QPainterPath)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTests_Kest)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HitTests_QPainterPath)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
