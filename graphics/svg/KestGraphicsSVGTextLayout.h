#pragma once
// Lays a text element out as glyph outlines in its user space: runs of
// characters shaped in their span's font, placed by the x, y, dx, dy and
// rotate values, letter-spaced, and each chunk (from one absolute position
// to the next) moved by its text-anchor.

#include "graphics/GraphicsPath.h"

#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;

// The outlines of the characters one element styles, within one chunk.
struct TKestGraphicsSVGTextPiece {
    const TKestGraphicsSVGElement* Style = nullptr;
    std::unique_ptr<TKestGraphicsPath> Path;
};

class TKestGraphicsSVGTextLayout {
public:
    static std::vector<TKestGraphicsSVGTextPiece> Layout(const TKestGraphicsSVGElement& text);
    // Every outline of the text in one path; false when it shows nothing.
    static bool Outline(const TKestGraphicsSVGElement& text, TKestGraphicsPath& path);
};

#pragma GCC visibility pop
