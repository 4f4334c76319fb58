#pragma once
// A graphics object drawing straight into a device context's pixels: a
// 32bpp PARGB bitmap over the surface memory and a graphics object on it.
// The bitmap must outlive the graphics object. On a surface with a device
// pixel ratio above 1 the graphics object starts scaled by that ratio, so it
// draws in the surface's logical units as a painter on it does.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

class TDeviceContext;

namespace GdiplusFlat {

struct TSurfaceCalls {
    GpStatus (*CreateBitmapFromScan0)(INT, INT, INT, PixelFormat, BYTE*, GpBitmap**);
    GpStatus (*GetImageGraphicsContext)(GpImage*, GpGraphics**);
    GpStatus (*DisposeImage)(GpImage*);
    GpStatus (*DeleteGraphics)(GpGraphics*);
    GpStatus (*ScaleWorldTransform)(GpGraphics*, REAL, REAL, GpMatrixOrder);
};

GpStatus BindSurface(const TSurfaceCalls& calls, TDeviceContext& dc, GpBitmap** bitmap,
                     GpGraphics** graphics);

}

#pragma GCC visibility pop
