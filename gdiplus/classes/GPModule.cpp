#include "gdiplus/classes/GPModule.h"

#include "gdiplus/KestGDIPlusApi.h"
#include "gdiplus/api/GdiplusSession.h"
#include "gdiplus/classes/GPFonts.h"
#include "gdiplus/classes/GPStringFormat.h"

namespace KestGDIPlusClasses {

namespace {

constinit bool GStarted = false;
constinit Status GStartStatus = GdiplusNotInitialized;

// Module start-up and end, tied to the program's static lifetime.
struct TClassesModule {
    TClassesModule() { StartModule(); }
    ~TClassesModule() { FinishModule(); }
} GModule;

}

Status StartModule()
{
    if (GStarted)
        return GStartStatus;
    GStarted = true;
    if (!KestGDIPlusApi::LoadGdiplus() || !KestGDIPlusApi::Gdiplus().Table().GdiplusStartup)
        return GStartStatus = GdiplusNotInitialized;
    GdiplusStartupInput input; // version 1, background thread and codecs allowed
    GStartStatus = TGdiplusSession::Start(KestGDIPlusApi::Gdiplus().Table().GdiplusStartup, input);
    return GStartStatus;
}

void FinishModule()
{
    if (!GStarted)
        return;
    TGPFontFamily::FreeGenerics();
    TGPStringFormat::FreeGenerics();
    // The library itself stays started until the process ends (see
    // TGdiplusSession); the table is cleared so nothing calls it any more.
    KestGDIPlusApi::UnloadGdiplus();
    GStarted = false;
    GStartStatus = GdiplusNotInitialized;
}

bool ModuleStarted() { return GStarted && GStartStatus == Ok; }

}
