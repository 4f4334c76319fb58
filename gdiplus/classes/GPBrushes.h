#pragma once
// Brushes: solid, hatched, textured, linear and path gradients.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPImage;
class TGPMatrix;
class TGPGraphicsPath;

class TGPBrush : public TGdiplusBase {
public:
    TGPBrush() = default;
    // A copy of the native brush, wrapped as a plain brush.
    virtual TGPBrush* Clone();
    BrushType GetType();
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpBrush* Native() const { return nativeBrush.get(); }

protected:
    TGPBrush(GpBrush* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpBrush, &TGdiplusApiTable::GdipDeleteBrush> nativeBrush;
    Status lastResult = Ok;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB color);
    ARGB GetColor();
    Status SetColor(ARGB color);

private:
    GpSolidFill* Fill() const { return static_cast<GpSolidFill*>(Native()); }
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
    Status SetTransform(const TGPMatrix* matrix);
    Status ResetTransform();
    Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    Status SetWrapMode(WrapMode wrapMode);
    WrapMode GetWrapMode();

private:
    GpTexture* Texture() const { return static_cast<GpTexture*>(Native()); }
};

class TGPLinearGradientBrush : public TGPBrush {
public:
    // Both constructors make the brush with WrapModeTile.
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, LinearGradientMode mode);
    TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, REAL angle, bool isAngleScalable = false);
    TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);

    // Multi-stop colours at positions 0..1; a count of 0 or less, or no
    // arrays, is InvalidParameter without asking the library.
    Status SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count);
    INT GetInterpolationColorCount();
    Status SetGammaCorrection(bool useGammaCorrection);
    Status SetWrapMode(WrapMode wrapMode);
    Status GetRectangle(TGPRectF& rect);
    Status GetTransform(TGPMatrix* matrix);
    Status SetTransform(const TGPMatrix* matrix);

private:
    GpLineGradient* Gradient() const { return static_cast<GpLineGradient*>(Native()); }
};

class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* path);
    TGPPathGradientBrush(const TGPPointF* points, INT count, WrapMode wrapMode = WrapModeClamp);

    Status SetCenterColor(ARGB color);
    ARGB GetCenterColor();
    Status SetCenterPoint(const TGPPointF& point);
    Status SetSurroundColors(const ARGB* colors, INT& count);
    // As for the linear gradient.
    Status SetInterpolationColors(const ARGB* presetColors, const REAL* blendPositions, INT count);
    Status SetTransform(const TGPMatrix* matrix);
    Status SetWrapMode(WrapMode wrapMode);

private:
    GpPathGradient* Gradient() const { return static_cast<GpPathGradient*>(Native()); }
};

}

#pragma GCC visibility pop
