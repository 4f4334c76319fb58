#pragma once
// The colours each named style gives the path bar: one preset per style,
// written into the appearance records through their property writers (so
// the records notify as they do for any other change).

#include "framework/Color.h"
#include "styles/ZPXStyle.h"

#pragma GCC visibility push(default)

class TExpTreeviewAppearance;

// Writes the preset of style; tsCustom leaves everything as it is.
// frameColor is the presets' inner frame line.
void ApplyAppearancePreset(TExpTreeviewAppearance& appearance, TZPXStyle style, TColor frameColor);

#pragma GCC visibility pop
