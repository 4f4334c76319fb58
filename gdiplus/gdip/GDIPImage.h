#pragma once
// Decoded pictures and their raster format.

#include "gdiplus/gdip/GDIPBase.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TStream;

namespace KestGDIP {

enum TGPImageFormat {
    ifUndefined = 0,
    ifMemoryBMP = 1,
    ifBMP = 2,
    ifEMF = 3,
    ifWMF = 4,
    ifJPEG = 5,
    ifPNG = 6,
    ifGIF = 7,
    ifTIFF = 8,
    ifEXIF = 9,
    ifIcon = 10
};

// The format of a raw format identifier; unknown ones are ifUndefined.
TGPImageFormat ImageFormatOf(const GUID& rawFormat);

class TGPImage : public TGdiplusBase {
public:
    // Decodes the stream's bytes from its current position; the flag asks for
    // the colour-managed loader, which the stream loader here does not have.
    explicit TGPImage(TStream& stream, bool useEmbeddedColorManagement = false);
    explicit TGPImage(const QString& fileName, bool useEmbeddedColorManagement = false);

    TStatus Save(const QString& fileName, const CLSID& encoder, const EncoderParameters* params = nullptr);
    TStatus SaveAdd(const EncoderParameters* params);
    TGPImageFormat GetFormat();
    PixelFormat GetPixelFormat();
    UINT GetPixelDepth();
    bool HasPalette();
    bool HasAlphaChannel();
    std::unique_ptr<TGPImage> GetThumbnailImage(UINT thumbWidth, UINT thumbHeight);
    UINT GetWidth();
    UINT GetHeight();
    TStatus RotateFlip(RotateFlipType rotateFlipType);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpImage* Native() const { return nativeImage.get(); }

protected:
    friend class TGPTextureBrush;
    TGPImage(GpImage* native, TStatus status);
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpImage, &GdipDisposeImage> nativeImage;
    TStatus lastResult = Ok;
    TStatus loadStatus = Ok;
};

}

#pragma GCC visibility pop
