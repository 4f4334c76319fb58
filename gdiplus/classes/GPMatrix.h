#pragma once
// An affine 2-D matrix: m11 m12 m21 m22 dx dy.

#include "gdiplus/classes/GPBase.h"

#include <array>

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

using TMatrixElements = std::array<REAL, 6>;

class TGPMatrix : public TGdiplusBase {
public:
    TGPMatrix();
    TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    // Maps the rectangle onto the parallelogram of three points.
    TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg);

    TGPMatrix* Clone();
    Status GetElements(TMatrixElements& m);
    Status SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy);
    REAL OffsetX();
    REAL OffsetY();
    Status Reset();
    Status Multiply(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status Translate(REAL offsetX, REAL offsetY, MatrixOrder order = MatrixOrderPrepend);
    Status Scale(REAL scaleX, REAL scaleY, MatrixOrder order = MatrixOrderPrepend);
    Status Rotate(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    Status RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order = MatrixOrderPrepend);
    Status Shear(REAL shearX, REAL shearY, MatrixOrder order = MatrixOrderPrepend);
    Status Invert();
    Status TransformPoints(TGPPointF* pts, INT count = 1);
    Status TransformPoints(TGPPoint* pts, INT count = 1);
    Status TransformVectors(TGPPointF* pts, INT count = 1);
    bool IsInvertible();
    bool IsIdentity();
    bool Equals(const TGPMatrix* matrix);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpMatrix* Native() const { return nativeMatrix.get(); }

protected:
    explicit TGPMatrix(GpMatrix* native) { nativeMatrix.reset(native); }
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }
    REAL Element(int index);

    TNative<GpMatrix, &TGdiplusApiTable::GdipDeleteMatrix> nativeMatrix;
    Status lastResult = Ok;

    friend class TGPGraphics;
    friend class TGPLinearGradientBrush;
    friend class TGPPathGradientBrush;
    friend class TGPTextureBrush;
};

}

#pragma GCC visibility pop
