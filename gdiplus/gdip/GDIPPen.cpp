#include "gdiplus/gdip/GDIPPen.h"

#include "gdiplus/gdip/GDIPBrushes.h"

namespace KestGDIP {

TGPPen::TGPPen(ARGB color, REAL width) { lastResult = AdoptNative(nativePen, &GdipCreatePen1, color, width, UnitWorld); }

TGPPen::TGPPen(const TGPBrush* brush, REAL width)
{
    lastResult = AdoptNative(nativePen, &GdipCreatePen2, NativeOf(brush), width, UnitWorld);
}

TStatus TGPPen::SetBrush(const TGPBrush* brush) { return SetStatus(GdipSetPenBrushFill(Native(), NativeOf(brush))); }

std::unique_ptr<TGPBrush> TGPPen::GetBrush()
{
    // The library answers with a copy of the pen's brush, ours to free.
    auto brush = std::make_unique<TGPBrush>();
    brush->lastResult = SetStatus(AdoptNative(brush->nativeBrush, &GdipGetPenBrushFill, Native()));
    return brush;
}

TStatus TGPPen::SetDashStyle(DashStyle dashStyle) { return SetStatus(GdipSetPenDashStyle(Native(), dashStyle)); }

DashStyle TGPPen::GetDashStyle() { return ReadProperty<DashStyle>(lastResult, Native(), &GdipGetPenDashStyle); }

TStatus TGPPen::SetEndCap(LineCap endCap) { return SetStatus(GdipSetPenEndCap(Native(), endCap)); }

PenType TGPPen::GetPenType() { return ReadProperty<PenType>(lastResult, Native(), &GdipGetPenFillType); }

}
