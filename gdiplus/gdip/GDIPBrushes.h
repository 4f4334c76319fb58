#pragma once
// Brushes: solid, hatched, textured and linear gradients.

#include "gdiplus/gdip/GDIPBase.h"

#include <memory>

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPImage;

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush() = default;
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpBrush* Native() const { return nativeBrush.get(); }

protected:
    friend class TGPPen;
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpBrush, &GdipDeleteBrush> nativeBrush;
    TStatus lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
public:
    TGPHatchBrush(HatchStyle hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
    HatchStyle GetHatchStyle();
    ARGB GetForegroundColor();
    ARGB GetBackgroundColor();

private:
    GpHatch* Hatch() const { return static_cast<GpHatch*>(Native()); }
};

class TGPTextureBrush : public TGPBrush {
public:
    explicit TGPTextureBrush(const TGPImage* image, WrapMode wrapMode = WrapModeTile);
    TStatus ResetTransform();
    TStatus TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    TStatus SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();
    // A new wrapper of the brush's image; the caller owns it.
    std::unique_ptr<TGPImage> GetImage();

private:
    GpTexture* Texture() const { return static_cast<GpTexture*>(Native()); }
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    // Made with WrapModeTile.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);

    TStatus SetGammaCorrection(bool useGammaCorrection);
    // Multi-stop colours at positions 0..1; a count of 0 or less, or no
    // arrays, is InvalidParameter without asking the library.
    TStatus SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count);

private:
    GpLineGradient* Gradient() const { return static_cast<GpLineGradient*>(Native()); }
};

}

#pragma GCC visibility pop
