#pragma once
// Colour values and functions of the graphics library.

#include "framework/Color.h"

#include <cstdint>

#pragma GCC visibility push(default)

// No colour: fills and strokes of this colour are not drawn.
inline constexpr TColor gcNull = TColor(-1);

// R + G*256 + B*65536, each channel taken as its low 8 bits.
TColor ColorFromChannels(int red, int green, int blue);

// Moves each channel of the (resolved) colour towards 255 by the
// percentage of its distance; 0 keeps the colour, 100 and more give white.
TColor LightenColor(TColor color, std::uint8_t percentage);

// What the colour setters of fills and strokes store: clNone becomes gcNull
// and clDefault the button face colour.
TColor StoredGraphicsColor(TColor color);

#pragma GCC visibility pop
