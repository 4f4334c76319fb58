// SVG documents from any bytes, through the importer: loaded, or refused
// with the engine's exception (the importer then empty); then rendered to a
// 64 x 64 bitmap and every element's paths walked. A crash, a hang, a leak or
// any other escaping exception is a finding. Run with -dict=fuzz/svg.dict.

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pictures/KestTypes.h"

#include <QGuiApplication>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals are gone by the time exit handlers run.
    static QGuiApplication* const app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QGuiApplication(argc, argv);
        KestTypes::RegisterModule();
        return a;
    }();
    (void)app;
}

void Walk(const TKestGraphicsSVGElementList& list)
{
    for (const auto& element : list) {
        if (element->HasPaths())
            for (const auto& path : element->Paths())
                (void)path->GetBounds();
        if (element->HasElements())
            Walk(element->Elements());
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EnsureApplication();
    TKestGraphicsSVGImport svg;
    try {
        svg.LoadFromText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)));
    } catch (const EKestGraphicsSVGError&) {
        if (svg.HasElements())
            __builtin_trap();
        return 0;
    }
    Walk(svg.ElementList());
    Walk(svg.DefsList());
    (void)svg.GenerateBitmap(64, 64);
    return 0;
}
