#pragma once
// The engine's matrix as Qt's transform, for the drawing it does with Qt's
// raster directly (gradient pixels, clip masks).

#include "graphics/GraphicsMatrix.h"

#include <QTransform>

inline QTransform ToQTransform(const TKestGraphicsMatrix& m)
{
    return QTransform(m.m11(), m.m12(), m.m21(), m.m22(), m.m31(), m.m32());
}
