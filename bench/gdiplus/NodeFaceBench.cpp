// One path-bar node button face: two 40-step vertical gradients (upper and
// lower half), a frame and an anti-aliased drop-down arrow, drawn on a
// device context through each drawing module and through QPainter.

#include "framework/DeviceContext.h"
#include "gdiplus/KestGDIP.h"
#include "gdiplus/KestGDIPlusClasses.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <array>
#include <benchmark/benchmark.h>

using namespace GdiplusFlat;

namespace {

constexpr int FaceWidth = 96;
constexpr int FaceHeight = 24;
constexpr int Steps = 40;

struct TStops {
    std::array<ARGB, Steps> Colors;
    std::array<REAL, Steps> Positions;
};

TStops MakeStops(ARGB from, ARGB to)
{
    TStops stops{};
    for (int i = 0; i < Steps; ++i) {
        REAL t = REAL(i) / (Steps - 1);
        auto mix = [t](ARGB a, ARGB b, int shift) {
            return ARGB(((a >> shift) & 0xFF) * (1 - t) + ((b >> shift) & 0xFF) * t) << shift;
        };
        stops.Colors[size_t(i)] = 0xFF000000 | mix(from, to, 16) | mix(from, to, 8) | mix(from, to, 0);
        stops.Positions[size_t(i)] = t;
    }
    return stops;
}

const TStops Upper = MakeStops(0xFFF2F7FD, 0xFFDCE8F7);
const TStops Lower = MakeStops(0xFFC9DCF3, 0xFFE3EEFB);
constexpr TGPPointF Arrow[] = {{80, 9}, {84, 14}, {88, 9}};

template <class Graphics, class Brush, class Pen, class Path>
void DrawFace(TDeviceContext& dc)
{
    Graphics graphics(dc);
    const REAL half = FaceHeight / 2.0f;
    Brush upper(GPRectFOf(0, 0, FaceWidth, half), Upper.Colors.front(), Upper.Colors.back(), LinearGradientModeVertical);
    upper.SetInterpolationColors(Upper.Colors.data(), Upper.Positions.data(), Steps);
    graphics.FillRectangle(&upper, GPRectFOf(0, 0, FaceWidth, half));
    Brush lower(GPRectFOf(0, half, FaceWidth, half), Lower.Colors.front(), Lower.Colors.back(),
                LinearGradientModeVertical);
    lower.SetInterpolationColors(Lower.Colors.data(), Lower.Positions.data(), Steps);
    graphics.FillRectangle(&lower, GPRectFOf(0, half, FaceWidth, half));
    Pen frame(0xFF7DA2CE, 1);
    graphics.DrawRectangle(&frame, 0, 0, FaceWidth - 1, FaceHeight - 1);
    graphics.SetSmoothingMode(SmoothingModeAntiAlias);
    Pen arrowPen(0xFF1E395B, 1.5f);
    Path arrow;
    arrow.AddLines(Arrow, 3);
    graphics.DrawPath(&arrowPen, &arrow);
}

void BM_NodeFace_KestGDIP(benchmark::State& state)
{
    TDeviceContext dc(FaceWidth, FaceHeight);
    for (auto _ : state)
        DrawFace<KestGDIP::TGPGraphics, KestGDIP::TGPLinearGradientBrush, KestGDIP::TGPPen,
                 KestGDIP::TGPGraphicsPath>(dc);
    benchmark::DoNotOptimize(dc.Bits());
}
BENCHMARK(BM_NodeFace_KestGDIP);

void BM_NodeFace_KestGDIPlusClasses(benchmark::State& state)
{
    TDeviceContext dc(FaceWidth, FaceHeight);
    for (auto _ : state)
        DrawFace<KestGDIPlusClasses::TGPGraphics, KestGDIPlusClasses::TGPLinearGradientBrush,
                 KestGDIPlusClasses::TGPPen, KestGDIPlusClasses::TGPGraphicsPath>(dc);
    benchmark::DoNotOptimize(dc.Bits());
}
BENCHMARK(BM_NodeFace_KestGDIPlusClasses);

QLinearGradient QtGradient(const TStops& stops, qreal top, qreal bottom)
{
    QLinearGradient gradient(0, top, 0, bottom);
    for (int i = 0; i < Steps; ++i)
        gradient.setColorAt(stops.Positions[size_t(i)], QColor::fromRgba(stops.Colors[size_t(i)]));
    return gradient;
}

void BM_NodeFace_QPainter(benchmark::State& state)
{
    TDeviceContext dc(FaceWidth, FaceHeight);
    const qreal half = FaceHeight / 2.0;
    for (auto _ : state) {
        QPainter painter(&dc.Image());
        painter.fillRect(QRectF(0, 0, FaceWidth, half), QtGradient(Upper, 0, half));
        painter.fillRect(QRectF(0, half, FaceWidth, half), QtGradient(Lower, half, FaceHeight));
        painter.setPen(QPen(QColor::fromRgba(0xFF7DA2CE), 1));
        painter.drawRect(QRectF(0.5, 0.5, FaceWidth - 1, FaceHeight - 1));
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor::fromRgba(0xFF1E395B), 1.5));
        QPainterPath arrow(QPointF(Arrow[0].X, Arrow[0].Y));
        arrow.lineTo(Arrow[1].X, Arrow[1].Y);
        arrow.lineTo(Arrow[2].X, Arrow[2].Y);
        painter.drawPath(arrow);
    }
    benchmark::DoNotOptimize(dc.Bits());
}
BENCHMARK(BM_NodeFace_QPainter);

}
