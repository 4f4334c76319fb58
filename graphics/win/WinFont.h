#pragma once
// The drawing library's font for a font of the graphics library.

#include "gdiplus/classes/GPFonts.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TFont;

namespace KestGraphicsWin {

// The family drawn for a font name: "Arial" for an empty name or "DEFAULT"
// in any case.
QString WinFontFamily(const QString& name);
// The size in points: the font's size, 8 for 0. A negative size (a font
// stored by its cell height) draws at its absolute size; the library would
// refuse it and draw no text.
float WinFontSize(const TFont& font);
// Family, size, style bits (bold 1, italic 2, underline 4, strike-out 8), in
// points.
std::unique_ptr<KestGDIPlusClasses::TGPFont> MakeWinFont(const TFont& font);

}

#pragma GCC visibility pop
