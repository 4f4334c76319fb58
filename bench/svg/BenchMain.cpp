// The SVG benchmarks need a GUI application object, as Qt's renderer does.
#include "BenchApplication.h"

#include "graphics/svg/KestGraphicsSVGModule.h"
#include "pictures/KestTypes.h"

#include <QGuiApplication>

int main(int argc, char** argv)
{
    return RunBenchmarksIn<QGuiApplication>(argc, argv, [] {
        KestTypes::RegisterModule();
        KestGraphicsSVGModule::RegisterModule();
    });
}
