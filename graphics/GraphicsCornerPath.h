#pragma once
// The outline of a rectangle whose chosen corners are rounded: 90 degree
// arcs of the same radius on both axes at the corners in the set, square
// corners elsewhere, one closed figure (bottom-left, top-left, top-right,
// bottom-right). The radius is not limited by the rectangle's size.

#include "graphics/GraphicsEnums.h"

#pragma GCC visibility push(default)

class TKestGraphicsPath;

void AddCornerRectangle(TKestGraphicsPath& path, const TRectF& rect, float rounding, TKestGraphicsCorners corners);

#pragma GCC visibility pop
