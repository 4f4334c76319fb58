#pragma once
// Pens: width, colour or brush, dashes, caps and joins.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPBrush;
class TGPCustomLineCap;

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, REAL width = 1, Unit_ unit = UnitWorld);
    TGPPen(const TGPBrush* brush, REAL width = 1, Unit_ unit = UnitWorld);

    TGPPen* Clone();
    Status SetWidth(REAL width);
    REAL GetWidth();
    Status SetColor(ARGB color);
    ARGB GetColor();
    Status SetBrush(const TGPBrush* brush);
    PenType GetPenType();
    Status SetDashStyle(DashStyle dashStyle);
    DashStyle GetDashStyle();
    Status SetDashPattern(const REAL* dashArray, INT count);
    Status SetLineCap(LineCap startCap, LineCap endCap, DashCap dashCap);
    Status SetStartCap(LineCap startCap);
    Status SetEndCap(LineCap endCap);
    Status SetCustomStartCap(const TGPCustomLineCap* customCap);
    Status SetCustomEndCap(const TGPCustomLineCap* customCap);
    Status SetLineJoin(LineJoin lineJoin);
    LineJoin GetLineJoin();
    Status SetMiterLimit(REAL miterLimit);
    REAL GetMiterLimit();
    Status SetAlignment(PenAlignment penAlignment);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpPen* Native() const { return nativePen.get(); }

protected:
    TGPPen(GpPen* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpPen, &TGdiplusApiTable::GdipDeletePen> nativePen;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
