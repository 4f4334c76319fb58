#include "gdiplus/common/SurfaceBinding.h"

#include "framework/DeviceContext.h"

namespace GdiplusFlat {

GpStatus BindSurface(const TSurfaceCalls& calls, TDeviceContext& dc, GpBitmap** bitmap,
                     GpGraphics** graphics)
{
    *bitmap = nullptr;
    *graphics = nullptr;
    if (dc.Width() <= 0 || dc.Height() <= 0)
        return InvalidParameter;
    GpStatus status = calls.CreateBitmapFromScan0(dc.Width(), dc.Height(), dc.Stride(),
                                                  PixelFormat32bppPARGB, dc.Bits(), bitmap);
    if (status != Ok)
        return status;
    status = calls.GetImageGraphicsContext(*bitmap, graphics);
    if (status == Ok && dc.DevicePixelRatio() != 1.0) {
        const REAL ratio = REAL(dc.DevicePixelRatio());
        status = calls.ScaleWorldTransform(*graphics, ratio, ratio, MatrixOrderPrepend);
        if (status != Ok) {
            calls.DeleteGraphics(*graphics);
            *graphics = nullptr;
        }
    }
    if (status != Ok) {
        calls.DisposeImage(*bitmap);
        *bitmap = nullptr;
    }
    return status;
}

}
