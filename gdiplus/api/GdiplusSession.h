#pragma once
// The drawing library's start-up, shared by both drawing modules.
//
// libgdiplus keeps a single "started" flag for the whole process rather than
// a count, so the first module to shut down would end drawing for the other;
// and its shut-down finalises the process-wide font configuration that Qt
// uses too (it aborts on an assertion once text has been measured). So the
// library is started once, by whichever module comes first, and left running
// until the process ends; each module keeps its own token as bookkeeping.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace GdiplusFlat {

using StartupFunction = GpStatus (*)(ULONG_PTR*, const GdiplusStartupInput*, GdiplusStartupOutput*);

class TGdiplusSession {
public:
    // Starts the library through that entry unless it runs already.
    static GpStatus Start(StartupFunction startup, const GdiplusStartupInput& input);
    static bool Running();
};

}

#pragma GCC visibility pop
