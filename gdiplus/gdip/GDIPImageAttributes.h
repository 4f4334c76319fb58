#pragma once
// Colour adjustments applied while an image is drawn. Each Set has a Clear
// that switches the adjustment off again for that adjustment type.

#include "gdiplus/gdip/GDIPBase.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPImageAttributes : public TGdiplusBase {
public:
    TGPImageAttributes();

    std::unique_ptr<TGPImageAttributes> Clone();
    TStatus SetToIdentity(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus Reset(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                           ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorMatrix(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                             ColorMatrixFlags mode = ColorMatrixFlagsDefault,
                             ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorMatrices(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetThreshold(REAL threshold, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearThreshold(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetGamma(REAL gamma, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearGamma(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearNoOp(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearColorKey(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearOutputChannel(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetOutputChannelColorProfile(const QString& colorProfileFilename,
                                         ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearOutputChannelColorProfile(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetRemapTable(UINT mapSize, const ColorMap* map, ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus ClearRemapTable(ColorAdjustType type = ColorAdjustTypeDefault);
    TStatus SetBrushRemapTable(UINT mapSize, const ColorMap* map);
    TStatus ClearBrushRemapTable();
    TStatus SetWrapMode(WrapMode wrap, ARGB color = 0xFF000000, bool clamp = false);
    TStatus GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpImageAttributes* Native() const { return nativeImageAttr.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpImageAttributes, &GdipDisposeImageAttributes> nativeImageAttr;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
