#pragma once
// A device context: a drawing surface whose pixels are premultiplied ARGB,
// 32 bits each, rows top to bottom. That is the memory layout of the drawing
// library's 32bpp PARGB bitmaps, so a QPainter and a drawing-library graphics
// object bound to Bits() paint one after the other on the same pixels.
//
// A surface may have more pixels than its logical size: at a device pixel
// ratio of 2 a 10 x 10 surface holds 20 x 20 pixels. Painters and graphics
// objects bound to it draw in logical units, scaled by the ratio, so text and
// lines stay as sharp as the screen can show them.

#include <QImage>
#include <QSize>

#pragma GCC visibility push(default)

class QPainter;

class TDeviceContext {
public:
    // A surface of that logical size at the device pixel ratio, cleared to
    // transparent black.
    TDeviceContext(int width, int height, double devicePixelRatio = 1.0);
    // A surface holding a copy of the picture, converted to the surface format.
    explicit TDeviceContext(const QImage& picture);
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    // The size in pixels (the logical size times the ratio).
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    QSize Size() const { return FImage.size(); }
    double DevicePixelRatio() const { return FImage.devicePixelRatio(); }
    // Bytes per row of Bits().
    int Stride() const { return int(FImage.bytesPerLine()); }
    // The pixel memory. It stays put for the life of the surface as long as
    // nobody keeps a shallow copy of Image(): take Snapshot() instead.
    uchar* Bits() { return FImage.bits(); }

    // The surface for a QPainter.
    QImage& Image() { return FImage; }
    const QImage& Image() const { return FImage; }
    // An independent copy of the pixels as they are now.
    QImage Snapshot() const { return FImage.copy(); }
    // One pixel (in pixels, not logical units), un-premultiplied, for checks
    // and hit tests.
    QRgb Pixel(int x, int y) const;

    void Fill(QRgb argb);

private:
    QImage FImage;
};

// The device pixel ratio of the pixels a painter finally writes: the
// screen's while a widget paints itself, the picture's while a widget is
// rendered into a picture. Surfaces drawn for that painter take this ratio.
double PixelRatioOf(const QPainter& painter);

#pragma GCC visibility pop
