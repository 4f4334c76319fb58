// The node tree under the load of a large folder: 100,000 children added to
// one node, and cleared again, with and without the auto-complete list that
// follows the tree.

#include "framework/Application.h"
#include "pathbar/KestExplorerTreeview.h"

#include <benchmark/benchmark.h>
#include <memory>

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

// A bar in program-supplied mode with one top-level node, made and freed
// with the clock stopped: only the work on the tree is timed.
std::unique_ptr<TKestExplorerTreeview> Bar(bool autoComplete)
{
    auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
    bar->SetMode(aeCustom);
    bar->SetAutoComplete(autoComplete);
    bar->Items()->Add("root");
    return bar;
}

void AddChildren(TKestTreeNode* parent, int count)
{
    for (int i = 0; i < count; ++i)
        parent->AddChild(Names()[size_t(i)]);
}

void AddChildren(benchmark::State& state, bool autoComplete)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = Bar(autoComplete);
        state.ResumeTiming();
        AddChildren(bar->Items()->GetFirstNode(), count);
        state.PauseTiming();
        bar.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(count);
}

void ClearChildren(benchmark::State& state, bool autoComplete)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = Bar(autoComplete);
        TKestTreeNode* parent = bar->Items()->GetFirstNode();
        AddChildren(parent, count);
        state.ResumeTiming();
        parent->DeleteChildren();
        state.PauseTiming();
        bar.reset();
        state.ResumeTiming();
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

