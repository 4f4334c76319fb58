#pragma once
// Colour tones: a custom palette a styler can hand to a control instead of
// a named style, and the colour arithmetic they are built with.

#include "framework/Color.h"

#pragma GCC visibility push(default)

namespace KestStyles {

struct TColorTone {
    TColor BrushColor;
    TColor BorderColor;
    TColor TextColor;
    friend bool operator==(const TColorTone&, const TColorTone&) = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones&, const TColorTones&) = default;
};

// Tones built from the system colours.
TColorTones DefaultColorTones();
// The flat look's tones around an accent colour. The text colour is part of
// the signature stylers call with but does not enter the result.
TColorTones MakeMetroTones(bool light, TColor accentColor, TColor textColor);

// Each of red, green and blue scaled by (100 - percent) / 100, rounded to
// the nearest (halves to even) and kept within 0..255; a system colour is
// resolved first.
TColor DarkerColor(TColor color, int percent);

}

using KestStyles::TColorTone;
using KestStyles::TColorTones;

#pragma GCC visibility pop
