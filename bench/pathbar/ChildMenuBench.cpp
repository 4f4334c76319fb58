// Building the child menu of a node with 5,000 children, as a press on its
// arrow does before the menu shows.

#include "pathbar/ChildMenu.h"
#include "pathbar/KestExplorerTreeview.h"
#include "pathbar/NodeButton.h"

#include <QMenu>
#include <benchmark/benchmark.h>

namespace {

void BM_ChildMenuOf5000Children(benchmark::State& state)
{
    TKestExplorerTreeview bar(nullptr);
    bar.SetMode(aeCustom);
    TKestTreeNode* parent = bar.Items()->Add(QStringLiteral("root"));
    for (int i = 0; i < 5000; ++i)
        parent->AddChild(QStringLiteral("Folder %1").arg(i));
    TNodeButton button(&bar);
    button.SetNode(parent);
    for (auto _ : state) {
        auto menu = CreateChildMenu(button);
        // The size the menu needs, computed when it shows.
        benchmark::DoNotOptimize(menu->sizeHint());
    }
}
BENCHMARK(BM_ChildMenuOf5000Children)->Unit(benchmark::kMillisecond);

}
