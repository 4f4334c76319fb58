#include "gdiplus/classes/GPLineCap.h"

#include "gdiplus/classes/GPPath.h"

namespace KestGDIPlusClasses {

TGPCustomLineCap::TGPCustomLineCap(const TGPGraphicsPath* fillPath, const TGPGraphicsPath* strokePath,
                                   LineCap baseCap, REAL baseInset)
{
    lastResult = AdoptNative(nativeCap, GDIPLUS_API(GdipCreateCustomLineCap), NativeOf(fillPath), NativeOf(strokePath),
                             baseCap, baseInset);
}

Status TGPCustomLineCap::SetStrokeCaps(LineCap startCap, LineCap endCap)
{
    return SetStatus(GDIPLUS_API(GdipSetCustomLineCapStrokeCaps)(Native(), startCap, endCap));
}

Status TGPCustomLineCap::SetBaseInset(REAL inset)
{
    return SetStatus(GDIPLUS_API(GdipSetCustomLineCapBaseInset)(Native(), inset));
}

}
