// 10,000 changes of a fill holding a texture of 512, 1,024 and 2,048 pixels
// square: copying the whole fill (as a canvas does on every change of its
// fill) and setting its colour, beside a QBrush holding the same image.

#include "graphics/GraphicsFill.h"

#include "framework/Bitmap.h"

#include <QBrush>
#include <QImage>
#include <benchmark/benchmark.h>

namespace {

QImage Texture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgb(40, 90, 160));
    return image;
}

void BM_FillAssign10000_Kest(benchmark::State& state)
{
    TKestGraphicsFill source(gfkTexture, 0xFFFFFF), fill(gfkSolid, 0);
    TBitmap bitmap;
    bitmap.SetImage(Texture(int(state.range(0))));
    source.Texture()->Assign(&bitmap);
    int changes = 0;
    fill.OnChanged = [&changes](QObject*) { ++changes; };
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            source.SetColor(TColor(i));
            fill.Assign(&source);
        }
        benchmark::DoNotOptimize(changes);
    }
}

void BM_FillAssign10000_QBrush(benchmark::State& state)
{
    QBrush source(Texture(int(state.range(0))));
    QBrush brush;
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            source.setColor(QColor::fromRgb(QRgb(i)));
            brush = source;
            benchmark::DoNotOptimize(brush.textureImage().constBits());
        }
    }
}

void BM_FillSetColor10000_Kest(benchmark::State& state)
{
    TKestGraphicsFill fill(gfkTexture, 0xFFFFFF);
    TBitmap bitmap;
    bitmap.SetImage(Texture(int(state.range(0))));
    fill.Texture()->Assign(&bitmap);
    int changes = 0;
    fill.OnChanged = [&changes](QObject*) { ++changes; };
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i)
            fill.SetColor(TColor(i));
        benchmark::DoNotOptimize(changes);
    }
}

}

BENCHMARK(BM_FillAssign10000_Kest)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillAssign10000_QBrush)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillSetColor10000_Kest)->Arg(512)->Arg(1024)->Arg(2048)->Unit(benchmark::kMillisecond);
