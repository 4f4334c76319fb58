#pragma once
// The table of entry points of the flat drawing interface: one function
// pointer per exported name, empty where the library does not export it.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace GdiplusFlat {

struct TGdiplusApiTable {
#define KEST_GDIP_FLAT(ret, name, args) ret(*name) args = nullptr;
#include "gdiplus/api/GdiplusFlatList.h"
#undef KEST_GDIP_FLAT
};

}

#pragma GCC visibility pop
