// Decoding pictures from framework streams and telling their raster format.

#include "gdiplus/KestGDIP.h"
#include "gdiplus/KestGDIPlusClasses.h"

#include "framework/Stream.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

using namespace KestGDIP;

namespace {

QByteArray Encoded(const char* format)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(qRgba(10, 20, 30, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

struct FormatCase {
    const char* Name;
    QByteArray Bytes;
    TGPImageFormat Format;
    bool Decodes;
};

TEST(ImageFormat, StreamsAreDecodedAndTheirFormatTold)
{
    const FormatCase cases[] = {
        {"PNG", Encoded("PNG"), ifPNG, true},
        {"icon", Encoded("ICO"), ifIcon, true},
        {"BMP", Encoded("BMP"), ifBMP, true},
        {"not a picture", QByteArray("This is plain text, not a picture at all."), ifUndefined, false},
        {"truncated PNG", Encoded("PNG").left(30), ifUndefined, false},
        {"empty", QByteArray(), ifUndefined, false},
    };
    for (const auto& c : cases) {
        TMemoryStream stream(c.Bytes);
        TGPImage image(stream);
        EXPECT_EQ(image.GetLastStatus() == GdiplusFlat::Ok, c.Decodes) << c.Name;
        EXPECT_EQ(image.GetFormat(), c.Format) << c.Name;
        if (c.Decodes) {
            EXPECT_EQ(image.GetWidth(), 3u) << c.Name;
            EXPECT_EQ(image.GetHeight(), 2u) << c.Name;
        }
    }
}

TEST(ImageFormat, ClassModuleDecodesFromTheStreamPosition)
{
    QByteArray bytes = QByteArray("junk") + Encoded("PNG");
    TMemoryStream stream(bytes);
    stream.SetPosition(4);
    KestGDIPlusClasses::TGPImage image(stream);
    ASSERT_EQ(image.GetLastStatus(), GdiplusFlat::Ok);
    EXPECT_EQ(image.GetType(), GdiplusFlat::ImageTypeBitmap);
    EXPECT_EQ(image.GetWidth(), 3u);
}

}
