#include "gdiplus/classes/GPImages.h"

#include "gdiplus/classes/GPGraphics.h"
#include "gdiplus/common/ImageStreamLoader.h"

namespace KestGDIPlusClasses {

TGPImage::TGPImage(TStream& stream, bool)
{
    GpImage* image = nullptr;
    lastResult = LoadImageFromStream(GDIPLUS_API(GdipLoadImageFromDelegate_linux), stream, &image);
    nativeImage.reset(image);
}

TGPImage::TGPImage(const QString& fileName, bool useEmbeddedColorManagement)
{
    auto load = useEmbeddedColorManagement ? GDIPLUS_API(GdipLoadImageFromFileICM) : GDIPLUS_API(GdipLoadImageFromFile);
    lastResult = AdoptNative(nativeImage, load, reinterpret_cast<const WCHAR*>(fileName.utf16()));
}

TGPImage::TGPImage(GpImage* native, Status status) : lastResult(status) { nativeImage.reset(native); }

TGPImage* TGPImage::Clone()
{
    GpImage* copy = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipCloneImage)(Native(), &copy));
    return new TGPImage(copy, status);
}

UINT TGPImage::GetWidth() { return ReadProperty<UINT>(lastResult, Native(), GDIPLUS_API(GdipGetImageWidth)); }

UINT TGPImage::GetHeight() { return ReadProperty<UINT>(lastResult, Native(), GDIPLUS_API(GdipGetImageHeight)); }

ImageType TGPImage::GetType() { return ReadProperty<ImageType>(lastResult, Native(), GDIPLUS_API(GdipGetImageType)); }

PixelFormat TGPImage::GetPixelFormat()
{
    return ReadProperty<PixelFormat>(lastResult, Native(), GDIPLUS_API(GdipGetImagePixelFormat));
}

UINT TGPImage::GetFlags() { return ReadProperty<UINT>(lastResult, Native(), GDIPLUS_API(GdipGetImageFlags)); }

Status TGPImage::GetRawFormat(GUID& format)
{
    return SetStatus(GDIPLUS_API(GdipGetImageRawFormat)(Native(), &format));
}

Status TGPImage::RotateFlip(RotateFlipType rotateFlipType)
{
    return SetStatus(GDIPLUS_API(GdipImageRotateFlip)(Native(), rotateFlipType));
}

TGPImage* TGPImage::GetThumbnailImage(UINT thumbWidth, UINT thumbHeight)
{
    GpImage* thumbnail = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipGetImageThumbnail)(Native(), thumbWidth, thumbHeight, &thumbnail,
                                                                 nullptr, nullptr));
    return new TGPImage(thumbnail, status);
}

TGPBitmap::TGPBitmap(INT width, INT height, PixelFormat format)
{
    lastResult = AdoptNative<GpBitmap>(nativeImage, GDIPLUS_API(GdipCreateBitmapFromScan0), width, height, 0,
                                       format, static_cast<BYTE*>(nullptr));
}

TGPBitmap::TGPBitmap(INT width, INT height, INT stride, PixelFormat format, BYTE* scan0)
{
    lastResult = AdoptNative<GpBitmap>(nativeImage, GDIPLUS_API(GdipCreateBitmapFromScan0), width, height,
                                       stride, format, scan0);
}

Status TGPBitmap::GetPixel(INT x, INT y, ARGB& color)
{
    return SetStatus(GDIPLUS_API(GdipBitmapGetPixel)(NativeBitmap(), x, y, &color));
}

Status TGPBitmap::SetPixel(INT x, INT y, ARGB color)
{
    return SetStatus(GDIPLUS_API(GdipBitmapSetPixel)(NativeBitmap(), x, y, color));
}

Status TGPBitmap::SetResolution(REAL xdpi, REAL ydpi)
{
    return SetStatus(GDIPLUS_API(GdipBitmapSetResolution)(NativeBitmap(), xdpi, ydpi));
}

TGPCachedBitmap::TGPCachedBitmap(const TGPBitmap* bitmap, const TGPGraphics* graphics)
{
    lastResult = AdoptNative(nativeCachedBitmap, GDIPLUS_API(GdipCreateCachedBitmap),
                             bitmap ? bitmap->NativeBitmap() : nullptr, NativeOf(graphics));
}

}
