// The canvas over real back-ends and real pixels: the shape rule, textures,
// state setters and saved states (also when something throws), text and
// its markup routing, pictures and their parts, named pictures.

#include "graphics/KestGraphics.h"

#include "graphics/CanvasFixture.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/FormatSettings.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/KestGraphicsMarkup.h"
#include "pictures/KestBitmap.h"
#include "pictures/PictureContainer.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

using TCanvasTest = TCanvasFixture;

TEST_P(TCanvasTest, FillFirstThenStrokeEachOnlyWithColourAndKind)
{
    Solid(clRed, clBlue);
    Canvas->DrawRectangle(TRectF(0, 0, 20, 20));
    // Null fill, no stroke: nothing at all.
    Canvas->SetFillColor(gcNull);
    Canvas->SetStrokeKind(gskNone);
    Canvas->DrawRectangle(TRectF(30, 0, 50, 20));
    // Fill kind none: only the outline.
    Canvas->SetFillColor(clRed);
    Canvas->SetFillKind(gfkNone);
    Canvas->SetStrokeKind(gskSolid);
    Canvas->DrawEllipse(TRectF(30, 20, 50, 40));
    const QImage image = Picture();
    EXPECT_EQ(image.pixel(10, 10), Red);
    EXPECT_EQ(image.pixel(0, 10), Blue) << "stroke drawn over the fill";
    EXPECT_EQ(qAlpha(image.pixel(40, 10)), 0);
    EXPECT_EQ(qAlpha(image.pixel(40, 30)), 0) << "ellipse inside left unfilled";
}

TEST_P(TCanvasTest, FillObjectChangesReachTheBackEnd)
{
    Canvas->Fill()->SetColor(clGreen);
    Canvas->Stroke()->SetKind(gskNone);
    EXPECT_EQ(Canvas->Context()->GetFillColor(), TColor(clGreen));
    Canvas->DrawRectangle(TRectF(0, 0, 10, 10));
    EXPECT_EQ(Picture().pixel(5, 5), 0xFF008000u);
}

TEST_P(TCanvasTest, TextureFillCoversTheBoundsEvenWithoutColour)
{
    TKestBitmap texture;
    SetPicture(texture, 4, 4, Green);
    Canvas->Fill()->SetTexture(&texture);
    Canvas->Fill()->SetTextureMode(gtmTile);
    Canvas->SetFillColor(gcNull);
    Canvas->SetFillKind(gfkTexture);
    Canvas->SetStrokeKind(gskNone);
    Canvas->DrawEllipse(TRectF(0, 0, 20, 20));
    const QImage image = Picture();
    // The texture is not clipped to the ellipse: its bounds' corners too.
    EXPECT_EQ(image.pixel(0, 0), Green);
    EXPECT_EQ(image.pixel(19, 19), Green);
    EXPECT_EQ(qAlpha(image.pixel(21, 21)), 0);
}

TEST_P(TCanvasTest, TextureModesPlaceThePicture)
{
    TKestBitmap texture;
    SetPicture(texture, 10, 5, Blue);
    Canvas->Fill()->SetTexture(&texture);
    Canvas->SetFillKind(gfkTexture);
    Canvas->SetStrokeKind(gskNone);
    Canvas->Fill()->SetTextureMode(gtmCenter);
    Canvas->DrawRectangle(TRectF(0, 0, 30, 15)); // texture at (10, 5)-(20, 10)
    Canvas->Fill()->SetTextureMode(gtmFit);
    Canvas->DrawRectangle(TRectF(30, 0, 60, 40)); // 30 x 15, centred at y 13..27
    const QImage image = Picture();
    EXPECT_EQ(qAlpha(image.pixel(5, 7)), 0);
    EXPECT_EQ(image.pixel(15, 7), Blue);
    EXPECT_EQ(qAlpha(image.pixel(45, 5)), 0);
    EXPECT_EQ(image.pixel(45, 20), Blue);
    EXPECT_EQ(image.pixel(31, 20), Blue);
}

TEST_P(TCanvasTest, TinyTextureTiledOverAHugeRectangleFinishes)
{
    TKestBitmap texture;
    SetPicture(texture, 1, 1, Red);
    Canvas->Fill()->SetTexture(&texture);
    Canvas->Fill()->SetTextureMode(gtmTile);
    Canvas->SetFillKind(gfkTexture);
    Canvas->SetStrokeKind(gskNone);
    // One draw per tile would be 10^12 draws.
    Canvas->DrawRectangle(TRectF(-500000, -500000, 500000, 500000));
    const QImage image = Picture();
    EXPECT_EQ(image.pixel(0, 0), Red);
    EXPECT_EQ(image.pixel(Width - 1, Height - 1), Red);
}

