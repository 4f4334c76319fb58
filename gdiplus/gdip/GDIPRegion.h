#pragma once
// Regions: areas combined from rectangles and other regions.

#include "gdiplus/gdip/GDIPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPRegion : public TGdiplusBase {
public:
    // The infinite region.
    TGPRegion();
    explicit TGPRegion(const TGPRectF& rect);

    TStatus Exclude(const TGPRectF& rect);
    TStatus Exclude(const TGPRegion* region);
    TStatus Union(const TGPRectF& rect);
    TStatus Union(const TGPRegion* region);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpRegion* Native() const { return nativeRegion.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpRegion, &GdipDeleteRegion> nativeRegion;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
