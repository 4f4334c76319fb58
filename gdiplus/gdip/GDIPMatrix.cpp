#include "gdiplus/gdip/GDIPMatrix.h"

#include "gdiplus/common/MatrixRotation.h"

namespace KestGDIP {

TGPMatrix::TGPMatrix() { lastResult = AdoptNative(nativeMatrix, &GdipCreateMatrix); }

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    lastResult = AdoptNative(nativeMatrix, &GdipCreateMatrix2, m11, m12, m21, m22, dx, dy);
}

TGPMatrix::TGPMatrix(GpMatrix* native, TStatus status) : lastResult(status) { nativeMatrix.reset(native); }

TGPMatrix* TGPMatrix::Clone()
{
    GpMatrix* copy = nullptr;
    TStatus status = SetStatus(GdipCloneMatrix(Native(), &copy));
    return new TGPMatrix(copy, status);
}

TStatus TGPMatrix::GetElements(TMatrixElements& m) { return SetStatus(GdipGetMatrixElements(Native(), m.data())); }

TStatus TGPMatrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    return SetStatus(GdipSetMatrixElements(Native(), m11, m12, m21, m22, dx, dy));
}

REAL TGPMatrix::Element(int index)
{
    TMatrixElements m{};
    return GetElements(m) == Ok ? m[size_t(index)] : 0;
}

REAL TGPMatrix::OffsetX() { return Element(4); }

REAL TGPMatrix::OffsetY() { return Element(5); }

TStatus TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

TStatus TGPMatrix::Multiply(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyMatrix(Native(), NativeOf(matrix), order));
}

TStatus TGPMatrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return SetStatus(GdipTranslateMatrix(Native(), offsetX, offsetY, order));
}

TStatus TGPMatrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return SetStatus(GdipScaleMatrix(Native(), scaleX, scaleY, order));
}

TStatus TGPMatrix::Rotate(REAL angle, MatrixOrder order) { return SetStatus(GdipRotateMatrix(Native(), angle, order)); }

TStatus TGPMatrix::RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order)
{
    return SetStatus(RotateMatrixAt({&GdipTranslateMatrix, &GdipRotateMatrix}, Native(), angle, center, order));
}

TStatus TGPMatrix::Shear(REAL shearX, REAL shearY, MatrixOrder order)
{
    return SetStatus(GdipShearMatrix(Native(), shearX, shearY, order));
}

TStatus TGPMatrix::Invert() { return SetStatus(GdipInvertMatrix(Native())); }

TStatus TGPMatrix::TransformPoints(TGPPointF* pts, INT count)
{
    return SetStatus(GdipTransformMatrixPoints(Native(), pts, count));
}

TStatus TGPMatrix::TransformVectors(TGPPointF* pts, INT count)
{
    return SetStatus(GdipVectorTransformMatrixPoints(Native(), pts, count));
}

bool TGPMatrix::IsInvertible() { return ReadProperty<BOOL>(lastResult, Native(), &GdipIsMatrixInvertible) != 0; }

bool TGPMatrix::IsIdentity() { return ReadProperty<BOOL>(lastResult, Native(), &GdipIsMatrixIdentity) != 0; }

}
