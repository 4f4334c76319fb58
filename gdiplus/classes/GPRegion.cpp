#include "gdiplus/classes/GPRegion.h"

#include "gdiplus/classes/GPGraphics.h"
#include "gdiplus/classes/GPPath.h"

namespace KestGDIPlusClasses {

TGPRegion::TGPRegion() { lastResult = AdoptNative(nativeRegion, GDIPLUS_API(GdipCreateRegion)); }

TGPRegion::TGPRegion(const TGPRectF& rect)
{
    lastResult = AdoptNative(nativeRegion, GDIPLUS_API(GdipCreateRegionRect), &rect);
}

TGPRegion::TGPRegion(const TGPGraphicsPath* path)
{
    lastResult = AdoptNative(nativeRegion, GDIPLUS_API(GdipCreateRegionPath), NativeOf(path));
}

Status TGPRegion::MakeInfinite() { return SetStatus(GDIPLUS_API(GdipSetInfinite)(Native())); }

Status TGPRegion::MakeEmpty() { return SetStatus(GDIPLUS_API(GdipSetEmpty)(Native())); }

Status TGPRegion::Combine(const TGPRectF& rect, CombineMode mode)
{
    return SetStatus(GDIPLUS_API(GdipCombineRegionRect)(Native(), &rect, mode));
}

Status TGPRegion::Combine(const TGPRegion* region, CombineMode mode)
{
    return SetStatus(GDIPLUS_API(GdipCombineRegionRegion)(Native(), NativeOf(region), mode));
}

Status TGPRegion::Intersect(const TGPRectF& rect) { return Combine(rect, CombineModeIntersect); }

Status TGPRegion::Intersect(const TGPRegion* region) { return Combine(region, CombineModeIntersect); }

Status TGPRegion::Union(const TGPRectF& rect) { return Combine(rect, CombineModeUnion); }

Status TGPRegion::Union(const TGPRegion* region) { return Combine(region, CombineModeUnion); }

Status TGPRegion::Exclude(const TGPRectF& rect) { return Combine(rect, CombineModeExclude); }

Status TGPRegion::Exclude(const TGPRegion* region) { return Combine(region, CombineModeExclude); }

Status TGPRegion::Exclude(const TGPGraphicsPath* path)
{
    return SetStatus(GDIPLUS_API(GdipCombineRegionPath)(Native(), NativeOf(path), CombineModeExclude));
}

Status TGPRegion::Translate(REAL dx, REAL dy) { return SetStatus(GDIPLUS_API(GdipTranslateRegion)(Native(), dx, dy)); }

Status TGPRegion::GetBounds(TGPRectF& rect, const TGPGraphics* graphics)
{
    return SetStatus(GDIPLUS_API(GdipGetRegionBounds)(Native(), NativeOf(graphics), &rect));
}

bool TGPRegion::IsEmpty(const TGPGraphics* graphics)
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsEmptyRegion)(Native(), NativeOf(graphics), &result));
    return result != 0;
}

bool TGPRegion::IsVisible(REAL x, REAL y, const TGPGraphics* graphics)
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsVisibleRegionPoint)(Native(), x, y, NativeOf(graphics), &result));
    return result != 0;
}

}
