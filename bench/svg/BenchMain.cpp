// The SVG benchmarks run inside a QGuiApplication, as Qt's renderer needs one.

#include "graphics/svg/KestGraphicsSVGModule.h"
#include "pictures/KestTypes.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    KestTypes::RegisterModule();
    KestGraphicsSVGModule::RegisterModule();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