TEST_P(TCanvasTest, EmptyTexturesAndRectanglesDrawNothing)
{
    TKestBitmap empty;
    Canvas->Fill()->SetTexture(&empty);
    Canvas->SetFillKind(gfkTexture);
    Canvas->SetStrokeKind(gskNone);
    for (TKestGraphicsTextureMode mode : {gtmOriginal, gtmFit, gtmStretch, gtmCenter, gtmTile}) {
        Canvas->Fill()->SetTextureMode(mode);
        Canvas->DrawRectangle(TRectF(0, 0, 20, 20));
    }
    TKestBitmap texture;
    SetPicture(texture, 3, 3, Red);
    Canvas->Fill()->SetTexture(&texture);
    for (TKestGraphicsTextureMode mode : {gtmOriginal, gtmFit, gtmStretch, gtmCenter, gtmTile}) {
        Canvas->Fill()->SetTextureMode(mode);
        Canvas->DrawRectangle(TRectF(5, 5, 5, 30));
        Canvas->DrawRectangle(TRectF(5, 5, 30, 5));
    }
    const QImage image = Picture();
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
}

TEST_P(TCanvasTest, SaveStateGivesBackFillStrokeAndFont)
{
    Solid(clRed, clBlue);
    Canvas->SetFontName(QStringLiteral("Arial"));
    std::unique_ptr<TKestGraphicsSaveState> state = Canvas->SaveState();
    Solid(clGreen, clGreen);
    Canvas->SetFontName(QStringLiteral("Courier New"));
    Canvas->RestoreState(std::move(state));
    EXPECT_EQ(Canvas->Fill()->Color(), TColor(clRed));
    EXPECT_EQ(Canvas->Stroke()->Color(), TColor(clBlue));
    EXPECT_EQ(Canvas->Font()->Name(), QStringLiteral("Arial"));
    Canvas->DrawRectangle(TRectF(0, 0, 10, 10));
    EXPECT_EQ(Picture().pixel(5, 5), Red) << "the back-end has the restored fill";
}

TEST_P(TCanvasTest, AThrowingSetterLeavesLaterSettersWorking)
{
    // The font refuses a size it cannot draw; the setter's guard must not
    // stay raised, or every later state change would be dropped.
    EXPECT_THROW(Canvas->SetFontSize(1e6f), EPropertyError);
    Solid(clGreen, clGreen);
    EXPECT_EQ(Canvas->Fill()->Color(), TColor(clGreen));
    Canvas->DrawRectangle(TRectF(0, 0, 10, 10));
    EXPECT_EQ(Picture().pixel(5, 5), 0xFF008000u);
}

TEST_P(TCanvasTest, TextTakesTheFontColourAndGivesTheFillBack)
{
    Solid(clRed, gcNull);
    Canvas->SetStrokeKind(gskNone);
    Canvas->SetFontColor(clBlue);
    Canvas->SetFontSize(20);
    Canvas->DrawText(TRectF(0, 0, 40, 40), QStringLiteral("MM"));
    EXPECT_EQ(Canvas->Context()->GetFillColor(), TColor(clRed));
    Canvas->DrawRectangle(TRectF(50, 0, 60, 10));
    const QImage image = Picture();
    int blue = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            blue += qBlue(image.pixel(x, y)) > 128 && qRed(image.pixel(x, y)) < 64;
    EXPECT_GT(blue, 10) << "text drawn in the font colour";
    EXPECT_EQ(image.pixel(55, 5), Red) << "fill colour back after the text";
}

TEST_P(TCanvasTest, MeasuringEmptyTextAndEmptyRectangles)
{
    EXPECT_EQ(Canvas->CalculateText(QString(), TRectF(3, 4, 100, 100)), TRectF(3, 4, 3, 4));
    const TRectF narrow = Canvas->CalculateText(QStringLiteral("abc"), TRectF(3, 4, 3.4f, 100));
    EXPECT_EQ(narrow.Bottom, 4);
    const TRectF text = Canvas->CalculateText(QStringLiteral("abc"));
    EXPECT_GT(text.Width(), 5);
    EXPECT_GT(text.Height(), 5);
    EXPECT_EQ(Canvas->CalculateTextInt(QStringLiteral("abc")).width(), qRound(text.Width()));
}

// The markup engine as the HTML engine will fill it in: it records what
// reaches it, draws a block of the font colour over the box, and reports a
// link when asked for one.
class TRecordingMarkup : public IKestGraphicsMarkup {
public:
    QStringList Measured, Drawn;
    bool ThrowOnDraw = false;
    TKestMarkupResult DrawHTML(TKestGraphics& graphics, const TKestMarkupRequest& request) override
    {
        TKestMarkupResult result;
        result.Extent = TSizeF(20, 10);
        result.LineCount = 1;
        if (request.CalculateOnly) {
            Measured << request.Text;
            return result;
        }
        Drawn << request.Text;
        if (ThrowOnDraw)
            throw Exception(QStringLiteral("engine failed"));
        if (request.TestAnchor) {
            result.Hit = true;
            result.Anchor = QStringLiteral("link");
        }
        return result;
    }
    QString HilightMarkup(const QString& text, const QString&, const QString& tag, bool) override
    {
        return QLatin1Char('<') + tag + QLatin1Char('>') + text;
    }
};

