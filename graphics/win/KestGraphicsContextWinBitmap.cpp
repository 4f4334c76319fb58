// Pictures through the drawing-library back-end.

#include "graphics/win/KestGraphicsContextWin.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/Graphic.h"
#include "gdiplus/classes/GPImages.h"

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;

// The picture draws itself at its own size into premultiplied pixels, which
// the library takes as they are (no encoding and decoding per draw); that
// bitmap is drawn scaled into the destination. The source rectangle and the
// opacity are not used.
void TKestGraphicsContextWin::DrawBitmap(TGraphic* bitmap, const TRectF&, const TRectF& dstRect, float)
{
    if (!FGPGraphics || !bitmap || bitmap->Empty())
        return;
    const int width = bitmap->Width(), height = bitmap->Height();
    if (width <= 0 || height <= 0)
        return;
    TDeviceContext pixels(width, height);
    if (pixels.Image().isNull())
        throw Exception(QStringLiteral("Could not allocate memory for image"));
    TCanvas canvas(pixels);
    canvas.Draw(0, 0, bitmap);
    TGPBitmap image(width, height, pixels.Stride(), PixelFormat32bppPARGB, pixels.Bits());
    FGPGraphics->DrawImage(&image, TGPRectF{dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height()});
}
