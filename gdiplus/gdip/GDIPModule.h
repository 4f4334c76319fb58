#pragma once
// Start-up of the link-time bound module: at program start, and on demand
// when an object is created before that.

#include "gdiplus/api/GdiplusEnums.h"

#pragma GCC visibility push(default)

namespace KestGDIP {

GdiplusFlat::Status StartModule();
bool ModuleStarted();

}

#pragma GCC visibility pop
