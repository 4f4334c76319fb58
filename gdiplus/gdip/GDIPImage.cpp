#include "gdiplus/gdip/GDIPImage.h"

#include "gdiplus/common/ImageStreamLoader.h"

namespace KestGDIP {

namespace {

constexpr PixelFormat PixelFormatIndexed = 0x00010000;
constexpr PixelFormat PixelFormatAlpha = 0x00040000;

}

TGPImage::TGPImage(TStream& stream, bool)
{
    GpImage* image = nullptr;
    lastResult = LoadImageFromStream(&GdipLoadImageFromDelegate_linux, stream, &image);
    nativeImage.reset(image);
}

TGPImage::TGPImage(const QString& fileName, bool useEmbeddedColorManagement)
{
    auto load = useEmbeddedColorManagement ? &GdipLoadImageFromFileICM : &GdipLoadImageFromFile;
    lastResult = AdoptNative(nativeImage, load, reinterpret_cast<const WCHAR*>(fileName.utf16()));
}

TGPImage::TGPImage(GpImage* native, TStatus status) : lastResult(status) { nativeImage.reset(native); }

TStatus TGPImage::Save(const QString& fileName, const CLSID& encoder, const EncoderParameters* params)
{
    return SetStatus(GdipSaveImageToFile(Native(), reinterpret_cast<const WCHAR*>(fileName.utf16()), &encoder, params));
}

TStatus TGPImage::SaveAdd(const EncoderParameters* params) { return SetStatus(GdipSaveAdd(Native(), params)); }

TGPImageFormat TGPImage::GetFormat()
{
    GUID raw{};
    return SetStatus(GdipGetImageRawFormat(Native(), &raw)) == Ok ? ImageFormatOf(raw) : ifUndefined;
}

PixelFormat TGPImage::GetPixelFormat() { return ReadProperty<PixelFormat>(lastResult, Native(), &GdipGetImagePixelFormat); }

UINT TGPImage::GetPixelDepth() { return UINT(GetPixelFormat() >> 8) & 0xFF; }

bool TGPImage::HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }

bool TGPImage::HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }

std::unique_ptr<TGPImage> TGPImage::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight)
{
    GpImage* thumbnail = nullptr;
    TStatus status = SetStatus(GdipGetImageThumbnail(Native(), thumbWidth, thumbHeight, &thumbnail, nullptr, nullptr));
    return std::unique_ptr<TGPImage>(new TGPImage(thumbnail, status));
}

UINT TGPImage::GetWidth() { return ReadProperty<UINT>(lastResult, Native(), &GdipGetImageWidth); }

UINT TGPImage::GetHeight() { return ReadProperty<UINT>(lastResult, Native(), &GdipGetImageHeight); }

TStatus TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GdipImageRotateFlip(Native(), rotateFlipType));
}

}
