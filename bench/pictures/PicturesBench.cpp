// What a user waits for with container pictures: drawing a picture again
// and again, and stepping an animated GIF on its tick. Unchanged data is
// decoded once; beside each, the same work done with Qt's own classes in
// the same run (a QImage decoded once and drawn, QMovie's frame stepping).

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Stream.h"
#include "pictures/HTMLPicture.h"

#include <QBuffer>
#include <QImage>
#include <QMovie>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QByteArray Png()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            image.setPixel(x, y, qRgba(x * 4, y * 4, 128, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A GIF of 1 x 1 frames, each with its graphic control extension (delay 10)
// right before its image descriptor.
QByteArray Gif(int frames)
{
    QByteArray g("GIF89a");
    g += QByteArray("\x01\x00\x01\x00\x80\x00\x00", 7);         // screen 1 x 1, 2-colour table
    g += QByteArray("\x00\x00\x00\xff\xff\xff", 6);             // black, white
    g += QByteArray("\x21\xff\x0bNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    for (int i = 0; i < frames; ++i) {
        g += QByteArray("\x21\xf9\x04\x00\x0a\x00\x00\x00", 8);
        g += QByteArray("\x2c\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        g += QByteArray(i % 2 ? "\x02\x02\x44\x01\x00" : "\x02\x02\x4c\x01\x00", 5);
    }
    g += ';';
    return g;
}

void BM_HTMLPictureDraw(benchmark::State& state)
{
    THTMLPicture picture;
    TMemoryStream stream(Png());
    picture.LoadFromStream(stream);
    TDeviceContext dc(64, 64);
    TCanvas canvas(dc);
    for (auto _ : state)
        for (int i = 0; i < state.range(0); ++i)
            picture.Draw(canvas, QRect(0, 0, 64, 64));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HTMLPictureDraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

void BM_QImageDecodedOnceDraw(benchmark::State& state)
{
    QImage image = QImage::fromData(Png());
    TDeviceContext dc(64, 64);
    for (auto _ : state) {
        QPainter painter(&dc.Image());
        for (int i = 0; i < state.range(0); ++i)
            painter.drawImage(QRect(0, 0, 64, 64), image);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QImageDecodedOnceDraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

// Loading the GIF, then stepping once per tick until every frame was shown.
void BM_HTMLPictureGifSteps(benchmark::State& state)
{
    const QByteArray gif = Gif(int(state.range(0)));
    for (auto _ : state) {
        THTMLPicture picture;
        TMemoryStream stream(gif);
        picture.LoadFromStream(stream);
        int moves = 0;
        while (moves < state.range(0))
            moves += picture.Step() ? 1 : 0;
        benchmark::DoNotOptimize(picture.Frame());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HTMLPictureGifSteps)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

void BM_QMovieGifSteps(benchmark::State& state)
{
    const QByteArray gif = Gif(int(state.range(0)));
    for (auto _ : state) {
        QByteArray copy = gif;
        QBuffer buffer(&copy);
        QMovie movie(&buffer);
        movie.setCacheMode(QMovie::CacheNone);
        for (int i = 0; i < state.range(0); ++i)
            movie.jumpToNextFrame();
        benchmark::DoNotOptimize(movie.currentFrameNumber());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QMovieGifSteps)->Arg(50)->Arg(200)->Arg(500)->Unit(benchmark::kMillisecond);

}
