#include "Fixtures.h"
#include "MinimalSVGImport.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "pictures/HTMLPicture.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/StoredData.h"

namespace {

std::unique_ptr<THTMLPicture> Loaded(const QByteArray& bytes)
{
    auto picture = std::make_unique<THTMLPicture>();
    TMemoryStream stream(bytes);
    picture->LoadFromStream(stream);
    return picture;
}

QByteArray CountPrefixed(const QByteArray& bytes)
{
    TMemoryStream s;
    s.WriteInt32(qint32(bytes.size()));
    s.WriteBuffer(bytes.constData(), bytes.size());
    return s.Bytes();
}

}

TEST(HTMLPicture, StoredDataIsRawRasterOrCountPrefixedSvgAndReadsBackTheSame)
{
    struct Case {
        QString what;
        QByteArray bytes;
        bool svg;
        int width;
    };
    const Case cases[] = {
        {"PNG", Fixtures::Bytes("red.png"), false, 4},
        {"BMP", Fixtures::Bytes("green.bmp"), false, 4},
        {"ICO", Fixtures::Bytes("blue.ico"), false, 16},
        {"GIF", Fixtures::Bytes("anim3.gif"), false, 5},
        {"SVG", Fixtures::Svg(), true, -1},
        {"SVG whose count reads BM", Fixtures::SvgOfSize(19778), true, -1},
        {"SVG whose count reads like an icon", Fixtures::SvgOfSize(65536), true, -1},
    };
    for (const Case& c : cases) {
        auto picture = Loaded(c.bytes);
        const QByteArray stored = StoredData::Write(*picture);
        EXPECT_EQ(stored, c.svg ? CountPrefixed(c.bytes) : c.bytes) << c.what.toStdString();

        THTMLPicture copy;
        StoredData::Read(copy, stored);
        EXPECT_EQ(StoredData::Write(copy), stored) << c.what.toStdString();
        EXPECT_EQ(copy.HasSVG(), c.svg) << c.what.toStdString();
        if (c.width >= 0) {
            EXPECT_EQ(copy.Width(), c.width) << c.what.toStdString();
        }
        EXPECT_FALSE(copy.Empty()) << c.what.toStdString();
    }
}

TEST(HTMLPicture, AnimatedGifCountsFramesReadsDelaysAndStepsOnTheTick)
{
    auto gif = Loaded(Fixtures::Bytes("anim3.gif"));
    EXPECT_TRUE(gif->IsGIF());
    EXPECT_EQ(gif->FrameCount(), 3);
    EXPECT_EQ(gif->FrameTime(1), 10);
    EXPECT_EQ(gif->FrameTime(2), 20);
    EXPECT_EQ(gif->FrameTime(3), 30);
    EXPECT_EQ(gif->FrameTime(4), -1);
    EXPECT_EQ(gif->AnimMaxX(), 5);
    EXPECT_EQ(gif->AnimMaxY(), 4);

    int frameChanges = 0;
    gif->OnFrameChange = [&](QObject*) { ++frameChanges; };
    // Moves on the 3rd (to frame 2), 5th (frame 3) and 8th call (frame 1);
    // frame 1 then lasts its one tick of 10.
    const bool expected[] = {false, false, true, false, true, false, false, true, true};
    const int frames[] = {1, 1, 2, 2, 3, 3, 3, 1, 2};
    for (int call = 0; call < 9; ++call) {
        EXPECT_EQ(gif->Step(), expected[call]) << "call " << call + 1;
        EXPECT_EQ(gif->Frame(), frames[call]) << "call " << call + 1;
    }
    EXPECT_EQ(frameChanges, 4);

    auto still = Loaded(Fixtures::Bytes("still.gif"));
    EXPECT_EQ(still->FrameCount(), 1);
    for (int call = 0; call < 20; ++call)
        EXPECT_FALSE(still->Step());
    auto png = Loaded(Fixtures::Bytes("red.png"));
    EXPECT_EQ(png->FrameCount(), -1);
    EXPECT_EQ(png->FrameTime(1), -1);
    EXPECT_FALSE(png->Step());
}

TEST(HTMLPicture, FramesLoadsAndTruncatedGifDataStayConsistent)
{
    // FramePrev before anything was counted goes to the last frame, not -1.
    auto gif = Loaded(Fixtures::Bytes("anim3.gif"));
    gif->FramePrev();
    EXPECT_EQ(gif->Frame(), 3);
    gif->FrameNext();
    EXPECT_EQ(gif->Frame(), 1);

    // A new load counts again; an SVG load drops the GIF bytes.
    TMemoryStream still(Fixtures::Bytes("still.gif"));
    gif->LoadFromStream(still);
    EXPECT_EQ(gif->FrameCount(), 1);
    TMemoryStream svg(Fixtures::Svg());
    gif->LoadFromStream(svg);
    EXPECT_FALSE(gif->IsGIF());
    EXPECT_TRUE(gif->RawData().isEmpty());
    EXPECT_EQ(gif->FrameCount(), -1);
    EXPECT_TRUE(gif->HasSVG());

    // Every cut of the animated GIF: counting, delays and stepping stay
    // inside the bytes (the sanitizers watch), and the count never grows.
    const QByteArray whole = Fixtures::Bytes("anim3.gif");
    int previous = -1; // fewer than 5 bytes are no GIF
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        auto part = Loaded(whole.left(cut));
        const int count = part->FrameCount();
        EXPECT_GE(count, previous) << "cut at " << cut;
        previous = std::max(count, previous);
        for (int i = 0; i <= 4; ++i)
            part->FrameTime(i);
        for (int call = 0; call < 10; ++call)
            part->Step();
    }
    EXPECT_EQ(previous, 3);
}

