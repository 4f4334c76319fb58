#include "gdiplus/classes/GPPen.h"

#include "gdiplus/classes/GPBrushes.h"
#include "gdiplus/classes/GPLineCap.h"

namespace KestGDIPlusClasses {

TGPPen::TGPPen(ARGB color, REAL width, Unit_ unit)
{
    lastResult = AdoptNative(nativePen, GDIPLUS_API(GdipCreatePen1), color, width, unit);
}

TGPPen::TGPPen(const TGPBrush* brush, REAL width, Unit_ unit)
{
    lastResult = AdoptNative(nativePen, GDIPLUS_API(GdipCreatePen2), NativeOf(brush), width, unit);
}

TGPPen::TGPPen(GpPen* native, Status status) : lastResult(status) { nativePen.reset(native); }

TGPPen* TGPPen::Clone()
{
    GpPen* copy = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipClonePen)(Native(), &copy));
    return new TGPPen(copy, status);
}

Status TGPPen::SetWidth(REAL width) { return SetStatus(GDIPLUS_API(GdipSetPenWidth)(Native(), width)); }

REAL TGPPen::GetWidth() { return ReadProperty<REAL>(lastResult, Native(), GDIPLUS_API(GdipGetPenWidth)); }

Status TGPPen::SetColor(ARGB color) { return SetStatus(GDIPLUS_API(GdipSetPenColor)(Native(), color)); }

ARGB TGPPen::GetColor() { return ReadProperty<ARGB>(lastResult, Native(), GDIPLUS_API(GdipGetPenColor)); }

Status TGPPen::SetBrush(const TGPBrush* brush)
{
    return SetStatus(GDIPLUS_API(GdipSetPenBrushFill)(Native(), NativeOf(brush)));
}

PenType TGPPen::GetPenType() { return ReadProperty<PenType>(lastResult, Native(), GDIPLUS_API(GdipGetPenFillType)); }

Status TGPPen::SetDashStyle(DashStyle dashStyle)
{
    return SetStatus(GDIPLUS_API(GdipSetPenDashStyle)(Native(), dashStyle));
}

DashStyle TGPPen::GetDashStyle()
{
    return ReadProperty<DashStyle>(lastResult, Native(), GDIPLUS_API(GdipGetPenDashStyle));
}

Status TGPPen::SetDashPattern(const REAL* dashArray, INT count)
{
    if (!dashArray || count <= 0)
        return SetStatus(InvalidParameter);
    return SetStatus(GDIPLUS_API(GdipSetPenDashArray)(Native(), dashArray, count));
}

Status TGPPen::SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap)
{
    return SetStatus(GDIPLUS_API(GdipSetPenLineCap197819)(Native(), startCap, endCap, dashCap));
}

Status TGPPen::SetStartCap(LineCap startCap) { return SetStatus(GDIPLUS_API(GdipSetPenStartCap)(Native(), startCap)); }

Status TGPPen::SetEndCap(LineCap endCap) { return SetStatus(GDIPLUS_API(GdipSetPenEndCap)(Native(), endCap)); }

Status TGPPen::SetCustomStartCap(const TGPCustomLineCap* customCap)
{
    return SetStatus(GDIPLUS_API(GdipSetPenCustomStartCap)(Native(), NativeOf(customCap)));
}

Status TGPPen::SetCustomEndCap(const TGPCustomLineCap* customCap)
{
    return SetStatus(GDIPLUS_API(GdipSetPenCustomEndCap)(Native(), NativeOf(customCap)));
}

Status TGPPen::SetLineJoin(LineJoin lineJoin) { return SetStatus(GDIPLUS_API(GdipSetPenLineJoin)(Native(), lineJoin)); }

LineJoin TGPPen::GetLineJoin() { return ReadProperty<LineJoin>(lastResult, Native(), GDIPLUS_API(GdipGetPenLineJoin)); }

Status TGPPen::SetMiterLimit(REAL miterLimit)
{
    return SetStatus(GDIPLUS_API(GdipSetPenMiterLimit)(Native(), miterLimit));
}

REAL TGPPen::GetMiterLimit() { return ReadProperty<REAL>(lastResult, Native(), GDIPLUS_API(GdipGetPenMiterLimit)); }

Status TGPPen::SetAlignment(PenAlignment penAlignment)
{
    return SetStatus(GDIPLUS_API(GdipSetPenMode)(Native(), penAlignment));
}

}
