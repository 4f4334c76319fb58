#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/Picture.h"
#include "framework/PictureFormats.h"
#include "framework/Stream.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/StoredData.h"

namespace {

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}

TEST(Picture, StreamsOfTheRasterFormatsLoadAsBitmapsAndOtherDataIsRefused)
{
    const QImage image = Solid(3, 2, qRgb(255, 0, 0));
    for (const char* format : {"PNG", "BMP", "ICO", "JPG"}) {
        TPicture picture;
        TMemoryStream stream(Encoded(image, format));
        picture.LoadFromStream(stream);
        ASSERT_NE(qobject_cast<TBitmap*>(picture.Graphic()), nullptr) << format;
        EXPECT_EQ(picture.Width(), 3) << format;
        EXPECT_EQ(picture.Height(), 2) << format;
    }
    TPicture picture;
    TMemoryStream text(QByteArray("<svg xmlns='http://www.w3.org/2000/svg'/>"));
    try {
        picture.LoadFromStream(text);
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unsupported picture format"));
    }
    EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(Picture, FilesPickTheClassByExtension)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("p.PNG");
    ASSERT_TRUE(Solid(4, 5, qRgb(0, 0, 255)).save(png, "PNG"));
    TPicture picture;
    picture.LoadFromFile(png);
    EXPECT_EQ(picture.Width(), 4);

    const QString odd = dir.filePath("p.xyz");
    QFile::copy(png, odd);
    try {
        picture.LoadFromFile(odd);
        FAIL() << "no error";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unknown picture file extension (.xyz)"));
    }
    EXPECT_EQ(picture.Width(), 4); // the failed load left the picture as it was
}

TEST(Picture, StoredDataIsTheClassNameThenTheBitmapBytesUnchanged)
{
    const QByteArray png = Encoded(Solid(2, 2, qRgb(1, 2, 3)), "PNG");
    TPicture picture;
    TMemoryStream stream(png);
    picture.LoadFromStream(stream);

    QByteArray stored = StoredData::Write(picture);
    EXPECT_EQ(stored, QByteArray("\x07TBitmap") + png);

    TPicture copy;
    StoredData::Read(copy, stored);
    ASSERT_NE(qobject_cast<TBitmap*>(copy.Graphic()), nullptr);
    EXPECT_EQ(StoredData::Write(copy), stored);

    TPicture empty;
    StoredData::Read(empty, QByteArray("\x07TBitmap") + png);
    StoredData::Read(empty, QByteArray(1, '\0'));
    EXPECT_EQ(empty.Graphic(), nullptr);
}

TEST(Picture, StoredDataOfAnUnknownClassOrCutShortIsAReadError)
{
    struct Case {
        const char* what;
        QByteArray data;
        QString message;
    };
    const Case cases[] = {
        {"unknown class", QByteArray("\x05TNone"), QStringLiteral("Unknown picture class TNone")},
        {"name cut short", QByteArray("\x07TBit"), QStringLiteral("Stream read error")},
        {"no name at all", QByteArray(), QStringLiteral("Stream read error")},
    };
    for (const Case& c : cases) {
        TPicture picture;
        try {
            StoredData::Read(picture, c.data);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const EReadError& e) {
            EXPECT_EQ(e.Message(), c.message) << c.what;
        }
    }
}

TEST(Picture, AssignCopiesTheGraphicAndReportsChanges)
{
    TPicture source;
    TMemoryStream stream(Encoded(Solid(3, 3, qRgb(9, 9, 9)), "BMP"));
    source.LoadFromStream(stream);

    TPicture target;
    int changes = 0;
    target.OnChange = [&](QObject*) { ++changes; };
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(target.Graphic(), source.Graphic());
    EXPECT_EQ(target.Width(), 3);

    target.Graphic()->SetTransparent(true); // a change of the held graphic
    EXPECT_EQ(changes, 2);

    target.Assign(&target);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(target.Width(), 3);

    TBitmap bitmap;
    bitmap.Assign(&source); // a picture hands its graphic over
    EXPECT_EQ(bitmap.Width(), 3);

    target.Assign(nullptr);
    EXPECT_EQ(target.Graphic(), nullptr);
}

TEST(Picture, BitmapDrawsStretchedOnTheCanvas)
{
    TBitmap bitmap;
    bitmap.SetImage(Solid(2, 2, qRgb(0, 255, 0)));
    TDeviceContext dc(10, 10);
    TCanvas canvas(dc);
    canvas.StretchDraw(QRect(2, 2, 6, 6), &bitmap);
    EXPECT_EQ(dc.Pixel(2, 2), qRgb(0, 255, 0));
    EXPECT_EQ(dc.Pixel(7, 7), qRgb(0, 255, 0));
    EXPECT_EQ(qAlpha(dc.Pixel(8, 8)), 0);
    EXPECT_EQ(qAlpha(dc.Pixel(1, 1)), 0);
}
