// The framework-canvas back-end's gradients: two colours over W x H through
// FillGradientStrips (one strip per row) beside QPainter::fillRect with a
// QLinearGradient in the same run, up to 1920 x 1080.

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "graphics/GraphicsGradientStrips.h"
#include "graphics/KestGraphicsTypes.h"

#include <QLinearGradient>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

QSize GradientSize(int64_t step) { return QSize(480 * int(step), 270 * int(step)); }

void BM_Gradient_FillGradientStrips(benchmark::State& state)
{
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

// 1, 2 and 4 times 480 x 270: up to 1920 x 1080.
BENCHMARK(BM_Gradient_FillGradientStrips)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Gradient_QLinearGradient)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);
