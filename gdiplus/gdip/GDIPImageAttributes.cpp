#include "gdiplus/gdip/GDIPImageAttributes.h"

namespace KestGDIP {

TGPImageAttributes::TGPImageAttributes() { lastResult = AdoptNative(nativeImageAttr, &GdipCreateImageAttributes); }

std::unique_ptr<TGPImageAttributes> TGPImageAttributes::Clone()
{
    auto copy = std::make_unique<TGPImageAttributes>();
    copy->lastResult = SetStatus(AdoptNative(copy->nativeImageAttr, &GdipCloneImageAttributes,
                                             static_cast<const GpImageAttributes*>(Native())));
    return copy;
}

TStatus TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesToIdentity(Native(), type));
}

TStatus TGPImageAttributes::Reset(ColorAdjustType type) { return SetStatus(GdipResetImageAttributes(Native(), type)); }

TStatus TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(Native(), type, 1, &colorMatrix, nullptr, mode));
}

TStatus TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(Native(), type, 0, nullptr, nullptr, ColorMatrixFlagsDefault));
}

TStatus TGPImageAttributes::SetColorMatrices(const ColorMatrix& colorMatrix, const ColorMatrix& grayMatrix,
                                             ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorMatrix(Native(), type, 1, &colorMatrix, &grayMatrix, mode));
}

TStatus TGPImageAttributes::ClearColorMatrices(ColorAdjustType type) { return ClearColorMatrix(type); }

TStatus TGPImageAttributes::SetThreshold(REAL threshold, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(Native(), type, 1, threshold));
}

TStatus TGPImageAttributes::ClearThreshold(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesThreshold(Native(), type, 0, 0));
}

TStatus TGPImageAttributes::SetGamma(REAL gamma, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(Native(), type, 1, gamma));
}

TStatus TGPImageAttributes::ClearGamma(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesGamma(Native(), type, 0, 0));
}

TStatus TGPImageAttributes::SetNoOp(ColorAdjustType type) { return SetStatus(GdipSetImageAttributesNoOp(Native(), type, 1)); }

TStatus TGPImageAttributes::ClearNoOp(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesNoOp(Native(), type, 0));
}

TStatus TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(Native(), type, 1, colorLow, colorHigh));
}

TStatus TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesColorKeys(Native(), type, 0, 0, 0));
}

TStatus TGPImageAttributes::SetOutputChannel(ColorChannelFlags channelFlags, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(Native(), type, 1, channelFlags));
}

TStatus TGPImageAttributes::ClearOutputChannel(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannel(Native(), type, 0, ColorChannelFlagsLast));
}

TStatus TGPImageAttributes::SetOutputChannelColorProfile(const QString& colorProfileFilename, ColorAdjustType type)
{
    auto name = reinterpret_cast<const WCHAR*>(colorProfileFilename.utf16());
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(Native(), type, 1, name));
}

TStatus TGPImageAttributes::ClearOutputChannelColorProfile(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesOutputChannelColorProfile(Native(), type, 0, nullptr));
}

TStatus TGPImageAttributes::SetRemapTable(UINT mapSize, const ColorMap* map, ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(Native(), type, 1, mapSize, map));
}

TStatus TGPImageAttributes::ClearRemapTable(ColorAdjustType type)
{
    return SetStatus(GdipSetImageAttributesRemapTable(Native(), type, 0, 0, nullptr));
}

TStatus TGPImageAttributes::SetBrushRemapTable(UINT mapSize, const ColorMap* map)
{
    return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

TStatus TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

TStatus TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GdipSetImageAttributesWrapMode(Native(), wrap, color, BOOL(clamp)));
}

TStatus TGPImageAttributes::GetAdjustedPalette(ColorPalette* colorPalette, ColorAdjustType colorAdjustType)
{
    return SetStatus(GdipGetImageAttributesAdjustedPalette(Native(), colorPalette, colorAdjustType));
}

}
