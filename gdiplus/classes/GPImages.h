#pragma once
// Images: decoded pictures, off-screen bitmaps and device-optimised copies.

#include "gdiplus/classes/GPBase.h"

#include <QString>

#pragma GCC visibility push(default)

class TStream;

namespace KestGDIPlusClasses {

class TGPGraphics;

class TGPImage : public TGdiplusBase {
public:
    // Decodes the stream's bytes from its current position; with the flag the
    // colour-managed loader is asked for (the stream loader here has none, so
    // both decode the same way).
    explicit TGPImage(TStream& stream, bool useEmbeddedColorManagement = false);
    explicit TGPImage(const QString& fileName, bool useEmbeddedColorManagement = false);

    TGPImage* Clone();
    UINT GetWidth();
    UINT GetHeight();
    ImageType GetType();
    PixelFormat GetPixelFormat();
    UINT GetFlags();
    Status GetRawFormat(GUID& format);
    Status RotateFlip(RotateFlipType rotateFlipType);
    TGPImage* GetThumbnailImage(UINT thumbWidth, UINT thumbHeight);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpImage* Native() const { return nativeImage.get(); }

protected:
    TGPImage() = default;
    explicit TGPImage(GpImage* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpImage, &TGdiplusApiTable::GdipDisposeImage> nativeImage;
    Status lastResult = Ok;
    Status loadStatus = Ok;
};

class TGPBitmap : public TGPImage {
public:
    // An off-screen bitmap with no initial pixels supplied.
    TGPBitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
    // A bitmap over caller-owned pixels, which must outlive it.
    TGPBitmap(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0);

    Status GetPixel(INT x, INT y, ARGB& color);
    Status SetPixel(INT x, INT y, ARGB color);
    Status SetResolution(REAL xdpi, REAL ydpi);

    GpBitmap* NativeBitmap() const { return static_cast<GpBitmap*>(Native()); }
};

// A bitmap prepared for fast drawing on one graphics object.
class TGPCachedBitmap : public TGdiplusBase {
public:
    TGPCachedBitmap(const TGPBitmap* bitmap, const TGPGraphics* graphics);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpCachedBitmap* Native() const { return nativeCachedBitmap.get(); }

protected:
    TNative<GpCachedBitmap, &TGdiplusApiTable::GdipDeleteCachedBitmap> nativeCachedBitmap;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
