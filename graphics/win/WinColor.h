#pragma once
// Colours of the graphics library as the drawing library takes them: a
// framework colour (system colours resolved) with an opacity as alpha.

#include "framework/Color.h"
#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace KestGraphicsWin {

// round(opacity x 255), held to 0..255 (a NaN opacity is transparent), so an
// opacity above 1 or below 0 never wraps into another alpha.
GdiplusFlat::BYTE WinAlpha(float opacity);

// The colour with that opacity; gcNull has no colour of its own and gives
// transparent black.
GdiplusFlat::ARGB WinColor(TColor color, float opacity);

}

#pragma GCC visibility pop
