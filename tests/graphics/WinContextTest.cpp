// The drawing-library back-end under a native canvas, drawing on a real
// surface: one scene per surface, state kept across surfaces, outlines,
// smoothing, transforms, clipping, saved states, text and pictures.

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "graphics/win/KestGraphicsContextWin.h"

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb White = 0xFFFFFFFF;

bool Near(QRgb pixel, QRgb expected, int tolerance = 8)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

// A native canvas over a white 60 x 40 surface with a scene begun.
struct WinContext : ::testing::Test {
    TDeviceContext dc{60, 40};
    TCanvas canvas{dc};
    std::unique_ptr<TKestGraphics> graphics;
    TKestGraphicsContextWin* context = nullptr;

    void SetUp() override
    {
        dc.Fill(White);
        graphics = TKestGraphics::CreateNative(&canvas);
        context = dynamic_cast<TKestGraphicsContextWin*>(graphics->Context());
        ASSERT_NE(context, nullptr);
        context->SetSize(60, 40);
        graphics->BeginScene();
    }

    // Pixels of the rectangle (in pixels, right and bottom out) that are not white.
    int Painted(const QRect& rect) const
    {
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += dc.Pixel(x, y) != White ? 1 : 0;
        return count;
    }
    int Painted() const { return Painted(QRect(0, 0, dc.Width(), dc.Height())); }

    // Pixels neither white nor fully the colour: the soft edges of smoothing.
    int Soft(QRgb color) const
    {
        int count = 0;
        for (int y = 0; y < dc.Height(); ++y)
            for (int x = 0; x < dc.Width(); ++x) {
                const QRgb p = dc.Pixel(x, y);
                count += p != White && !Near(p, color, 2) ? 1 : 0;
            }
        return count;
    }

};

TEST_F(WinContext, AfterTheSceneNothingIsDrawnOrMeasuredUntilANewSize)
{
    TKestGraphicsFill red(gfkSolid, clRed);
    graphics->EndScene();
    EXPECT_EQ(context->Surface(), nullptr);
    EXPECT_FALSE(context->NeedsRendering());
    context->FillRect(&red, TRectF(0, 0, 60, 40), gcrmNone);
    context->DrawText(QStringLiteral("text"), TRectF(0, 0, 60, 40), false, gtaLeading, gtaLeading, gttNone, 0);
    EXPECT_EQ(Painted(), 0);
    EXPECT_EQ(context->CalculateText(QStringLiteral("text"), TRectF(5, 5, 60, 40), false), TRectF());

    context->SetSize(60, 40);
    ASSERT_NE(context->Surface(), nullptr);
    context->FillRect(&red, TRectF(0, 0, 10, 10), gcrmNone);
    graphics->EndScene();
    EXPECT_TRUE(Near(dc.Pixel(5, 5), qRgb(255, 0, 0), 0));
}

TEST_F(WinContext, StateSetWithoutASurfaceIsWhatTheNextSurfaceDrawsWith)
{
    graphics->EndScene();
    // The canvas pushes every change to its back-end, surface or not.
    graphics->Fill()->SetColor(clBlue);
    graphics->Stroke()->SetKind(gskNone);
    graphics->SetFontColor(clLime);
    context->SetAntiAliasing(true);

    context->SetSize(60, 40);
    EXPECT_EQ(context->Surface()->GetSmoothingMode(), GdiplusFlat::SmoothingModeAntiAlias);
    EXPECT_EQ(context->GetFillColor(), TColor(clBlue));
    context->FillRect(context->Fill(), TRectF(0, 0, 20, 20), gcrmNone);
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    context->DrawText(QStringLiteral("MMM"), TRectF(25, 0, 60, 40), false, gtaLeading, gtaLeading, gttNone, 0);
    graphics->EndScene();
    EXPECT_TRUE(Near(dc.Pixel(10, 10), qRgb(0, 0, 255), 0)) << std::hex << dc.Pixel(10, 10);
    int green = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 25; x < 60; ++x)
            green += qGreen(dc.Pixel(x, y)) > 200 && qRed(dc.Pixel(x, y)) < 60 ? 1 : 0;
    EXPECT_GT(green, 10) << "text in the font colour set while no surface existed";
}

