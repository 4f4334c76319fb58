#include "gdiplus/gdip/GDIPBrushes.h"

#include "gdiplus/gdip/GDIPImage.h"

namespace KestGDIP {

TGPSolidBrush::TGPSolidBrush(ARGB color) { lastResult = AdoptNative<GpSolidFill>(nativeBrush, &GdipCreateSolidFill, color); }

TGPHatchBrush::TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor)
{
    lastResult = AdoptNative<GpHatch>(nativeBrush, &GdipCreateHatchBrush, hatchStyle, foreColor, backColor);
}

HatchStyle TGPHatchBrush::GetHatchStyle() { return ReadProperty<HatchStyle>(lastResult, Hatch(), &GdipGetHatchStyle); }

ARGB TGPHatchBrush::GetForegroundColor() { return ReadProperty<ARGB>(lastResult, Hatch(), &GdipGetHatchForegroundColor); }

ARGB TGPHatchBrush::GetBackgroundColor() { return ReadProperty<ARGB>(lastResult, Hatch(), &GdipGetHatchBackgroundColor); }

TGPTextureBrush::TGPTextureBrush(const TGPImage* image, WrapMode wrapMode)
{
    lastResult = AdoptNative<GpTexture>(nativeBrush, &GdipCreateTexture, NativeOf(image), wrapMode);
}

TStatus TGPTextureBrush::ResetTransform() { return SetStatus(GdipResetTextureTransform(Texture())); }

TStatus TGPTextureBrush::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateTextureTransform(Texture(), dx, dy, order));
}

TStatus TGPTextureBrush::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return SetStatus(GdipScaleTextureTransform(Texture(), sx, sy, order));
}

TStatus TGPTextureBrush::RotateTransform(REAL angle, MatrixOrder order)
{
    return SetStatus(GdipRotateTextureTransform(Texture(), angle, order));
}

TStatus TGPTextureBrush::SetWrapMode(WrapMode wrapMode) { return SetStatus(GdipSetTextureWrapMode(Texture(), wrapMode)); }

WrapMode TGPTextureBrush::GetWrapMode() { return ReadProperty<WrapMode>(lastResult, Texture(), &GdipGetTextureWrapMode); }

std::unique_ptr<TGPImage> TGPTextureBrush::GetImage()
{
    GpImage* image = nullptr;
    TStatus status = SetStatus(GdipGetTextureImage(Texture(), &image));
    return std::unique_ptr<TGPImage>(new TGPImage(image, status));
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, &GdipCreateLineBrushFromRect, &rect, color1, color2, mode,
                                             WrapModeTile);
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
{
    lastResult = AdoptNative<GpLineGradient>(nativeBrush, &GdipCreateLineBrush, &point1, &point2, color1, color2,
                                             WrapModeTile);
}

TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection)
{
    return SetStatus(GdipSetLineGammaCorrection(Gradient(), BOOL(useGammaCorrection)));
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count)
{
    if (count <= 0 || !presetColors || !blendPositions)
        return SetStatus(InvalidParameter);
    return SetStatus(GdipSetLinePresetBlend(Gradient(), presetColors, blendPositions, count));
}

}
