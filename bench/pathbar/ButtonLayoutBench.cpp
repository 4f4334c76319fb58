// The node buttons of a bar showing a 50-level path: rebuilt after a resize
// (the bar reselects its node), and the whole bar painted with its buttons.

#include "pathbar/KestExplorerTreeview.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A shown 600-pixel bar in program-supplied mode selecting the deepest of
// 50 nested nodes.
std::unique_ptr<TKestExplorerTreeview> DeepBar()
{
    auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
    bar->SetMode(aeCustom);
    TKestTreeNode* node = bar->Items()->Add(QStringLiteral("Level 0"));
    for (int i = 1; i < 50; ++i)
        node = node->AddChild(QStringLiteral("Level %1").arg(i));
    bar->setGeometry(0, 0, 600, 25);
    bar->show();
    bar->SetSelectedNode(node);
    return bar;
}

void BM_ResizeRebuildsButtons(benchmark::State& state)
{
    auto bar = DeepBar();
    int width = 600;
    for (auto _ : state) {
        width = width == 600 ? 601 : 600;
        bar->setGeometry(0, 0, width, 25);
        benchmark::DoNotOptimize(bar->NodeButtons().size());
        // Replaced buttons are freed by the event loop, as in the program.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}
BENCHMARK(BM_ResizeRebuildsButtons)->Unit(benchmark::kMicrosecond);

void BM_PaintWholeBar(benchmark::State& state)
{
    auto bar = DeepBar();
    QImage target(bar->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bar->render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintWholeBar)->Unit(benchmark::kMicrosecond);

}
