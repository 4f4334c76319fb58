#pragma once
// Framework colours (0xBBGGRR, system colour indexes) as drawing colours.

#include "framework/Color.h"
#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace KestGDIP {

// System colours resolve first; alpha 255.
GdiplusFlat::ARGB ColorToGPColor(TColor color);
GdiplusFlat::ARGB ColorToGPColorAlpha(GdiplusFlat::BYTE alpha, TColor color);

}

#pragma GCC visibility pop
