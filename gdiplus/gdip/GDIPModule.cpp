#include "gdiplus/gdip/GDIPModule.h"

#include "gdiplus/api/GdiplusSession.h"
#include "gdiplus/gdip/GdipImports.h"

namespace KestGDIP {

using namespace GdiplusFlat;

namespace {

constinit bool GStarted = false;
constinit Status GStartStatus = GdiplusNotInitialized;

// Module start-up at program start. There is no matching shut-down: the
// library stays up until the process ends (see TGdiplusSession), and the
// shared generic font families of this module are never freed.
struct TGdipModule {
    TGdipModule() { StartModule(); }
} GModule;

}

Status StartModule()
{
    if (GStarted && GStartStatus == Ok)
        return Ok;
    GdiplusStartupInput input;
    input.SuppressBackgroundThread = 1;
    GStartStatus = TGdiplusSession::Start(&GdiplusStartup, input);
    GStarted = true;
    return GStartStatus;
}

bool ModuleStarted() { return GStarted && GStartStatus == Ok; }

}
