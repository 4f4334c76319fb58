#pragma once
// Pens: width, colour or brush, dashes and end caps.

#include "gdiplus/gdip/GDIPBase.h"

#include <memory>

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPBrush;

class TGPPen : public TGdiplusBase {
public:
    TGPPen(ARGB color, REAL width = 1);
    TGPPen(const TGPBrush* brush, REAL width = 1);

    TStatus SetBrush(const TGPBrush* brush);
    // A new wrapper of the pen's brush; the caller owns it.
    std::unique_ptr<TGPBrush> GetBrush();
    TStatus SetDashStyle(DashStyle dashStyle);
    DashStyle GetDashStyle();
    TStatus SetEndCap(LineCap endCap);
    PenType GetPenType();
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpPen* Native() const { return nativePen.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpPen, &GdipDeletePen> nativePen;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
