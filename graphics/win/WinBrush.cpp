#include "graphics/win/WinBrush.h"

#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/win/WinColor.h"
#include "graphics/win/WinGradientStops.h"
#include "graphics/win/WinMatrix.h"

namespace KestGraphicsWin {

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;

namespace {

std::unique_ptr<TGPBrush> Transparent() { return std::make_unique<TGPSolidBrush>(ARGB(0)); }

std::unique_ptr<TGPBrush> LinearBrush(const TKestCustomGraphicsFill& fill, TGPGraphicsPath& path,
                                      const TWinGradientStops& stops)
{
    TGPRectF bounds{};
    path.GetBounds(bounds);
    const TGPRectF b{bounds.X - 1, bounds.Y - 1, bounds.Width + 2, bounds.Height + 2};
    std::unique_ptr<TGPLinearGradientBrush> brush;
    switch (fill.Orientation()) {
    case gfoHorizontal:
        brush = std::make_unique<TGPLinearGradientBrush>(b, ARGB(0), ARGB(0), LinearGradientModeHorizontal);
        break;
    case gfoVertical:
        brush = std::make_unique<TGPLinearGradientBrush>(b, ARGB(0), ARGB(0), LinearGradientModeVertical);
        break;
    case gfoCustom:
        brush = std::make_unique<TGPLinearGradientBrush>(b, ARGB(0), ARGB(0), fill.GradientAngle(), false);
        break;
    }
    brush->SetInterpolationColors(stops.Colors.data(), stops.Positions.data(), stops.Count());
    TGPMatrix transform;
    brush->GetTransform(&transform);
    transform.Multiply(ToWinMatrix(fill.GradientMatrix()).get(), MatrixOrderPrepend);
    brush->SetTransform(&transform);
    return brush;
}

std::unique_ptr<TGPBrush> RadialBrush(const TKestCustomGraphicsFill& fill, TGPGraphicsPath& path,
                                      const TWinGradientStops& stops)
{
    if (stops.Empty())
        return Transparent();
    auto brush = std::make_unique<TGPPathGradientBrush>(&path);
    if (fill.GradientCenterColor() != gcNull)
        brush->SetCenterColor(WinColor(fill.GradientCenterColor(), fill.Opacity()));
    const TPointF center = fill.GradientCenterPoint();
    brush->SetCenterPoint(TGPPointF{center.X, center.Y});
    const TWinGradientStops reversed = stops.Reversed();
    brush->SetInterpolationColors(reversed.Colors.data(), reversed.Positions.data(), reversed.Count());
    brush->SetTransform(ToWinMatrix(fill.GradientMatrix()).get());
    return brush;
}

}

std::unique_ptr<TGPBrush> MakeWinBrush(const TKestCustomGraphicsFill& fill, TGPGraphicsPath& path)
{
    switch (fill.Kind()) {
    case gfkSolid:
        return std::make_unique<TGPSolidBrush>(WinColor(fill.Color(), fill.Opacity()));
    case gfkGradient: {
        const TWinGradientStops stops = WinGradientStops(fill);
        if (fill.GradientType() == gfgtRadial)
            return RadialBrush(fill, path, stops);
        return LinearBrush(fill, path, stops);
    }
    case gfkNone:
    case gfkTexture:
        break;
    }
    return Transparent();
}

}
