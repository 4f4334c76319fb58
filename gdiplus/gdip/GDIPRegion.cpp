#include "gdiplus/gdip/GDIPRegion.h"

namespace KestGDIP {

TGPRegion::TGPRegion() { lastResult = AdoptNative(nativeRegion, &GdipCreateRegion); }

TGPRegion::TGPRegion(const TGPRectF& rect) { lastResult = AdoptNative(nativeRegion, &GdipCreateRegionRect, &rect); }

TStatus TGPRegion::Exclude(const TGPRectF& rect)
{
    return SetStatus(GdipCombineRegionRect(Native(), &rect, CombineModeExclude));
}

TStatus TGPRegion::Exclude(const TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(Native(), NativeOf(region), CombineModeExclude));
}

TStatus TGPRegion::Union(const TGPRectF& rect)
{
    return SetStatus(GdipCombineRegionRect(Native(), &rect, CombineModeUnion));
}

TStatus TGPRegion::Union(const TGPRegion* region)
{
    return SetStatus(GdipCombineRegionRegion(Native(), NativeOf(region), CombineModeUnion));
}

}