TEST_F(WinContext, RectangleSidesAreDrawnInsideTheRectangle)
{
    TKestGraphicsStroke black(gskSolid, clBlack);
    context->DrawRect(&black, TRectF(10, 10, 30, 20), {gsTop}, gcrmNone);
    graphics->EndScene();
    // Only the top side: one row of pixels from left to right - 1.
    EXPECT_EQ(Painted(QRect(0, 11, 60, 29)), 0);
    EXPECT_EQ(Painted(QRect(30, 0, 30, 40)), 0);
    EXPECT_EQ(Painted(QRect(0, 0, 10, 40)), 0);
    EXPECT_GE(Painted(QRect(10, 9, 20, 2)), 19);
}

TEST_F(WinContext, DashedOutlinesAreDrawnWithoutSmoothingAndSolidOnesWithIt)
{
    context->SetAntiAliasing(true);
    TKestGraphicsStroke dashed(gskDash, clBlack);
    dashed.SetWidth(2);
    context->DrawEllipse(&dashed, TRectF(5, 5, 55, 35), gcrmNone);
    EXPECT_EQ(context->Surface()->GetSmoothingMode(), GdiplusFlat::SmoothingModeAntiAlias) << "smoothing restored";
    EXPECT_GT(Painted(), 50);
    EXPECT_EQ(Soft(qRgb(0, 0, 0)), 0);

    dc.Fill(White);
    TKestGraphicsStroke solid(gskSolid, clBlack);
    solid.SetWidth(2);
    context->DrawEllipse(&solid, TRectF(5, 5, 55, 35), gcrmNone);
    EXPECT_GT(Soft(qRgb(0, 0, 0)), 20);
}

TEST_F(WinContext, OutlinesDrawWithTheStrokeHandedIn)
{
    TKestGraphicsStroke blue(gskSolid, clBlue);
    blue.SetWidth(3);
    context->DrawLine(&blue, {0, 20}, {60, 20}, gcpmNone, gcpmNone);
    graphics->EndScene();
    EXPECT_TRUE(Near(dc.Pixel(30, 20), qRgb(0, 0, 255), 0)) << std::hex << dc.Pixel(30, 20);
    EXPECT_TRUE(Near(dc.Pixel(30, 19), qRgb(0, 0, 255), 0)) << "3 pixels wide";
}

TEST_F(WinContext, FocusRectangleIsDottedAndGivesThePenBack)
{
    TKestGraphicsStroke stroke(gskSolid, clBlue);
    stroke.SetWidth(4);
    context->DrawFocusRectangle(&stroke, TRectF(10, 10, 50, 30), clRed, gcrmNone);
    // Dotted: along the top row, red pixels alternate with white ones.
    int red = 0, white = 0;
    for (int x = 10; x < 49; ++x) {
        const QRgb p = dc.Pixel(x, 10);
        red += Near(p, qRgb(255, 0, 0), 0) ? 1 : 0;
        white += p == White ? 1 : 0;
    }
    EXPECT_GT(red, 8);
    EXPECT_GT(white, 8);
    EXPECT_EQ(Painted(QRect(12, 12, 36, 16)), 0) << "one pixel wide";

    context->DrawLine(&stroke, {0, 36}, {60, 36}, gcpmNone, gcpmNone);
    graphics->EndScene();
    EXPECT_TRUE(Near(dc.Pixel(30, 36), qRgb(0, 0, 255), 0));
    EXPECT_TRUE(Near(dc.Pixel(30, 34), qRgb(0, 0, 255), 0)) << "the stroke's width again";
    EXPECT_TRUE(Near(dc.Pixel(30, 37), qRgb(0, 0, 255), 0)) << "the stroke's width again";
}

TEST_F(WinContext, ShapesWithoutPointsOrSweepDrawNothing)
{
    TKestGraphicsFill fill(gfkSolid, clRed);
    TKestGraphicsStroke stroke(gskSolid, clBlack);
    TKestGraphicsPath empty;
    context->FillArc(&fill, {30, 20}, {15, 15}, 45, 0);
    context->DrawArc(&stroke, {30, 20}, {15, 15}, 45, 0);
    context->FillPolygon(&fill, {});
    context->DrawPolygon(&stroke, {});
    context->DrawPolyline(&stroke, {});
    for (TKestGraphicsPathDrawMode mode : {pdmPolygon, pdmPolyline, pdmPath}) {
        context->FillPath(&fill, &empty, mode);
        context->DrawPath(&stroke, &empty, mode);
    }
    context->DrawFocusPath(&stroke, &empty, clBlack);
    graphics->EndScene();
    EXPECT_EQ(Painted(), 0);
}

