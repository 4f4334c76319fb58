// The node tree under the load of a large folder: 100,000 children added to
// one node, and cleared again, with and without the auto-complete list that
// follows the tree.

#include "framework/Application.h"
#include "pathbar/KestExplorerTreeview.h"

#include <benchmark/benchmark.h>

namespace {

// Unsorted names, so the sorted auto-complete list inserts everywhere; made
// once, outside the timings.
const std::vector<QString>& Names()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> v;
        for (int i = 0; i < 100000; ++i)
            v.push_back(QStringLiteral("Folder %1").arg((i * 7919) % 100000, 6, 10, QLatin1Char('0')));
        return v;
    }();
    return names;
}

// A bar in program-supplied mode with count children under one node.
TKestTreeNode* Fill(TKestExplorerTreeview& bar, bool autoComplete, int count)
{
    bar.SetMode(aeCustom);
    bar.SetAutoComplete(autoComplete);
    TKestTreeNode* parent = bar.Items()->Add("root");
    for (int i = 0; i < count; ++i)
        parent->AddChild(Names()[size_t(i)]);
    return parent;
}

void AddChildren(benchmark::State& state, bool autoComplete)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        TKestExplorerTreeview bar(nullptr);
        Fill(bar, autoComplete, count);
        state.PauseTiming(); // the bar's own teardown is not part of adding
        bar.Items()->Clear();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}

void ClearChildren(benchmark::State& state, bool autoComplete)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        TKestExplorerTreeview bar(nullptr);
        TKestTreeNode* parent = Fill(bar, autoComplete, count);
        state.ResumeTiming();
        parent->DeleteChildren();
    }
    state.SetComplexityN(count);
}

void BM_AddChildren(benchmark::State& s) { AddChildren(s, false); }
void BM_AddChildrenWithAutoComplete(benchmark::State& s) { AddChildren(s, true); }
void BM_ClearChildren(benchmark::State& s) { ClearChildren(s, false); }
void BM_ClearChildrenWithAutoComplete(benchmark::State& s) { ClearChildren(s, true); }

}

BENCHMARK(BM_AddChildren)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_AddChildrenWithAutoComplete)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ClearChildren)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ClearChildrenWithAutoComplete)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();

