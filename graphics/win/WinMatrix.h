#pragma once
// The graphics library's matrix and the drawing library's, element for
// element: m11 m12 m21 m22 m31 m32 (the last two the translation).

#include "gdiplus/classes/GPMatrix.h"
#include "graphics/GraphicsMatrix.h"

#include <memory>

#pragma GCC visibility push(default)

namespace KestGraphicsWin {

std::unique_ptr<KestGDIPlusClasses::TGPMatrix> ToWinMatrix(const TKestGraphicsMatrix& matrix);
// The six elements read into the matrix, the rest identity.
TKestGraphicsMatrix FromWinMatrix(KestGDIPlusClasses::TGPMatrix& matrix);

}

#pragma GCC visibility pop
