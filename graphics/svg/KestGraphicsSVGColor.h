#pragma once
// Colour values as SVG writes them: "#rgb" and "#rrggbb", "rgb()" and
// "rgba()", "#rrggbbaa", "hsl()", and colour names. A malformed colour is -1 (gcNull), never an
// exception.

#include "framework/Color.h"

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGColor {
public:
    // Any colour value; alpha is 255 unless an rgba() gives another.
    static TColor Parse(QStringView text, int& alpha);
    // "#" and three or six hexadecimal digits (the first character is not
    // looked at); the empty text and malformed digits give -1.
    static TColor FromHTML(QStringView text);
    // The same, and "#rgba" and "#rrggbbaa" with their alpha.
    static TColor FromHTML(QStringView text, int& alpha);
    // "rgb(r, g, b)" or "rgba(r, g, b, a)": decimal, hexadecimal or
    // percentage components, clamped to 0..255; "hsl(h, s%, l%)" and
    // "hsla()" likewise. The function name may be in any case.
    static TColor FromRGB(QStringView text, int& alpha);
    // A colour keyword, ignoring case and a leading "cl" or "gc"; 0 (black)
    // when unknown.
    static TColor FromName(QStringView text);
};

#pragma GCC visibility pop
