#include "Fixtures.h"
#include "MinimalSVGImport.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/PictureFormats.h"
#include "pictures/KestTypes.h"
#include "utils/KestUtils.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include "support/StoredData.h"

namespace {

QByteArray CountPrefixed(const QByteArray& bytes)
{
    TMemoryStream s;
    s.WriteInt32(qint32(bytes.size()));
    s.WriteBuffer(bytes.constData(), bytes.size());
    return s.Bytes();
}

}

TEST(KestSVGBitmap, LoadedBytesAreKeptExactlyAndGiveTheSizeOfTheViewBox)
{
    TKestSVGBitmap svg;
    int changes = 0;
    svg.OnChange = [&](QObject*) { ++changes; };
    TMemoryStream in(Fixtures::Svg());
    svg.LoadFromStream(in);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(svg.HasSVG());
    EXPECT_FALSE(svg.Empty());
    const double scale = TKestUtils::GetDPIScale(nullptr);
    EXPECT_EQ(svg.Width(), qRound(40 * scale));
    EXPECT_EQ(svg.Height(), qRound(30 * scale));

    TMemoryStream out;
    svg.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), Fixtures::Svg());
}

TEST(KestSVGBitmap, StoredDataIsCountPrefixedAndReadsBackTheSame)
{
    TKestSVGBitmap svg;
    TMemoryStream in(Fixtures::Svg());
    svg.LoadFromStream(in);
    const QByteArray stored = StoredData::Write(svg);
    EXPECT_EQ(stored, CountPrefixed(Fixtures::Svg()));

    TKestSVGBitmap copy;
    StoredData::Read(copy, stored);
    EXPECT_EQ(copy.Source(), Fixtures::Svg());
    EXPECT_EQ(copy.SVG()->ElementCount(), 2);
    EXPECT_EQ(StoredData::Write(copy), stored);
}

TEST(KestSVGBitmap, StoredCountsOfZeroNegativeOrPastTheDataCopyNothing)
{
    struct Case {
        const char* what;
        QByteArray data;
        bool readError;
    };
    const QByteArray svg = Fixtures::Svg();
    QByteArray tooLarge = CountPrefixed(svg);
    tooLarge[0] = char(svg.size() + 1);
    const Case cases[] = {
        {"count 0 before data", QByteArray(4, '\0') + svg, false},
        {"count 0 alone", QByteArray(4, '\0'), false},
        {"count past the data", tooLarge, true},
        {"huge count", QByteArray("\xff\xff\xff\x7f<svg/>"), true},
        {"negative count", QByteArray("\xfe\xff\xff\xff<svg/>"), true},
        {"count cut short", QByteArray("\x10\x00", 2), true},
    };
    for (const Case& c : cases) {
        TKestSVGBitmap picture;
        TMemoryStream in(svg);
        picture.LoadFromStream(in);
        try {
            StoredData::Read(picture, c.data);
            EXPECT_FALSE(c.readError) << c.what << ": no error";
            EXPECT_TRUE(picture.Source().isEmpty()) << c.what;
            EXPECT_TRUE(picture.Empty()) << c.what;
        } catch (const EReadError& e) {
            EXPECT_TRUE(c.readError) << c.what;
            EXPECT_EQ(e.Message(), QStringLiteral("Stream read error")) << c.what;
        }
    }
}

TEST(KestSVGBitmap, CanLoadFromStreamRefusesRasterSignaturesAtThePosition)
{
    struct Case {
        QString file;
        bool can;
    };
    for (const Case& c : {Case{"red.png", false}, Case{"green.bmp", false}, Case{"blue.ico", false},
                          Case{"anim3.gif", false}}) {
        TMemoryStream s(Fixtures::Bytes(c.file));
        EXPECT_EQ(TKestSVGBitmap::CanLoadFromStream(s), c.can) << c.file.toStdString();
    }
    TMemoryStream text(QByteArray("xx") + Fixtures::Svg());
    text.SetPosition(2);
    EXPECT_TRUE(TKestSVGBitmap::CanLoadFromStream(text));
    EXPECT_EQ(text.Position(), 2);
}

TEST(KestSVGBitmap, ParseErrorsAreSwallowedByStreamLoadsAndAssignButNotByFileLoads)
{
    const QByteArray broken("<svg xmlns=\"http://www.w3.org/2000/svg\"><rect></svg>");
    TKestSVGBitmap svg;
    int changes = 0;
    svg.OnChange = [&](QObject*) { ++changes; };
    TMemoryStream in(broken);
    EXPECT_NO_THROW(svg.LoadFromStream(in));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(svg.Source(), broken); // the bytes stay, to be saved back

    TKestSVGBitmap other;
    EXPECT_NO_THROW(other.Assign(&svg));
    EXPECT_EQ(other.Source(), broken);

    QTemporaryDir dir;
    const QString file = Fixtures::WriteFile(dir.filePath("broken.svg"), broken);
    EXPECT_THROW(svg.LoadFromFile(file), EReadError);
    EXPECT_THROW(svg.LoadFromFile(dir.filePath("missing.svg")), EFOpenError);
}

