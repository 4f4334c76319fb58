#pragma once
// Start-up and end of the run-time bound class module.

#include "gdiplus/api/GdiplusEnums.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

// Loads the library and starts drawing, once; runs at program start and on
// the first object created before that. Returns the start-up status
// (GdiplusNotInitialized when the library is missing).
GdiplusFlat::Status StartModule();
// Frees the shared generic objects and releases the library.
void FinishModule();
bool ModuleStarted();

}

#pragma GCC visibility pop
