#pragma once
// Colour adjustments applied while an image is drawn.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();

    TGPImageAttributes* Clone();
    Status SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    Status Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                          ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetGamma(REAL gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustTypeDefault);
    Status ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    Status SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpImageAttributes* Native() const { return nativeImageAttr.get(); }

protected:
    TGPImageAttributes(GpImageAttributes* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpImageAttributes, &TGdiplusApiTable::GdipDisposeImageAttributes> nativeImageAttr;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
