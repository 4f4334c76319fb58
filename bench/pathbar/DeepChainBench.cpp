// A stored chain of nodes, each the only child of the one before: reading it
// into the bar (the auto-complete list then holds every node's full path) and
// selecting its deepest node. Beside them, the least any list of those paths
// costs: building each path by one append to its parent's path.

#include "framework/Stream.h"
#include "pathbar/KestExplorerTreeview.h"

#include <benchmark/benchmark.h>

#include <QStringList>

namespace {

QString NodeName(int i) { return QStringLiteral("n%1").arg(i % 1000); }

// The stored form of a chain of depth nodes, made once per size.
QByteArray StoredChain(int depth)
{
    TKestExplorerTreeview bar(nullptr);
    bar.SetMode(aeCustom);
    bar.SetAutoComplete(false);
    TKestTreeNode* node = bar.Items()->Add(NodeName(0));
    for (int i = 1; i < depth; ++i)
        node = node->AddChild(NodeName(i));
    TMemoryStream out;
    bar.Items()->WriteData(out);
    return out.Bytes();
}

TKestTreeNode* Deepest(TKestExplorerTreeview& bar)
{
    TKestTreeNode* node = bar.Items()->GetFirstNode();
    while (node && node->GetFirstChild())
        node = node->GetFirstChild();
    return node;
}

void ReadChain(benchmark::State& state, bool autoComplete)
{
    const QByteArray stored = StoredChain(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeCustom);
        bar->SetAutoComplete(autoComplete);
        TMemoryStream in(stored);
        state.ResumeTiming();
        bar->Items()->ReadData(in);
        state.PauseTiming(); // the bar's teardown is not part of reading
        bar.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

void SelectDeepest(benchmark::State& state, bool autoComplete)
{
    const QByteArray stored = StoredChain(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeCustom);
        bar->SetAutoComplete(autoComplete);
        bar->resize(600, 24);
        TMemoryStream in(stored);
        bar->Items()->ReadData(in);
        TKestTreeNode* deepest = Deepest(*bar);
        state.ResumeTiming();
        bar->SetSelectedNode(deepest);
        state.PauseTiming();
        bar.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

// The peer: every path of the chain as a list of strings, each built from
// its parent's by one append.
void BM_ChainPathsAlone(benchmark::State& state)
{
    const int depth = int(state.range(0));
    for (auto _ : state) {
        QStringList paths;
        paths.reserve(depth);
        QString path = NodeName(0) + u'/';
        paths << path;
        path.chop(1);
        for (int i = 1; i < depth; ++i) {
            path = path + u'/' + NodeName(i);
            paths << path;
        }
        benchmark::DoNotOptimize(paths);
    }
    state.SetComplexityN(state.range(0));
}

void BM_ReadChain(benchmark::State& s) { ReadChain(s, false); }
void BM_ReadChainWithAutoComplete(benchmark::State& s) { ReadChain(s, true); }
void BM_SelectDeepest(benchmark::State& s) { SelectDeepest(s, false); }

}

// With auto-complete the list holds every path of the chain: n paths of up
// to n segments, so its size (and any way of building it) grows with n times
// the path length; 100,000 deep would hold tens of gigabytes of text.
BENCHMARK(BM_ChainPathsAlone)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ReadChainWithAutoComplete)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_ReadChain)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(BM_SelectDeepest)->RangeMultiplier(10)->Range(1000, 100000)->Unit(benchmark::kMillisecond)->Complexity();
