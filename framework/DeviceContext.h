#pragma once
// A device context: a drawing surface whose pixels are premultiplied ARGB,
// 32 bits each, rows top to bottom. That is the memory layout of the drawing
// library's 32bpp PARGB bitmaps, so a QPainter and a drawing-library graphics
// object bound to Bits() paint one after the other on the same pixels.

#include <QImage>
#include <QSize>

class TDeviceContext {
public:
    // A surface of that size, cleared to transparent black.
    TDeviceContext(int width, int height);
    // A surface holding a copy of the picture, converted to the surface format.
    explicit TDeviceContext(const QImage& picture);
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    QSize Size() const { return FImage.size(); }
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
    // One pixel, un-premultiplied, for checks and hit tests.
    QRgb Pixel(int x, int y) const;

    void Fill(QRgb argb);

private:
    QImage FImage;
};
