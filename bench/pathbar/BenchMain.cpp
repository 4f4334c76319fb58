// The path bar's benchmarks run inside a QApplication, as the bar does.

#include "framework/Application.h"
#include "pathbar/KestExplorerTreeview.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    TCustomExplorerTreeview::RegisterModule();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
