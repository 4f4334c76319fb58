// A paint pass through a native canvas (the drawing-library back-end) on a
// 1,024 x 768 surface: 100, 1,000 and 10,000 mixed shapes (filled and
// outlined rectangles, ellipses, rounded rectangles, lines, triangles, the
// fill colour changing with every shape), and as many DrawText calls of
// short texts; beside plain QPainter drawing the same on the same surface.
// Each iteration makes the canvas over the surface and ends its scene, as a
// paint pass does.

#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 1024;
constexpr int Height = 768;

// Text needs a GUI application; one is made unless the program has one.
void EnsureGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "bench_graphics";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

struct TShape {
    int Kind;
    TRectF Rect;
    TColor Color;
};

TShape ShapeAt(int i)
{
    const float x = float((i * 37) % (Width - 60)), y = float((i * 53) % (Height - 40));
    const TColor color = RGB((i * 41) & 0xFF, (i * 97) & 0xFF, (i * 13) & 0xFF);
    return {i % 5, TRectF(x, y, x + 20 + float(i % 40), y + 10 + float(i % 30)), color};
}

QRectF ToQRect(const TRectF& r) { return QRectF(r.Left, r.Top, r.Width(), r.Height()); }

QString TextAt(int i) { return QStringLiteral("Item %1").arg(i % 1000); }

void BM_WinSceneShapes(benchmark::State& state)
{
    EnsureGuiApplication();
    TDeviceContext dc(Width, Height);
    TCanvas canvas(dc);
    const int count = int(state.range(0));
    for (auto _ : state) {
        auto graphics = TKestGraphics::CreateNative(&canvas);
        graphics->BeginScene();
        graphics->SetStrokeColor(clBlack);
        for (int i = 0; i < count; ++i) {
            const TShape s = ShapeAt(i);
            graphics->SetFillColor(s.Color);
            switch (s.Kind) {
            case 0:
                graphics->DrawRectangle(s.Rect);
                break;
            case 1:
                graphics->DrawEllipse(s.Rect);
                break;
            case 2:
                graphics->DrawRoundRectangle(s.Rect, 4);
                break;
            case 3:
                graphics->DrawLine(TPointF(s.Rect.Left, s.Rect.Top), TPointF(s.Rect.Right, s.Rect.Bottom));
                break;
            default:
                graphics->DrawPolygon({{s.Rect.Left, s.Rect.Bottom},
                                       {(s.Rect.Left + s.Rect.Right) / 2, s.Rect.Top},
                                       {s.Rect.Right, s.Rect.Bottom}});
                break;
            }
        }
        graphics->EndScene();
        benchmark::DoNotOptimize(dc.Bits());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_WinSceneShapes_QPainter(benchmark::State& state)
{
    EnsureGuiApplication();
    TDeviceContext dc(Width, Height);
    const int count = int(state.range(0));
    for (auto _ : state) {
        QPainter painter(&dc.Image());
        painter.setPen(Qt::black);
        for (int i = 0; i < count; ++i) {
            const TShape s = ShapeAt(i);
            painter.setBrush(ColorToQColor(s.Color));
            const QRectF r = ToQRect(s.Rect);
            switch (s.Kind) {
            case 0:
                painter.drawRect(r);
                break;
            case 1:
                painter.drawEllipse(r);
                break;
            case 2:
                painter.drawRoundedRect(r, 4, 4);
                break;
            case 3:
                painter.drawLine(r.topLeft(), r.bottomRight());
                break;
            default:
                painter.drawPolygon(QPolygonF({r.bottomLeft(), QPointF(r.center().x(), r.top()), r.bottomRight()}));
                break;
            }
        }
        painter.end();
        benchmark::DoNotOptimize(dc.Bits());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_WinSceneText(benchmark::State& state)
{
    EnsureGuiApplication();
    TDeviceContext dc(Width, Height);
    TCanvas canvas(dc);
    const int count = int(state.range(0));
    for (auto _ : state) {
        auto graphics = TKestGraphics::CreateNative(&canvas);
        graphics->BeginScene();
        graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
        graphics->SetFontColor(clBlack);
        for (int i = 0; i < count; ++i)
            graphics->DrawText(ShapeAt(i).Rect, TextAt(i));
        graphics->EndScene();
        benchmark::DoNotOptimize(dc.Bits());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_WinSceneText_QPainter(benchmark::State& state)
{
    EnsureGuiApplication();
    TDeviceContext dc(Width, Height);
    const int count = int(state.range(0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    for (auto _ : state) {
        QPainter painter(&dc.Image());
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < count; ++i)
            painter.drawText(ToQRect(ShapeAt(i).Rect), Qt::AlignLeft | Qt::AlignTop, TextAt(i));
        painter.end();
        benchmark::DoNotOptimize(dc.Bits());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

}

BENCHMARK(BM_WinSceneShapes)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSceneShapes_QPainter)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSceneText)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WinSceneText_QPainter)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
