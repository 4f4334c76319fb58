#pragma once
// Start-up of the link-time bound module: at program start, and on demand
// when an object is created before that.

#include "gdiplus/api/GdiplusEnums.h"

namespace KestGDIP {

GdiplusFlat::Status StartModule();
bool ModuleStarted();

}
