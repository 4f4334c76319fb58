#pragma once
// Custom line caps drawn at the ends of lines.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPGraphicsPath;

class TGPCustomLineCap : public TGdiplusBase {
public:
    TGPCustomLineCap(const TGPGraphicsPath* fillPath, const TGPGraphicsPath* strokePath,
                     LineCap baseCap = LineCapFlat, REAL baseInset = 0);
    Status SetStrokeCaps(LineCap startCap, LineCap endCap);
    Status SetBaseInset(REAL inset);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpCustomLineCap* Native() const { return nativeCap.get(); }

protected:
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpCustomLineCap, &TGdiplusApiTable::GdipDeleteCustomLineCap> nativeCap;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