TEST_F(WinContext, PathsFillAndClipByTheirCurves)
{
    TKestGraphicsFill red(gfkSolid, clRed);
    TKestGraphicsPath circle;
    circle.AddEllipse(TRectF(10, 0, 50, 40));
    for (TKestGraphicsPathDrawMode mode : {pdmPolygon, pdmPath}) {
        dc.Fill(White);
        context->FillPath(&red, &circle, mode);
        EXPECT_TRUE(Near(dc.Pixel(30, 20), qRgb(255, 0, 0), 0)) << "mode " << int(mode);
        EXPECT_EQ(dc.Pixel(11, 1), White) << "mode " << int(mode);
    }

    dc.Fill(White);
    context->ClipPath(&circle);
    context->FillRect(&red, TRectF(0, 0, 60, 40), gcrmNone);
    EXPECT_TRUE(Near(dc.Pixel(30, 20), qRgb(255, 0, 0), 0));
    EXPECT_EQ(dc.Pixel(11, 1), White);
    EXPECT_EQ(dc.Pixel(5, 20), White);

    context->ResetClip();
    context->ClipRect(TRectF(0, 0, 10, 40));
    context->FillRect(&red, TRectF(0, 0, 60, 40), gcrmNone);
    EXPECT_TRUE(Near(dc.Pixel(5, 20), qRgb(255, 0, 0), 0));
    EXPECT_EQ(dc.Pixel(11, 1), White);
}

TEST_F(WinContext, RoundRectanglesRoundOnlyTheChosenCorners)
{
    TKestGraphicsFill red(gfkSolid, clRed);
    context->FillRoundRect(&red, TRectF(0, 0, 60, 40), 12, {gcTopLeft, gcBottomRight}, gcrmNone);
    graphics->EndScene();
    EXPECT_EQ(dc.Pixel(1, 1), White);
    EXPECT_EQ(dc.Pixel(58, 38), White);
    EXPECT_TRUE(Near(dc.Pixel(58, 1), qRgb(255, 0, 0), 0));
    EXPECT_TRUE(Near(dc.Pixel(1, 38), qRgb(255, 0, 0), 0));
}

TEST_F(WinContext, MatricesAndSavedStatesComeBackAsTheyWere)
{
    context->TranslateTransform(10, 5);
    context->ScaleTransform(2, 2);
    TKestGraphicsMatrix m = context->GetMatrix();
    EXPECT_FLOAT_EQ(m.m11(), 2);
    EXPECT_FLOAT_EQ(m.m31(), 10);
    EXPECT_FLOAT_EQ(m.m32(), 5);

    TKestGraphicsSaveState state;
    context->SaveState(state);
    context->RotateTransform(90);
    context->ClipRect(TRectF(0, 0, 1, 1));
    context->RestoreState(state);
    EXPECT_EQ(context->GetMatrix(), m);
    TKestGraphicsFill red(gfkSolid, clRed);
    context->FillRect(&red, TRectF(0, 0, 5, 5), gcrmNone); // (10, 5) to (20, 15) on the surface
    EXPECT_TRUE(Near(dc.Pixel(15, 10), qRgb(255, 0, 0), 0)) << "clip restored";

    TKestGraphicsMatrix set = TKestGraphicsMatrix::CreateTranslation(3, 4);
    context->SetMatrix(set);
    EXPECT_EQ(context->GetMatrix(), set);
    context->ResetTransform();
    EXPECT_EQ(context->GetMatrix(), TKestGraphicsMatrix::Identity());
}

TEST_F(WinContext, RotatedTextTurnsAboutTheCentreAndTheTransformComesBack)
{
    const TRectF tall(10, 0, 30, 40);
    EXPECT_EQ(context->SetTextAngle(tall, 0), tall);
    const TRectF layout = context->SetTextAngle(tall, 90);
    EXPECT_EQ(layout, TRectF(-20, -10, 20, 10)) << "width and height exchanged for a tall rectangle";
    const TKestGraphicsMatrix turned = context->GetMatrix();
    EXPECT_NEAR(turned.m12(), 1, 1e-5);
    EXPECT_FLOAT_EQ(turned.m31(), 20);
    EXPECT_FLOAT_EQ(turned.m32(), 20);
    context->ResetTextAngle(90);
    EXPECT_EQ(context->GetMatrix(), TKestGraphicsMatrix::Identity());
    EXPECT_EQ(context->SetTextAngle(TRectF(0, 0, 40, 10), 30), TRectF(-20, -5, 20, 5));
    context->ResetTextAngle(30);

    // Drawn through the canvas: a vertical run of text in the tall rectangle.
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    graphics->SetFontColor(clBlack);
    graphics->DrawText(tall, QStringLiteral("Turned"), false, gtaCenter, gtaCenter, gttNone, 90);
    graphics->EndScene();
    EXPECT_EQ(Painted(QRect(0, 0, 10, 40)), 0);
    EXPECT_EQ(Painted(QRect(31, 0, 29, 40)), 0);
    EXPECT_GT(Painted(QRect(10, 5, 20, 30)), 20);
}

