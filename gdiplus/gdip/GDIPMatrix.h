#pragma once
// An affine 2-D matrix: m11 m12 m21 m22 dx dy.

#include "gdiplus/gdip/GDIPBase.h"

#include <array>

#pragma GCC visibility push(default)

namespace KestGDIP {

using TMatrixElements = std::array<REAL, 6>;

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);

    TGPMatrix* Clone();
    TStatus GetElements(TMatrixElements& m);
    TStatus SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    REAL OffsetX();
    REAL OffsetY();
    TStatus Reset();
    TStatus Multiply(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    TStatus Shear(REAL shearX, REAL shearY, MatrixOrder order = MatrixOrderPrepend);
    TStatus Invert();
    TStatus TransformPoints(TGPPointF* pts, INT count = 1);
    TStatus TransformVectors(TGPPointF* pts, INT count = 1);
    bool IsInvertible();
    bool IsIdentity();
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpMatrix* Native() const { return nativeMatrix.get(); }

protected:
    TGPMatrix(GpMatrix* native, TStatus status);
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }
    REAL Element(int index);

    TNative<GpMatrix, &GdipDeleteMatrix> nativeMatrix;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
