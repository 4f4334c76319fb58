// Pictures through the drawing-library back-end.

#include "graphics/win/KestGraphicsContextWin.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/Graphic.h"
#include "gdiplus/classes/GPImages.h"

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;

// The picture draws itself at its own size into premultiplied pixels, which
// the library takes as they are (no encoding and decoding per draw); that
// bitmap is drawn scaled into the destination. A bitmap already holding such
// pixels at its own size is taken directly. The source rectangle and the
// opacity are not used.
void TKestGraphicsContextWin::DrawBitmap(TGraphic* bitmap, const TRectF&, const TRectF& dstRect, float)
{
    if (!FGPGraphics || !bitmap || bitmap->Empty())
        return;
    const int width = bitmap->Width(), height = bitmap->Height();
    if (width <= 0 || height <= 0)
        return;
    const TGPRectF destination{dstRect.Left, dstRect.Top, dstRect.Width(), dstRect.Height()};
    if (const auto* own = dynamic_cast<const TBitmap*>(bitmap)) {
        const QImage& pixels = own->Image();
        if (pixels.format() == QImage::Format_ARGB32_Premultiplied && pixels.width() == width
            && pixels.height() == height && pixels.devicePixelRatio() == 1) {
            // The library only reads the pixels; constBits() leaves them shared.
            TGPBitmap image(width, height, int(pixels.bytesPerLine()), PixelFormat32bppPARGB,
                            const_cast<uchar*>(pixels.constBits()));
            FGPGraphics->DrawImage(&image, destination);
            return;
        }
    }
    TDeviceContext pixels(width, height);
    if (pixels.Image().isNull())
        throw Exception(QStringLiteral("Could not allocate memory for image"));
    TCanvas canvas(pixels);
    canvas.Draw(0, 0, bitmap);
    TGPBitmap image(width, height, pixels.Stride(), PixelFormat32bppPARGB, pixels.Bits());
    FGPGraphics->DrawImage(&image, destination);
}
