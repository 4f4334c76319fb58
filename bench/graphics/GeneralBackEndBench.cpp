// The framework-canvas back-end beside plain QPainter in the same run:
// - a scene of N mixed shapes (filled and outlined rectangles, ellipses,
//   round rectangles, lines) and N texts in rectangles, N = 1,000, 3,000 and
//   10,000, drawn through the graphics canvas on a 1920 x 1080 surface;
// - a two-colour gradient over W x H through FillGradientStrips (one strip
//   per row) beside QPainter::fillRect with a QLinearGradient, up to
//   1920 x 1080.
// Run with QT_QPA_PLATFORM=offscreen (text needs the font database).

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "graphics/GraphicsGradientStrips.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsTypes.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

void EnsureApplication()
{
    if (QGuiApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "bench_graphics";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

constexpr int SceneWidth = 1920;
constexpr int SceneHeight = 1080;

struct TItem {
    int Kind;
    QRect Box;
    QString Text;
    TColor Color;
};

std::vector<TItem> Scene(int count)
{
    std::vector<TItem> items;
    items.reserve(size_t(count));
    unsigned seed = 12345;
    const auto next = [&seed](unsigned range) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 8) % range);
    };
    for (int i = 0; i < count; ++i) {
        const int w = 20 + next(120), h = 12 + next(60);
        items.push_back({i % 4, QRect(next(SceneWidth - w), next(SceneHeight - h), w, h),
                         QStringLiteral("Item %1").arg(i), RGB(next(256), next(256), next(256))});
    }
    return items;
}

void BM_Scene_General(benchmark::State& state)
{
    EnsureApplication();
    const std::vector<TItem> items = Scene(int(state.range(0)));
    auto graphics = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, false);
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    graphics->Stroke()->SetColor(clBlack);
    for (auto _ : state) {
        for (const TItem& item : items) {
            const TRectF r(float(item.Box.left()), float(item.Box.top()), float(item.Box.right() + 1),
                           float(item.Box.bottom() + 1));
            graphics->Fill()->SetColor(item.Color);
            switch (item.Kind) {
            case 0:
                graphics->DrawRectangle(r);
                break;
            case 1:
                graphics->DrawEllipse(r);
                break;
            case 2:
                graphics->DrawRoundRectangle(r, 6);
                break;
            default:
                graphics->DrawLine(TPointF(r.Left, r.Top), TPointF(r.Right, r.Bottom));
                break;
            }
        }
        for (const TItem& item : items)
            graphics->DrawText(TRectF(float(item.Box.left()), float(item.Box.top()), float(item.Box.right() + 1),
                                      float(item.Box.bottom() + 1)),
                               item.Text);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(items.size()) * 2);
}

void BM_Scene_QPainter(benchmark::State& state)
{
    EnsureApplication();
    const std::vector<TItem> items = Scene(int(state.range(0)));
    TDeviceContext dc(SceneWidth, SceneHeight);
    QPainter painter(&dc.Image());
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 8));
    for (auto _ : state) {
        for (const TItem& item : items) {
            painter.setPen(Qt::black);
            painter.setBrush(ColorToQColor(item.Color));
            switch (item.Kind) {
            case 0:
                painter.drawRect(item.Box.adjusted(0, 0, -1, -1));
                break;
            case 1:
                painter.drawEllipse(item.Box.adjusted(0, 0, -1, -1));
                break;
            case 2:
                painter.drawRoundedRect(item.Box.adjusted(0, 0, -1, -1), 6, 6);
                break;
            default:
                painter.drawLine(item.Box.topLeft(), item.Box.bottomRight());
                break;
            }
        }
        painter.setPen(Qt::black);
        for (const TItem& item : items)
            painter.drawText(item.Box, Qt::AlignCenter | Qt::TextSingleLine, item.Text);
    }
    state.SetItemsProcessed(state.iterations() * int64_t(items.size()) * 2);
}

QSize GradientSize(int64_t step) { return QSize(480 * int(step), 270 * int(step)); }

void BM_Gradient_FillGradientStrips(benchmark::State& state)
{
    EnsureApplication();
    const QSize size = GradientSize(state.range(0));
    TDeviceContext dc(size.width(), size.height());
    TCanvas canvas(dc);
    for (auto _ : state)
        FillGradientStrips(canvas, RGB(250, 250, 255), RGB(60, 100, 200), TRect(0, 0, size.width(), size.height()),
                           0, {}, false);
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

void BM_Gradient_QLinearGradient(benchmark::State& state)
{
    EnsureApplication();
    const QSize size = GradientSize(state.range(0));
    TDeviceContext dc(size.width(), size.height());
    QPainter painter(&dc.Image());
    QLinearGradient gradient(0, 0, 0, size.height());
    gradient.setColorAt(0, QColor(250, 250, 255));
    gradient.setColorAt(1, QColor(60, 100, 200));
    for (auto _ : state)
        painter.fillRect(QRect(QPoint(0, 0), size), gradient);
    state.SetItemsProcessed(state.iterations() * int64_t(size.width()) * size.height());
}

}

BENCHMARK(BM_Scene_General)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Scene_QPainter)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
// 1, 2 and 4 times 480 x 270: up to 1920 x 1080.
BENCHMARK(BM_Gradient_FillGradientStrips)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gradient_QLinearGradient)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
