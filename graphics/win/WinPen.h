#pragma once
// The drawing library's pen for a stroke of the graphics library.

#include "gdiplus/classes/GPPen.h"

#include <memory>

#pragma GCC visibility push(default)

class TKestCustomGraphicsStroke;

namespace KestGraphicsWin {

// Colour and opacity, width, the dash style of the kind (gskNone keeps the
// pen's own), flat caps, clipped mitre joins with a limit of 4.
std::unique_ptr<KestGDIPlusClasses::TGPPen> MakeWinPen(const TKestCustomGraphicsStroke& stroke);

}

#pragma GCC visibility pop
