#pragma once
// The utility functions that take or return pictures: a picture through its
// stream form as hexadecimal or Base64 text, image-type sniffing of a
// picture, the graphic class for a buffer, and JPEG conversion.

#include "framework/Color.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TKestBitmap;
class TMemoryStream;
class TPicture;
struct TGraphicClass;

class TKestPictureUtils {
public:
    TKestPictureUtils() = delete;

    static QString SaveBitmapToHexStr(TPicture* ABitmap);
    static void LoadBitmapFromHexStr(const QString& AHexStr, TPicture* ABitmap);
    static std::unique_ptr<TKestBitmap> CreateBitmapFromHexStr(const QString& AHexStr);
    static QString SaveBitmapToBase64(TPicture* ABitmap, bool AURL = false);
    static void LoadBitmapFromBase64(const QString& ABase64, TPicture* ABitmap, bool AURL = false);
    static std::unique_ptr<TKestBitmap> CreateBitmapFromBase64(const QString& ABase64, bool AURL = false);
    static QString GetImageType(TPicture* ABitmap, bool AResetPosition = true);
    static bool FindGraphicClass(const void* Buffer, qint64 BufferSize, const TGraphicClass*& GraphicClass);
    // The picture drawn over the background colour, as JPEG of that quality
    // (0 to 100).
    static std::unique_ptr<TMemoryStream> ConvertBitmapToJPEGStream(TPicture* ABitmap, int AQuality,
                                                                    TColor ABackgroundColor);
};

#pragma GCC visibility pop
