// The node buttons of a bar showing a 50-level path: made by the first
// selection, rebuilt after a resize (the bar reselects its node), and the
// whole bar painted with its buttons.

#include "pathbar/KestExplorerTreeview.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

// A shown 600-pixel bar in program-supplied mode holding 50 nested nodes;
// returns the deepest.
TKestTreeNode* ShowDeepPath(TKestExplorerTreeview& bar)
{
    bar.SetMode(aeCustom);
    TKestTreeNode* node = bar.Items()->Add(QStringLiteral("Level 0"));
    for (int i = 1; i < 50; ++i)
        node = node->AddChild(QStringLiteral("Level %1").arg(i));
    bar.setGeometry(0, 0, 600, 25);
    bar.show();
    return node;
}

// The same bar selecting the deepest node.
std::unique_ptr<TKestExplorerTreeview> DeepBar()
{
    auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
    bar->SetSelectedNode(ShowDeepPath(*bar));
    return bar;
}

void BM_ResizeRebuildsButtons(benchmark::State& state)
{
    auto bar = DeepBar();
    int width = 600;
    for (auto _ : state) {
        width = width == 600 ? 601 : 600;
        bar->setGeometry(0, 0, width, 25);
        benchmark::DoNotOptimize(Inside(bar).NodeButtons().size());
        // Replaced buttons are freed by the event loop, as in the program.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    state.counters["buttons"] = double(Inside(bar).NodeButtons().size());
}
BENCHMARK(BM_ResizeRebuildsButtons)->Unit(benchmark::kMicrosecond);

// The first selection of a new bar: the node buttons are made, not reused,
// and no text width is known yet.
void BM_FirstSelectionMakesButtons(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        TKestTreeNode* deepest = ShowDeepPath(*bar);
        state.ResumeTiming();
        bar->SetSelectedNode(deepest);
        benchmark::DoNotOptimize(Inside(bar).NodeButtons().size());
        state.PauseTiming();
        bar.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FirstSelectionMakesButtons)->Unit(benchmark::kMicrosecond);

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
