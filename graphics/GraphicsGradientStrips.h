#pragma once
// A two-colour gradient drawn as one-pixel strips on the framework canvas,
// with the corners of the set rounded by the radius.

#include "framework/Color.h"
#include "framework/Rect.h"
#include "graphics/GraphicsEnums.h"

#pragma GCC visibility push(default)

class TCanvas;

// Strips run across the rectangle: columns when horizontal, rows otherwise.
// The canvas keeps its pen and brush. Strips outside the canvas's clip are
// not drawn, so a huge rectangle costs what its visible part costs.
void FillGradientStrips(TCanvas& canvas, TColor color, TColor colorTo, const TRect& rect, float radius,
                        TKestGraphicsCorners corners, bool horizontal);

#pragma GCC visibility pop
