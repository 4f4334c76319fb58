// Text of growing length, from the bytes to a 200 x 200 picture: one run
// of words, and the same with every character rotated (each placed on its
// own), beside Qt's renderer drawing the same documents.

#include "framework/Bitmap.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pictures/KestBitmap.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <benchmark/benchmark.h>

namespace {

QByteArray TextDocument(int characters, bool rotated)
{
    QByteArray words;
    while (words.size() < characters)
        words += "lorem ipsum ";
    words.truncate(characters);
    return "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 200' font-family='sans-serif' font-size='12'>"
           "<text x='0' y='100'" + QByteArray(rotated ? " rotate='5'" : "") + ">" + words + "</text></svg>";
}

void Ours(benchmark::State& state, bool rotated)
{
    const QString text = QString::fromUtf8(TextDocument(int(state.range(0)), rotated));
    for (auto _ : state) {
        TKestGraphicsSVGImport svg;
        svg.LoadFromText(text);
        benchmark::DoNotOptimize(svg.GenerateBitmap(200, 200));
    }
}

void Qt(benchmark::State& state, bool rotated)
{
    const QByteArray bytes = TextDocument(int(state.range(0)), rotated);
    for (auto _ : state) {
        QImage image(200, 200, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QSvgRenderer renderer(bytes);
        QPainter painter(&image);
        renderer.render(&painter);
        benchmark::DoNotOptimize(image.bits());
    }
}

void BM_SVGTextRun(benchmark::State& state) { Ours(state, false); }
void BM_QSvgRendererTextRun(benchmark::State& state) { Qt(state, false); }
void BM_SVGTextRotated(benchmark::State& state) { Ours(state, true); }
void BM_QSvgRendererTextRotated(benchmark::State& state) { Qt(state, true); }

}

BENCHMARK(BM_SVGTextRun)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSvgRendererTextRun)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SVGTextRotated)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSvgRendererTextRotated)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
