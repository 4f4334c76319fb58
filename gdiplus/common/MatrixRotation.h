#pragma once
// Rotating a matrix about a point: move the point to the origin, rotate,
// move it back, in the order the caller asks for.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

namespace GdiplusFlat {

struct TRotationCalls {
    GpStatus (*Translate)(GpMatrix*, REAL, REAL, GpMatrixOrder);
    GpStatus (*Rotate)(GpMatrix*, REAL, GpMatrixOrder);
};

inline GpStatus RotateMatrixAt(const TRotationCalls& calls, GpMatrix* matrix, REAL angle, const PointF& center,
                               MatrixOrder order)
{
    REAL sign = order == MatrixOrderAppend ? -1 : 1;
    GpStatus status = calls.Translate(matrix, sign * center.X, sign * center.Y, order);
    if (status == Ok)
        status = calls.Rotate(matrix, angle, order);
    if (status == Ok)
        status = calls.Translate(matrix, -sign * center.X, -sign * center.Y, order);
    return status;
}

}

#pragma GCC visibility pop
