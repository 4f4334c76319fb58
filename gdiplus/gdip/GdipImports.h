#pragma once
// The flat functions as the link-time bound module imports them: declared
// from the same list as the run-time table, resolved by the linker against
// the drawing library. Only the functions this module calls are imported.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace GdiplusFlat {
extern "C" {
#define KEST_GDIP_FLAT(ret, name, args) ret name args;
#include "gdiplus/api/GdiplusFlatList.h"
#undef KEST_GDIP_FLAT
}
}

#pragma GCC visibility pop
