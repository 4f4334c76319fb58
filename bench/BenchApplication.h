// Runs the benchmarks named on the command line inside an application object
// of type TApp on the offscreen platform, after the modules a program needs
// are registered: fonts, pictures, documents and widgets need one.
#pragma once

#include <QByteArray>
#include <benchmark/benchmark.h>

template <typename TApp>
int RunBenchmarksIn(int argc, char** argv, void (*registerModules)() = nullptr)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApp app(argc, argv);
    if (registerModules)
        registerModules();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