class TMarkupTest : public TCanvasFixture {
protected:
    TMarkupTest()
    {
        auto engine = std::make_unique<TRecordingMarkup>();
        Engine = engine.get();
        RegisterKestGraphicsMarkup(std::move(engine));
    }
    ~TMarkupTest() override { RegisterKestGraphicsMarkup(nullptr); }
    TRecordingMarkup* Engine;
};

TEST_P(TMarkupTest, MarkupGoesToTheEnginePlainTextToTheBackEnd)
{
    const struct {
        const char* Text;
        bool Markup;
    } cases[] = {
        {"<b>bold</b>", true}, {"line<br>next", true}, {"self<img/>", true}, {"<b>only opening", false},
        {"plain", false},
    };
    for (const auto& c : cases) {
        Engine->Drawn.clear();
        Canvas->DrawText(TRectF(0, 0, 60, 40), QString::fromLatin1(c.Text));
        EXPECT_EQ(Engine->Drawn.size(), c.Markup ? 1 : 0) << c.Text;
    }
    // Without markup support everything is plain text.
    Engine->Drawn.clear();
    Canvas->DrawText(TRectF(0, 0, 60, 40), QStringLiteral("<b>x</b>"), false, gtaLeading, gtaLeading, gttNone, 0,
                     -1, -1, false);
    EXPECT_TRUE(Engine->Drawn.isEmpty());
    EXPECT_EQ(TKestGraphics::ApplyHilight(QStringLiteral("x"), QStringLiteral("x"), QStringLiteral("u"), false),
              QStringLiteral("<u>x"));
}

TEST_P(TMarkupTest, AnchorTestReportsTheLinkAndDrawsNoPlainText)
{
    const QString link = Canvas->DrawText(TRectF(0, 0, 60, 40), QStringLiteral("<a href=\"link\">x</a>"), false,
                                          gtaLeading, gtaLeading, gttNone, 0, -1, -1, true, true, 5, 5);
    EXPECT_EQ(link, QStringLiteral("link"));
    EXPECT_EQ(Canvas->DrawText(TRectF(0, 0, 60, 40), QStringLiteral("plain"), false, gtaLeading, gtaLeading, gttNone,
                               0, -1, -1, true, true, 5, 5),
              QString());
    const QImage image = Picture();
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(qAlpha(image.pixel(x, y)), 0) << x << "," << y;
}

TEST_P(TMarkupTest, OptimizedDrawingGoesLineByLine)
{
    Canvas->SetOptimizedHTMLDrawing(true);
    Canvas->DrawText(TRectF(0, 0, 60, 40), QStringLiteral("<b>one</b><BR/>two<br/><i>three</i>"));
    EXPECT_EQ(Engine->Drawn, (QStringList{QStringLiteral("<b>one</b>"), QStringLiteral("<i>three</i>")}));
    const TRectF measured =
        Canvas->CalculateText(QStringLiteral("<b>one</b><BR/><b>two</b>"), TRectF(0, 0, 60, 40), false, true);
    EXPECT_EQ(measured.Height(), 22) << "two lines of the engine's height + 1";
}

TEST_P(TMarkupTest, AThrowingEngineLeavesTheCanvasAsItWas)
{
    Solid(clRed, gcNull);
    Canvas->SetStrokeKind(gskNone);
    Canvas->SetFontColor(clBlue);
    Engine->ThrowOnDraw = true;
    EXPECT_THROW(Canvas->DrawText(TRectF(0, 0, 10, 10), QStringLiteral("<b>x</b>")), Exception);
    // The fill colour and the clip of the markup box are undone.
    EXPECT_EQ(Canvas->Context()->GetFillColor(), TColor(clRed));
    Canvas->DrawRectangle(TRectF(20, 20, 40, 40));
    EXPECT_EQ(Picture().pixel(30, 30), Red);
}

