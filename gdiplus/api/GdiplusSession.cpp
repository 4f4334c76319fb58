#include "gdiplus/api/GdiplusSession.h"

namespace GdiplusFlat {

namespace {
constinit bool GRunning = false;
}

GpStatus TGdiplusSession::Start(StartupFunction startup, const GdiplusStartupInput& input)
{
    if (GRunning)
        return Ok;
    // The library refuses a suppressed background thread without somewhere
    // to return the notification hooks, so always pass an output record.
    ULONG_PTR token = 0;
    GdiplusStartupOutput output;
    GpStatus status = startup(&token, &input, &output);
    GRunning = status == Ok;
    return status;
}

bool TGdiplusSession::Running() { return GRunning; }

}
