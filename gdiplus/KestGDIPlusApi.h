#pragma once
// The run-time binding of the flat drawing interface: the library is loaded
// by name when the class module starts and every flat function is looked up
// into the table of entry points. Calls go through GDIPLUS_API(name), which
// raises EGdiplusError naming the library or function when it is missing.

#include "gdiplus/api/GdiplusLibrary.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusApi {

using namespace GdiplusFlat;

inline constexpr const char* GdiplusLibraryName = "libgdiplus.so.0";

// The library the class module draws through.
TGdiplusLibrary& Gdiplus();
// Loads it by name (once); false when it is not there.
bool LoadGdiplus();
// Releases it and clears the table.
void UnloadGdiplus();

// The table entry for a member, empty when the library is gone; used where a
// missing function must be skipped rather than reported (deleting).
template <auto Member>
auto TableEntry()
{
    return Gdiplus().Table().*Member;
}

inline ARGB GPColorFromChannels(BYTE alpha, BYTE red, BYTE green, BYTE blue)
{
    return ARGB(alpha) << 24 | ARGB(red) << 16 | ARGB(green) << 8 | ARGB(blue);
}

}

#define GDIPLUS_API(name) \
    ::KestGDIPlusApi::Gdiplus().Entry(&::GdiplusFlat::TGdiplusApiTable::name, #name)

#pragma GCC visibility pop
