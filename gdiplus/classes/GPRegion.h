#pragma once
// Regions: areas combined from rectangles, paths and other regions.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPGraphics;
class TGPGraphicsPath;

class TGPRegion : public TGdiplusBase {
public:
    // The infinite region.
    TGPRegion();
    explicit TGPRegion(const TGPRectF& rect);
    explicit TGPRegion(const TGPGraphicsPath* path);

    Status MakeInfinite();
    Status MakeEmpty();
    Status Intersect(const TGPRectF& rect);
    Status Intersect(const TGPRegion* region);
    Status Union(const TGPRectF& rect);
    Status Union(const TGPRegion* region);
    Status Exclude(const TGPRectF& rect);
    Status Exclude(const TGPRegion* region);
    Status Exclude(const TGPGraphicsPath* path);
    Status Translate(REAL dx, REAL dy);
    Status GetBounds(TGPRectF& rect, const TGPGraphics* graphics);
    bool IsEmpty(const TGPGraphics* graphics);
    bool IsVisible(REAL x, REAL y, const TGPGraphics* graphics = nullptr);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpRegion* Native() const { return nativeRegion.get(); }

protected:
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }
    Status Combine(const TGPRectF& rect, CombineMode mode);
    Status Combine(const TGPRegion* region, CombineMode mode);

    TNative<GpRegion, &TGdiplusApiTable::GdipDeleteRegion> nativeRegion;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
