#include "gdiplus/classes/GPBrushes.h"

#include "gdiplus/classes/GPImages.h"
#include "gdiplus/classes/GPMatrix.h"
#include "gdiplus/classes/GPPath.h"

namespace KestGDIPlusClasses {

namespace {

bool ValidStops(const ARGB* colors, const REAL* positions, INT count)
{
    return count > 0 && colors && positions;
}

}

TGPBrush::TGPBrush(GpBrush* native, Status status) : lastResult(status) { nativeBrush.reset(native); }

TGPBrush* TGPBrush::Clone()
{
    GpBrush* copy = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipCloneBrush)(Native(), &copy));
    return new TGPBrush(copy, status);
}

BrushType TGPBrush::GetType() { return ReadProperty<BrushType>(lastResult, Native(), GDIPLUS_API(GdipGetBrushType)); }

TGPSolidBrush::TGPSolidBrush(ARGB color)
{
    lastResult = AdoptNative<GpSolidFill>(nativeBrush, GDIPLUS_API(GdipCreateSolidFill), color);
}

ARGB TGPSolidBrush::GetColor() { return ReadProperty<ARGB>(lastResult, Fill(), GDIPLUS_API(GdipGetSolidFillColor)); }

Status TGPSolidBrush::SetColor(ARGB color) { return SetStatus(GDIPLUS_API(GdipSetSolidFillColor)(Fill(), color)); }

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    lastResult = AdoptNative<GpHatch>(nativeBrush, GDIPLUS_API(GdipCreateHatchBrush), hatchStyle, foreColor, backColor);
}

HatchStyle TGPHatchBrush::GetHatchStyle()
{
    return ReadProperty<HatchStyle>(lastResult, Hatch(), GDIPLUS_API(GdipGetHatchStyle));
}

ARGB TGPHatchBrush::GetForegroundColor()
{
    return ReadProperty<ARGB>(lastResult, Hatch(), GDIPLUS_API(GdipGetHatchForegroundColor));
}

ARGB TGPHatchBrush::GetBackgroundColor()
{
    return ReadProperty<ARGB>(lastResult, Hatch(), GDIPLUS_API(GdipGetHatchBackgroundColor));
}

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode)
{
    lastResult = AdoptNative<GpTexture>(nativeBrush, GDIPLUS_API(GdipCreateTexture), NativeOf(image), wrapMode);
}

Status TGPTextureBrush::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipSetTextureTransform)(Texture(), NativeOf(matrix)));
}

Status TGPTextureBrush::ResetTransform() { return SetStatus(GDIPLUS_API(GdipResetTextureTransform)(Texture())); }

Status TGPTextureBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipTranslateTextureTransform)(Texture(), dx, dy, order));
}

Status TGPTextureBrush::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipScaleTextureTransform)(Texture(), sx, sy, order));
}

Status TGPTextureBrush::RotateTransform(REAL angle, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipRotateTextureTransform)(Texture(), angle, order));
}

Status TGPTextureBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GDIPLUS_API(GdipSetTextureWrapMode)(Texture(), wrapMode));
}

WrapMode TGPTextureBrush::GetWrapMode()
{
    return ReadProperty<WrapMode>(lastResult, Texture(), GDIPLUS_API(GdipGetTextureWrapMode));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, GDIPLUS_API(GdipCreateLineBrushFromRect), &rect, color1,
                                             color2, mode, WrapModeTile);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, GDIPLUS_API(GdipCreateLineBrushFromRectI), &rect, color1,
                                             color2, mode, WrapModeTile);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, REAL angle,
                                               bool isAngleScalable)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, GDIPLUS_API(GdipCreateLineBrushFromRectWithAngle), &rect,
                                             color1, color2, angle, BOOL(isAngleScalable), WrapModeTile);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, GDIPLUS_API(GdipCreateLineBrush), &point1, &point2, color1,
                                             color2, WrapModeTile);
}

Status TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count)
{
    if (!ValidStops(presetColors, blendPositions, count))
        return SetStatus(InvalidParameter);
    return SetStatus(GDIPLUS_API(GdipSetLinePresetBlend)(Gradient(), presetColors, blendPositions, count));
}

INT TGPLinearGradientBrush::GetInterpolationColorCount()
{
    return ReadProperty<INT>(lastResult, Gradient(), GDIPLUS_API(GdipGetLinePresetBlendCount));
}

Status TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GDIPLUS_API(GdipSetLineGammaCorrection)(Gradient(), BOOL(useGammaCorrection)));
}

Status TGPLinearGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GDIPLUS_API(GdipSetLineWrapMode)(Gradient(), wrapMode));
}

Status TGPLinearGradientBrush::GetRectangle(TGPRectF& rect)
{
    return SetStatus(GDIPLUS_API(GdipGetLineRect)(Gradient(), &rect));
}

Status TGPLinearGradientBrush::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipGetLineTransform)(Gradient(), NativeOf(matrix)));
}

Status TGPLinearGradientBrush::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipSetLineTransform)(Gradient(), NativeOf(matrix)));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path)
{
    lastResult = AdoptNative<GpPathGradient>(nativeBrush, GDIPLUS_API(GdipCreatePathGradientFromPath),
                                             static_cast<const GpPath*>(NativeOf(path)));
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPPointF* points, INT count, WrapMode wrapMode)
{
    lastResult = AdoptNative<GpPathGradient>(nativeBrush, GDIPLUS_API(GdipCreatePathGradient), points, count, wrapMode);
}

Status TGPPathGradientBrush::SetCenterColor(ARGB color)
{
    return SetStatus(GDIPLUS_API(GdipSetPathGradientCenterColor)(Gradient(), color));
}

ARGB TGPPathGradientBrush::GetCenterColor()
{
    return ReadProperty<ARGB>(lastResult, Gradient(), GDIPLUS_API(GdipGetPathGradientCenterColor));
}

Status TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point)
{
    return SetStatus(GDIPLUS_API(GdipSetPathGradientCenterPoint)(Gradient(), &point));
}

Status TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, INT& count)
{
    if (!colors || count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GDIPLUS_API(GdipSetPathGradientSurroundColorsWithCount)(Gradient(), colors, &count));
}

Status TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count)
{
    if (!ValidStops(presetColors, blendPositions, count))
        return SetStatus(InvalidParameter);
    return SetStatus(GDIPLUS_API(GdipSetPathGradientPresetBlend)(Gradient(), presetColors, blendPositions, count));
}

Status TGPPathGradientBrush::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipSetPathGradientTransform)(Gradient(), NativeOf(matrix)));
}

Status TGPPathGradientBrush::SetWrapMode(WrapMode wrapMode)
{
    return SetStatus(GDIPLUS_API(GdipSetPathGradientWrapMode)(Gradient(), wrapMode));
}

}
