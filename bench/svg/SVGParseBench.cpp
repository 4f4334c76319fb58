// Parsing SVG documents of growing size: many shapes, and one long path.
// Each is timed from the bytes to the finished element tree, beside Qt's
// renderer loading the same bytes.

#include "graphics/svg/KestGraphicsSVGImport.h"

#include <QSvgRenderer>
#include <benchmark/benchmark.h>

namespace {

// Groups of ten mixed shapes, with transforms, styles and a class rule.
QByteArray ShapesDocument(int shapes)
{
    QByteArray out = "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 1000 1000'>"
                     "<style>.a{fill:#336699;stroke:red}</style>";
    for (int i = 0; i < shapes; i += 10) {
        const QByteArray n = QByteArray::number(i % 1000);
        out += "<g transform='translate(" + n + " 5) rotate(15)' fill='rgb(10,20,30)'>"
               "<rect x='1' y='2' width='30' height='20' rx='2'/>"
               "<circle cx='" + n + "' cy='10' r='5' class='a'/>"
               "<ellipse cx='10' cy='10' rx='5' ry='3' style='fill:none;stroke:#F80;stroke-width:2'/>"
               "<line x1='0' y1='0' x2='" + n + "' y2='9' stroke='black'/>"
               "<polyline points='0,0 10,10 20,0 30,10' fill='none' stroke='blue'/>"
               "<polygon points='0,0 10,10 20,0'/>"
               "<path d='M0 0 L10 10 C 20 20 30 20 40 10 Q 50 0 60 10 Z'/>"
               "<path d='M5 5 h10 v10 h-10 z' opacity='0.5'/>"
               "<rect width='4' height='4' transform='scale(2)'/>"
               "<circle r='1'/></g>";
    }
    return out + "</svg>";
}

QByteArray PathDocument(int segments)
{
    QByteArray d = "M0 0";
    for (int i = 0; i < segments; ++i) {
        switch (i % 4) {
        case 0: d += " L" + QByteArray::number(i % 500) + " 3"; break;
        case 1: d += " c1 2 3 4 5 6"; break;
        case 2: d += " a5 5 0 0 1 10 0"; break;
        default: d += " q5-5 10 0"; break;
        }
    }
    return "<svg xmlns='http://www.w3.org/2000/svg'><path d='" + d + "'/></svg>";
}

void Ours(benchmark::State& state, QByteArray (*make)(int))
{
    const QByteArray bytes = make(int(state.range(0)));
    for (auto _ : state) {
        TKestGraphicsSVGImport svg;
        svg.LoadFromText(QString::fromUtf8(bytes));
        benchmark::DoNotOptimize(svg.ElementCount());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void Qt(benchmark::State& state, QByteArray (*make)(int))
{
    const QByteArray bytes = make(int(state.range(0)));
    for (auto _ : state) {
        QSvgRenderer renderer;
        benchmark::DoNotOptimize(renderer.load(bytes));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
}

void BM_SVGParseShapes(benchmark::State& state) { Ours(state, ShapesDocument); }
void BM_QSvgRendererLoadShapes(benchmark::State& state) { Qt(state, ShapesDocument); }
void BM_SVGParsePath(benchmark::State& state) { Ours(state, PathDocument); }
void BM_QSvgRendererLoadPath(benchmark::State& state) { Qt(state, PathDocument); }

}

BENCHMARK(BM_SVGParseShapes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSvgRendererLoadShapes)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SVGParsePath)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSvgRendererLoadPath)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