TEST_F(WinContext, TextIsMeasuredInItsLayoutRectangle)
{
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    const TRectF one = context->CalculateText(QStringLiteral("Word"), TRectF(5, 6, 500, 500), false);
    const TRectF two = context->CalculateText(QStringLiteral("Word Word"), TRectF(5, 6, 500, 500), false);
    EXPECT_FLOAT_EQ(one.Left, 5);
    EXPECT_FLOAT_EQ(one.Top, 6);
    EXPECT_GT(one.Width(), 10);
    EXPECT_GT(one.Height(), 5);
    EXPECT_GT(two.Width(), one.Width() * 1.5);
    const TRectF wrapped = context->CalculateText(QStringLiteral("Word Word"), TRectF(5, 6, 5 + one.Width() + 4, 500),
                                                  true);
    EXPECT_NEAR(wrapped.Height(), 2 * one.Height(), 2);

    // The accelerator mark takes no room when accelerators are shown.
    const TRectF marked = context->CalculateText(QStringLiteral("&Word"), TRectF(5, 6, 500, 500), false);
    context->SetShowAcceleratorChar(true);
    const TRectF shown = context->CalculateText(QStringLiteral("&Word"), TRectF(5, 6, 500, 500), false);
    EXPECT_GT(marked.Width(), one.Width() + 3);
    EXPECT_NEAR(shown.Width(), one.Width(), 1);
}

TEST_F(WinContext, ANegativeFontSizeDrawsText)
{
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    graphics->SetFontColor(clBlack);
    graphics->SetFontSize(-12);
    context->DrawText(QStringLiteral("Text"), TRectF(0, 0, 60, 40), false, gtaLeading, gtaLeading, gttNone, 0);
    graphics->EndScene();
    EXPECT_GT(Painted(), 20);
}

TEST_F(WinContext, PicturesAreDrawnScaledIntoTheDestination)
{
    // A red top-left quarter on blue, drawn at twice its size.
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    image.fill(qRgb(0, 0, 255));
    QPainter(&image).fillRect(0, 0, 5, 5, Qt::red);
    TBitmap bitmap;
    bitmap.SetImage(image);
    context->DrawBitmap(&bitmap, TRectF(0, 0, 10, 10), TRectF(20, 10, 40, 30), 1);
    graphics->EndScene();
    EXPECT_TRUE(Near(dc.Pixel(24, 14), qRgb(255, 0, 0), 0)) << std::hex << dc.Pixel(24, 14);
    EXPECT_TRUE(Near(dc.Pixel(35, 25), qRgb(0, 0, 255), 0)) << std::hex << dc.Pixel(35, 25);
    EXPECT_TRUE(Near(dc.Pixel(35, 14), qRgb(0, 0, 255), 0)) << std::hex << dc.Pixel(35, 14);
    EXPECT_EQ(Painted(QRect(0, 0, 18, 40)), 0);
    EXPECT_EQ(Painted(QRect(42, 0, 18, 40)), 0);
    EXPECT_EQ(Painted(QRect(0, 32, 60, 8)), 0);
}

// On a surface of twice the pixels, the canvas works in logical units.
TEST(WinContextRatio, MatricesAreLogicalOnASurfaceOfMorePixels)
{
    TDeviceContext dc(30, 20, 2.0);
    dc.Fill(White);
    TCanvas canvas(dc);
    auto graphics = TKestGraphics::CreateNative(&canvas);
    TKestGraphicsContext* context = graphics->Context();
    context->SetSize(30, 20);
    EXPECT_EQ(context->GetMatrix(), TKestGraphicsMatrix::Identity());
    context->SetMatrix(TKestGraphicsMatrix::CreateTranslation(10, 0));
    TKestGraphicsFill red(gfkSolid, clRed);
    context->FillRect(&red, TRectF(0, 0, 5, 5), gcrmNone);
    context->EndScene();
    EXPECT_EQ(dc.Pixel(19, 5), White);
    EXPECT_TRUE(Near(dc.Pixel(21, 5), qRgb(255, 0, 0), 0)) << std::hex << dc.Pixel(21, 5);
    EXPECT_TRUE(Near(dc.Pixel(29, 9), qRgb(255, 0, 0), 0));
    EXPECT_EQ(dc.Pixel(31, 5), White);
}

}