TEST(HTMLPicture, RasterPicturesDrawThroughTheDrawingLibraryAndBmpHonoursTransparent)
{
    TDeviceContext dc(20, 20);
    TCanvas canvas(dc);
    auto png = Loaded(Fixtures::Bytes("red.png"));
    png->Draw(canvas, QRect(0, 0, 8, 6));
    EXPECT_EQ(dc.Pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(dc.Pixel(6, 4), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(dc.Pixel(12, 12)), 0);

    // A one-colour bitmap is all transparent colour: nothing shows, unless
    // Transparent is off.
    auto bmp = Loaded(Fixtures::Bytes("green.bmp"));
    EXPECT_TRUE(bmp->Transparent());
    bmp->Draw(canvas, QRect(10, 10, 8, 8));
    EXPECT_EQ(qAlpha(dc.Pixel(12, 12)), 0);
    bmp->SetTransparent(false);
    bmp->Draw(canvas, QRect(10, 10, 8, 8));
    EXPECT_EQ(dc.Pixel(12, 12), qRgb(0, 255, 0));
    EXPECT_EQ(dc.Pixel(17, 17), qRgb(0, 255, 0));
}

TEST(HTMLPicture, AssignCopiesRasterOrSvgAndFromOtherGraphics)
{
    auto gif = Loaded(Fixtures::Bytes("anim3.gif"));
    gif->SetFrame(2);
    gif->SetStretch(true);
    THTMLPicture copy;
    copy.Assign(gif.get());
    EXPECT_EQ(copy.RawData(), Fixtures::Bytes("anim3.gif"));
    EXPECT_EQ(copy.Frame(), 2);
    EXPECT_TRUE(copy.Stretch());
    EXPECT_EQ(copy.Width(), 5);

    copy.Assign(&copy);
    EXPECT_EQ(copy.RawData(), Fixtures::Bytes("anim3.gif"));
    EXPECT_EQ(copy.Frame(), 2);

    auto svg = Loaded(Fixtures::Svg());
    copy.Assign(svg.get());
    EXPECT_TRUE(copy.HasSVG());
    EXPECT_TRUE(copy.RawData().isEmpty());

    TBitmap bitmap;
    TMemoryStream png(Fixtures::Bytes("red.png"));
    bitmap.LoadFromStream(png);
    copy.Assign(&bitmap);
    EXPECT_FALSE(copy.HasSVG());
    EXPECT_EQ(copy.RawData(), Fixtures::Bytes("red.png"));

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
}

TEST(HTMLPicture, ReferencesLoadFromResourcesAndFilesAndOtherSchemesOnlyRecordWhenSynchronous)
{
    THTMLPicture picture;
    picture.LoadFromURL("res://RED_PNG");
    EXPECT_EQ(picture.ID(), QStringLiteral("res://RED_PNG"));
    EXPECT_EQ(picture.RawData(), Fixtures::Bytes("red.png"));

    THTMLPicture missing;
    missing.LoadFromURL("RES://NO_SUCH");
    EXPECT_TRUE(missing.Empty());
    EXPECT_THROW(missing.LoadFromResourceID(0, 999), EResNotFound);
    missing.LoadFromResourceID(0, 101);
    EXPECT_EQ(missing.RawData(), Fixtures::Bytes("green.bmp"));

    QTemporaryDir dir;
    const QString file = Fixtures::WriteFile(dir.filePath("pic.gif"), Fixtures::Bytes("anim3.gif"));
    THTMLPicture fromFile;
    fromFile.LoadFromURL("file://" + file);
    EXPECT_EQ(fromFile.FrameCount(), 3);
    THTMLPicture noFile;
    noFile.LoadFromURL("FILE://" + dir.filePath("none.png"));
    EXPECT_TRUE(noFile.Empty());

    THTMLPicture recorded;
    recorded.SetAsynch(false);
    recorded.LoadFromURL("http://example.invalid/a.png");
    EXPECT_EQ(recorded.URL(), QStringLiteral("http://example.invalid/a.png"));
    EXPECT_EQ(recorded.ID(), recorded.URL());
    EXPECT_FALSE(recorded.Busy());
    EXPECT_TRUE(recorded.Empty());
}

// A frame placed far outside the picture's screen made the drawing library
// write outside its frame buffer; such a picture draws nothing instead.
TEST(HTMLPicture, GifWithAFrameOutsideItsScreenIsNotHandedToTheDecoder)
{
    TDeviceContext dc(16, 16);
    TCanvas canvas(dc);
    auto gif = Loaded(Fixtures::Bytes("frame-outside-screen.gif"));
    gif->Draw(canvas, QRect(0, 0, 16, 16));
    for (int i = 0; i < 8; ++i)
        gif->Step();
    EXPECT_EQ(qAlpha(dc.Pixel(1, 1)), 0);
}