TEST_P(TCanvasTest, PicturesArePlacedByAspectStretchAndCentre)
{
    TKestBitmap picture;
    SetPicture(picture, 10, 10, Green);
    Canvas->DrawBitmap(TRectF(0, 0, 30, 20), &picture, true, false, true, false); // own size, centred
    EXPECT_EQ(Canvas->GetBitmapDrawRectangle(TRectF(0, 0, 30, 20), &picture, true, false, true, false),
              TRectF(10, 5, 20, 15));
    EXPECT_EQ(Canvas->GetBitmapDrawRectangle(TRectF(0, 0, 30, 20), nullptr), TRectF());
    Canvas->DrawBitmap(TRectF(30, 0, 60, 20), &picture, true, true, false, false); // 20 x 20 at the left
    const QImage image = Picture();
    EXPECT_EQ(qAlpha(image.pixel(8, 10)), 0);
    EXPECT_EQ(image.pixel(15, 10), Green);
    EXPECT_EQ(image.pixel(45, 10), Green);
    EXPECT_EQ(qAlpha(image.pixel(52, 10)), 0);
}

TEST_P(TCanvasTest, TakenPixelsAreWhatWasDrawnAndTheCallersAlone)
{
    Solid(clRed, clRed);
    Canvas->DrawRectangle(TRectF(0, 0, 10, 10));
    Canvas->EndScene();
    QImage pixels = TKestGraphics::TakeImage(std::move(Canvas));
    ASSERT_EQ(pixels.size(), QSize(Width, Height));
    EXPECT_EQ(pixels.pixel(5, 5), Red);
    EXPECT_EQ(qAlpha(pixels.pixel(15, 5)), 0);
    // Nothing else holds them: writing does not copy.
    const uchar* before = pixels.constBits();
    pixels.setPixel(15, 5, Blue);
    EXPECT_EQ(pixels.constBits(), before);

    TDeviceContext surface(4, 4);
    TCanvas client(surface);
    EXPECT_TRUE(TKestGraphics::TakeImage(TKestGraphics::Create(&client, GetParam())).isNull());
    EXPECT_TRUE(TKestGraphics::TakeImage(nullptr).isNull());
}

TEST_P(TCanvasTest, APartFarOutsideThePictureIsCutToIt)
{
    TKestBitmap picture;
    QImage quadrants(20, 20, QImage::Format_ARGB32_Premultiplied);
    quadrants.fill(Red);
    for (int y = 0; y < 20; ++y)
        for (int x = 10; x < 20; ++x)
            quadrants.setPixel(x, y, Blue);
    TBitmap bitmap;
    bitmap.SetImage(quadrants);
    picture.Assign(&bitmap);

    // The cut holds only what lies on the picture, not the source's size.
    std::unique_ptr<TKestBitmap> cut =
        Canvas->DrawBitmapPartSync(TRectF(10, 0, 1e7f, 1e7f), TRectF(0, 0, 10, 10), &picture);
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->Width(), 10);
    EXPECT_EQ(cut->Height(), 20);
    EXPECT_FALSE(Canvas->DrawBitmapPartSync(TRectF(30, 30, 40, 40), TRectF(0, 0, 10, 10), &picture));
    EXPECT_FALSE(Canvas->DrawBitmapPartSync(TRectF(0, 0, 0, 10), TRectF(0, 0, 10, 10), &picture));

    // The right half drawn 1:1; the source runs 10 pixels past the picture.
    Canvas->DrawBitmapPart(TRectF(10, 0, 30, 20), TRectF(0, 0, 20, 20), &picture, false, true, false, false);
    const QImage image = Picture();
    EXPECT_EQ(image.pixel(5, 10), Blue);
    EXPECT_EQ(qAlpha(image.pixel(15, 10)), 0);
}

TEST_P(TCanvasTest, NamedPicturesWithTheScaleUseADot)
{
    TPictureContainer container;
    for (const char* name : {"pic", "pic_1.5"}) {
        TPictureItem* item = container.Items()->Add();
        item->SetName(QString::fromLatin1(name));
        TBitmap bitmap;
        QImage image(4, QString::fromLatin1(name).size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Red);
        bitmap.SetImage(image);
        item->SetPicture(&bitmap);
    }
    TFormatSettings comma;
    comma.DecimalSeparator = QLatin1Char(',');
    TScopedFormatSettings scope(comma);
    TPicture* scaled = TKestGraphics::GetBitmapFromPictureContainer(&container, QStringLiteral("pic"), true, 1.5f);
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->Height(), 7) << "pic_1.5";
    TPicture* plain = TKestGraphics::GetBitmapFromPictureContainer(&container, QStringLiteral("pic"), true, 2);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->Height(), 3) << "no pic_2: pic itself";
    EXPECT_FALSE(TKestGraphics::GetBitmapFromPictureContainer(&container, QString(), true, 2));
    EXPECT_FALSE(TKestGraphics::GetBitmapFromPictureContainer(nullptr, QStringLiteral("pic")));
}

INSTANTIATE_TEST_SUITE_P(BackEnds, TCanvasTest, ::testing::Values(true, false), BackEndName);
INSTANTIATE_TEST_SUITE_P(BackEnds, TMarkupTest, ::testing::Values(true, false), BackEndName);

}
