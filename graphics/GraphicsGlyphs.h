#pragma once
// The glyphs of the control parts, made once and kept: lines drawn on a
// small transparent bitmap (per glyph, scale and colour), and the SVG
// documents among the program's resources (per name, and per size once
// an SVG engine draws them).

#include "framework/Color.h"

#include <QString>

#pragma GCC visibility push(default)

class TPicture;

enum class TKestGlyph { Close, Down, Up, Right, Left, DropDown };

// The glyph's lines in that colour on a bitmap of round(16 * scale) pixels
// a side (7 * scale for the drop-down triangle); none for a scale of 0 or
// less, or one that would make a glyph larger than any control.
TPicture* DrawnGlyph(TKestGlyph glyph, double scale, TColor color);

// The named SVG resource as loaded: an empty picture when it is missing.
TPicture* ResourceGlyph(const QString& name);
// The same rendered at that size when an SVG engine can render it (kept per
// size), else the picture as loaded.
TPicture* ResourceGlyphAt(const QString& name, int width, int height);

#pragma GCC visibility pop
