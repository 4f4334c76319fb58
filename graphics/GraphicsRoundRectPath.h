#pragma once
// The outline of a rectangle with some corners rounded, as the canvas and
// its back-ends build it: from the bottom-left corner round through the
// top-left, top-right and bottom-right ones, each corner in the set a 90
// degree arc of the radius (start angles -270, -180, -90 and 0), the others
// square; the figure closed.

#include "graphics/GraphicsEnums.h"

class TKestGraphicsPath;

void AddRoundRectanglePath(TKestGraphicsPath& path, const TRectF& rect, float rounding,
                           TKestGraphicsCorners corners);
