#pragma once
// The drawing library's brush for a fill of the graphics library over one
// shape's path.

#include "gdiplus/classes/GPBrushes.h"
#include "gdiplus/classes/GPPath.h"

#include <memory>

#pragma GCC visibility push(default)

class TKestCustomGraphicsFill;

namespace KestGraphicsWin {

// Solid: the colour with the fill's opacity. Linear gradient: over the
// path's bounds widened by 1 on every side, horizontal, vertical or at the
// fill's angle, the stops as interpolation colours, the gradient matrix
// prepended to the brush's transform. Radial: a path gradient over the
// shape's own path from the boundary (0) to the centre (1), so it takes the
// stops reversed; centre colour and point from the fill, transform the
// gradient matrix. No kind, a texture (the canvas draws textures) or a
// gradient without stops: a fully transparent brush, nothing painted.
std::unique_ptr<KestGDIPlusClasses::TGPBrush> MakeWinBrush(const TKestCustomGraphicsFill& fill,
                                                           KestGDIPlusClasses::TGPGraphicsPath& path);

}

#pragma GCC visibility pop
