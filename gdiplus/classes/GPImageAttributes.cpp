#include "gdiplus/classes/GPImageAttributes.h"

namespace KestGDIPlusClasses {

TGPImageAttributes::TGPImageAttributes()
{
    lastResult = AdoptNative(nativeImageAttr, GDIPLUS_API(GdipCreateImageAttributes));
}

TGPImageAttributes::TGPImageAttributes(GpImageAttributes* native, Status status) : lastResult(status)
{
    nativeImageAttr.reset(native);
}

TGPImageAttributes* TGPImageAttributes::Clone()
{
    GpImageAttributes* copy = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipCloneImageAttributes)(Native(), &copy));
    return new TGPImageAttributes(copy, status);
}

Status TGPImageAttributes::SetToIdentity(ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesToIdentity)(Native(), type));
}

Status TGPImageAttributes::Reset(ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipResetImageAttributes)(Native(), type));
}

Status TGPImageAttributes::SetColorMatrix(const ColorMatrix& colorMatrix, ColorMatrixFlags mode, ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesColorMatrix)(Native(), type, 1, &colorMatrix, nullptr, mode));
}

Status TGPImageAttributes::ClearColorMatrix(ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesColorMatrix)(Native(), type, 0, nullptr, nullptr,
                                                                    ColorMatrixFlagsDefault));
}

Status TGPImageAttributes::SetGamma(REAL gamma, ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesGamma)(Native(), type, 1, gamma));
}

Status TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesColorKeys)(Native(), type, 1, colorLow, colorHigh));
}

Status TGPImageAttributes::ClearColorKey(ColorAdjustType type)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesColorKeys)(Native(), type, 0, 0, 0));
}

Status TGPImageAttributes::SetWrapMode(WrapMode wrap, ARGB color, bool clamp)
{
    return SetStatus(GDIPLUS_API(GdipSetImageAttributesWrapMode)(Native(), wrap, color, BOOL(clamp)));
}

}
