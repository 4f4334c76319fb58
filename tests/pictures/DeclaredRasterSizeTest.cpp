#include "Fixtures.h"

#include "pictures/DeclaredRasterSize.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

namespace {

QByteArray Le(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = 0; i < bytes; ++i)
        b += char((v >> (8 * i)) & 0xFF);
    return b;
}

// A file and info header claiming width x height at 24 bits, no pixels.
QByteArray BmpHeader(qint32 width, qint32 height)
{
    return "BM" + Le(54, 4) + Le(0, 4) + Le(54, 4) + Le(40, 4) + Le(quint32(width), 4) + Le(quint32(height), 4) +
           Le(1, 2) + Le(24, 2) + QByteArray(24, '\0');
}

QByteArray Jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return bytes;
}

}

TEST(DeclaredRasterSize, ReadsTheSizeEachHeaderClaims)
{
    struct Case {
        const char* What;
        QByteArray Bytes;
        std::optional<QSize> Expected;
    };
    const QByteArray png = Fixtures::Bytes("red.png");
    const Case cases[] = {
        {"PNG", png, QSize(4, 3)},
        {"BMP", Fixtures::Bytes("green.bmp"), QSize(4, 3)},
        {"GIF screen", Fixtures::Bytes("anim3.gif"), QSize(5, 4)},
        {"JPEG behind its other segments", Jpeg(7, 5), QSize(7, 5)},
        {"BMP drawn top down", BmpHeader(3, -2), QSize(3, 2)},
        {"BMP with the old core header", "BM" + QByteArray(12, '\0') + Le(12, 4) + Le(9, 2) + Le(8, 2) + Le(1, 2) +
                                             Le(24, 2),
         QSize(9, 8)},
        {"BMP claiming a huge width", BmpHeader(67108864, 3), QSize(67108864, 3)},
        {"PNG cut in its header", png.left(20), std::nullopt},
        {"JPEG without a frame header", QByteArray("\xFF\xD8\xFF\xD9", 4), std::nullopt},
        {"JPEG with a segment running past the end", QByteArray("\xFF\xD8\xFF\xE0\xFF\xFF", 6), std::nullopt},
        {"icon (not read here)", Fixtures::Bytes("blue.ico"), std::nullopt},
        {"empty", QByteArray(), std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeclaredRasterSize::Of(c.Bytes), c.Expected) << c.What;
}

TEST(DeclaredRasterSize, DecodableUpToTheSurfaceSideAndPixelBudget)
{
    struct Case {
        qint64 Width, Height;
        bool Expected;
    };
    const Case cases[] = {
        {32767, 4096, true}, {32768, 1, false}, {1, 32768, false}, {16384, 8192, true}, {16384, 8193, false}, {0, 0, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DeclaredRasterSize::Decodable(c.Width, c.Height), c.Expected) << c.Width << " x " << c.Height;
}
