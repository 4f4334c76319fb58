#pragma once
// The process-wide colours of the style-adapted control parts. All black
// until a client calls TKestGraphics::SetDefaultGraphicColors or sets them.

#include "framework/Color.h"

#pragma GCC visibility push(default)

struct TKestGraphicsDefaultColors {
    TColor DefaultGlyphColor = 0;
    TColor DefaultBorderColor = 0;
    TColor DefaultFillColor = 0;
    TColor DefaultFocusBorderColor = 0;
    TColor DefaultFocusFillColor = 0;
    TColor DefaultDisabledBorderColor = 0;
    TColor DefaultDisabledFillColor = 0;
};

TKestGraphicsDefaultColors& KestGraphicsDefaultColors();

#pragma GCC visibility pop