TEST(KestSVGBitmap, AssignCopiesTheDocumentAndAssigningToItselfKeepsIt)
{
    TKestSVGBitmap source;
    TMemoryStream in(Fixtures::Svg());
    source.LoadFromStream(in);
    TKestSVGBitmap target;
    target.Assign(&source);
    EXPECT_EQ(target.Source(), Fixtures::Svg());
    EXPECT_TRUE(target.HasSVG());

    int changes = 0;
    target.OnChange = [&](QObject*) { ++changes; };
    target.Assign(&target);
    EXPECT_EQ(target.Source(), Fixtures::Svg());
    EXPECT_TRUE(target.HasSVG());
    EXPECT_EQ(changes, 0);
}

TEST(KestSVGBitmap, SettingTheFileNameLoadsTheFileOnce)
{
    QTemporaryDir dir;
    const QString file = Fixtures::WriteFile(dir.filePath("a.svg"), Fixtures::Svg());
    TKestSVGBitmap svg;
    int changes = 0;
    svg.OnChange = [&](QObject*) { ++changes; };
    svg.SetFileName(file);
    EXPECT_EQ(svg.FileName(), file);
    EXPECT_TRUE(svg.HasSVG());
    svg.SetFileName(file);
    EXPECT_EQ(changes, 1);
}

TEST(KestSVGBitmap, DrawsThroughTheImporterIntoTheRectangle)
{
    TKestSVGBitmap svg;
    TMemoryStream in(Fixtures::Svg());
    svg.LoadFromStream(in);
    TDeviceContext dc(20, 20);
    TCanvas canvas(dc);
    canvas.StretchDraw(QRect(5, 5, 10, 10), &svg);
    EXPECT_TRUE(static_cast<TMinimalSVGImport*>(svg.SVG())->LastNative);
    EXPECT_EQ(dc.Pixel(5, 5), qRgb(255, 0, 255));
    EXPECT_EQ(dc.Pixel(14, 14), qRgb(255, 0, 255));
    EXPECT_EQ(qAlpha(dc.Pixel(15, 15)), 0);
}

TEST(KestSVGBitmap, WithoutAnEngineTheBytesAreKeptAndThePictureIsEmpty)
{
    TKestSVGImport::UnregisterFactory();
    TKestSVGBitmap svg;
    TKestSVGImport::RegisterFactory([] { return std::make_unique<TMinimalSVGImport>(); });
    TMemoryStream in(Fixtures::Svg());
    svg.LoadFromStream(in);
    EXPECT_TRUE(svg.Empty());
    EXPECT_FALSE(svg.HasSVG());
    EXPECT_EQ(svg.Width(), 0);
    EXPECT_EQ(StoredData::Write(svg), QByteArray()); // an empty picture stores nothing
    TMemoryStream out;
    svg.SaveToStream(out);
    EXPECT_EQ(out.Bytes(), Fixtures::Svg());
}

TEST(KestBitmap, PictureHolderPicksTheSvgTypeByContentAndExtension)
{
    TKestBitmap bitmap;
    TMemoryStream in(Fixtures::Svg());
    bitmap.LoadFromStream(in);
    EXPECT_TRUE(bitmap.HasSVG());
    ASSERT_NE(bitmap.SVG(), nullptr);
    EXPECT_EQ(bitmap.SVG()->ElementCount(), 2);

    TMemoryStream png(Fixtures::Bytes("red.png"));
    bitmap.LoadFromStream(png);
    EXPECT_FALSE(bitmap.HasSVG());
    EXPECT_EQ(bitmap.SVG(), nullptr);
    EXPECT_EQ(bitmap.Width(), 4);

    QTemporaryDir dir;
    const QString file = Fixtures::WriteFile(dir.filePath("pic.svg"), Fixtures::Svg());
    bitmap.LoadFromFile(file);
    EXPECT_TRUE(bitmap.HasSVG());
    // Stored with its class name, the SVG picture's own data follows.
    EXPECT_EQ(StoredData::Write(bitmap), QByteArray("\x0eTKestSVGBitmap") + CountPrefixed(Fixtures::Svg()));
}

TEST(KestBitmap, SvgFormatIsRegisteredForItsExtension)
{
    const TPictureFormat* format = PictureFormats::FindExtension("svg");
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(format->Description, QStringLiteral("Scalable Vector Graphics (Qt)"));
    EXPECT_EQ(format->GraphicClass.Meta, &TKestSVGBitmap::staticMetaObject);
}
