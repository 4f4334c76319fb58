#include "gdiplus/classes/GPMatrix.h"

#include "gdiplus/common/MatrixRotation.h"

namespace KestGDIPlusClasses {

TGPMatrix::TGPMatrix()
{
    lastResult = AdoptNative(nativeMatrix, GDIPLUS_API(GdipCreateMatrix));
}

TGPMatrix::TGPMatrix(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    lastResult = AdoptNative(nativeMatrix, GDIPLUS_API(GdipCreateMatrix2),
                                                               m11, m12, m21, m22, dx, dy);
}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg)
{
    lastResult = AdoptNative(nativeMatrix, GDIPLUS_API(GdipCreateMatrix3),
                                                               &rect, dstplg);
}

TGPMatrix* TGPMatrix::Clone()
{
    GpMatrix* copy = nullptr;
    SetStatus(GDIPLUS_API(GdipCloneMatrix)(Native(), &copy));
    return new TGPMatrix(copy);
}

Status TGPMatrix::GetElements(TMatrixElements& m)
{
    return SetStatus(GDIPLUS_API(GdipGetMatrixElements)(Native(), m.data()));
}

Status TGPMatrix::SetElements(REAL m11, REAL m12, REAL m21, REAL m22, REAL dx, REAL dy)
{
    return SetStatus(GDIPLUS_API(GdipSetMatrixElements)(Native(), m11, m12, m21, m22, dx, dy));
}

REAL TGPMatrix::Element(int index)
{
    TMatrixElements m{};
    return GetElements(m) == Ok ? m[size_t(index)] : 0;
}

REAL TGPMatrix::OffsetX() { return Element(4); }

REAL TGPMatrix::OffsetY() { return Element(5); }

Status TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

Status TGPMatrix::Multiply(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipMultiplyMatrix)(Native(), NativeOf(matrix), order));
}

Status TGPMatrix::Translate(REAL offsetX, REAL offsetY, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipTranslateMatrix)(Native(), offsetX, offsetY, order));
}

Status TGPMatrix::Scale(REAL scaleX, REAL scaleY, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipScaleMatrix)(Native(), scaleX, scaleY, order));
}

Status TGPMatrix::Rotate(REAL angle, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipRotateMatrix)(Native(), angle, order));
}

Status TGPMatrix::RotateAt(REAL angle, const TGPPointF& center, MatrixOrder order)
{
    TRotationCalls calls{GDIPLUS_API(GdipTranslateMatrix), GDIPLUS_API(GdipRotateMatrix)};
    return SetStatus(RotateMatrixAt(calls, Native(), angle, center, order));
}

Status TGPMatrix::Shear(REAL shearX, REAL shearY, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipShearMatrix)(Native(), shearX, shearY, order));
}

Status TGPMatrix::Invert() { return SetStatus(GDIPLUS_API(GdipInvertMatrix)(Native())); }

Status TGPMatrix::TransformPoints(TGPPointF* pts, INT count)
{
    return SetStatus(GDIPLUS_API(GdipTransformMatrixPoints)(Native(), pts, count));
}

Status TGPMatrix::TransformPoints(TGPPoint* pts, INT count)
{
    return SetStatus(GDIPLUS_API(GdipTransformMatrixPointsI)(Native(), pts, count));
}

Status TGPMatrix::TransformVectors(TGPPointF* pts, INT count)
{
    return SetStatus(GDIPLUS_API(GdipVectorTransformMatrixPoints)(Native(), pts, count));
}

bool TGPMatrix::IsInvertible()
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsMatrixInvertible)(Native(), &result));
    return result != 0;
}

bool TGPMatrix::IsIdentity()
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsMatrixIdentity)(Native(), &result));
    return result != 0;
}

bool TGPMatrix::Equals(const TGPMatrix* matrix)
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsMatrixEqual)(Native(), NativeOf(matrix), &result));
    return result != 0;
}

}
