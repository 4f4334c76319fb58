// What the drawing-library back-end builds from the graphics value types:
// colours with opacity, gradient stops, pens, fonts and brushes, the brushes
// painted on a real surface.

#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/win/WinBrush.h"
#include "graphics/win/WinColor.h"
#include "graphics/win/WinFont.h"
#include "graphics/win/WinGradientStops.h"
#include "graphics/win/WinPen.h"

#include "framework/DeviceContext.h"
#include "gdiplus/classes/GPGraphics.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

using namespace GdiplusFlat;
using namespace KestGraphicsWin;
using namespace KestGDIPlusClasses;

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();

TEST(WinColor, OpacityBecomesAnAlphaHeldToItsRange)
{
    struct Case {
        float Opacity;
        BYTE Alpha;
    };
    for (const Case c : {Case{0, 0}, Case{1, 255}, Case{0.5f, 128}, Case{0.2f, 51}, Case{-0.5f, 0}, Case{2, 255},
                         Case{300, 255}, Case{NaN, 0}}) {
        EXPECT_EQ(WinAlpha(c.Opacity), c.Alpha) << "opacity " << c.Opacity;
        EXPECT_EQ(WinColor(clRed, c.Opacity), ARGB(c.Alpha) << 24 | 0xFF0000) << "opacity " << c.Opacity;
    }
}

TEST(WinColor, ChannelsMoveToTheirPlacesAndNullHasNoColour)
{
    EXPECT_EQ(WinColor(0x302010, 1), 0xFF102030u);
    EXPECT_EQ(WinColor(gcNull, 1), 0u);
    SetSystemColor(5, 0x345678); // clWindow
    EXPECT_EQ(WinColor(clWindow, 1), 0xFF785634u);
    RefreshSystemColors();
}

struct TStop {
    float Position;
    TColor Color;
    float Opacity = 1;
};

struct TStopsCase {
    const char* Name;
    std::vector<TStop> Items; // collection mode; empty with Default set: default mode
    std::vector<REAL> Positions;
    std::vector<ARGB> Colors;
};

TEST(WinGradientStops, CollectionStopsAreSortedHeldToTheEdgesAndEnded)
{
    constexpr ARGB R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF;
    const std::vector<TStopsCase> cases = {
        {"inner stops get ends", {{0.2f, clRed}, {0.8f, clBlue}}, {0, 0.2f, 0.8f, 1}, {R, R, B, B}},
        {"out of order", {{0.8f, clBlue}, {0.2f, clRed}, {0.5f, clLime}}, {0, 0.2f, 0.5f, 0.8f, 1}, {R, R, G, B, B}},
        {"outside 0..1", {{1.5f, clBlue}, {-0.5f, clRed}}, {0, 1}, {R, B}},
        {"already at the ends", {{0, clRed}, {1, clBlue}}, {0, 1}, {R, B}},
        {"one stop", {{0.3f, clLime}}, {0, 0.3f, 1}, {G, G, G}},
        {"equal positions keep their order", {{0.5f, clRed}, {0.5f, clBlue}}, {0, 0.5f, 0.5f, 1}, {R, R, B, B}},
        {"no position", {{NaN, clLime}, {0, clRed}, {1, clBlue}}, {0, 1}, {R, B}},
        {"stop opacity", {{0, clRed, 0.5f}, {1, clBlue, 7}}, {0, 1}, {0x80FF0000, B}},
        {"null stop fades the nearest colour",
         {{0, clRed}, {0.3f, gcNull}, {1, clBlue}},
         {0, 0.3f, 1},
         {R, 0x00FF0000, B}},
        {"only null stops", {{0.5f, gcNull}}, {0, 0.5f, 1}, {0, 0, 0}},
        {"no stops", {}, {}, {}},
    };
    for (const TStopsCase& c : cases) {
        TKestGraphicsFill fill(gfkGradient, clWhite);
        fill.SetGradientMode(gfgmCollection);
        for (const TStop& s : c.Items)
            fill.AddGradientItem(s.Color, s.Position, s.Opacity);
        const TWinGradientStops stops = WinGradientStops(fill);
        EXPECT_EQ(stops.Positions, c.Positions) << c.Name;
        EXPECT_EQ(stops.Colors, c.Colors) << c.Name;
    }
}

TEST(WinGradientStops, DefaultStopsRunFromColourToColourTo)
{
    TKestGraphicsFill fill(gfkGradient, clRed);
    fill.SetColorTo(clBlue);
    fill.SetOpacity(0.5f);
    TWinGradientStops stops = WinGradientStops(fill);
    EXPECT_EQ(stops.Positions, (std::vector<REAL>{0, 1}));
    EXPECT_EQ(stops.Colors, (std::vector<ARGB>{0x80FF0000, 0x800000FF}));

    fill.SetColorMirror(clLime);
    stops = WinGradientStops(fill);
    EXPECT_EQ(stops.Count(), 2) << "a mirror needs both of its colours";
    fill.SetColorMirrorTo(clWhite);
    stops = WinGradientStops(fill);
    EXPECT_EQ(stops.Positions, (std::vector<REAL>{0, 0.5f, 0.5f, 1}));
    EXPECT_EQ(stops.Colors, (std::vector<ARGB>{0x80FF0000, 0x800000FF, 0x8000FF00, 0x80FFFFFF}));
}

TEST(WinGradientStops, ANullColourToIsTransparentNotBlack)
{
    TKestGraphicsFill fill(gfkGradient, clRed);
    fill.SetColorTo(clNone); // stored as gcNull
    ASSERT_EQ(fill.ColorTo(), gcNull);
    const TWinGradientStops stops = WinGradientStops(fill);
    EXPECT_EQ(stops.Colors, (std::vector<ARGB>{0xFFFF0000, 0x00FF0000}));
}

TEST(WinGradientStops, ReversedStopsSeeTheGradientFromTheOtherEnd)
{
    TWinGradientStops stops;
    stops.Colors = {1, 2, 3};
    stops.Positions = {0, 0.25f, 1};
    const TWinGradientStops reversed = stops.Reversed();
    EXPECT_EQ(reversed.Colors, (std::vector<ARGB>{3, 2, 1}));
    EXPECT_EQ(reversed.Positions, (std::vector<REAL>{0, 0.75f, 1}));
}

TEST(WinFont, FamilyAndSizeFollowTheFont)
{
    for (const char* name : {"", "default", "DEFAULT", "Default"})
        EXPECT_EQ(WinFontFamily(QString::fromLatin1(name)), QStringLiteral("Arial")) << name;
    EXPECT_EQ(WinFontFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));

    struct Case {
        int Size;
        float Points;
    };
    for (const Case c : {Case{10, 10}, Case{0, 8}, Case{-12, 12}, Case{30, 30}}) {
        TKestGraphicsFont font;
        font.SetSize(c.Size);
        EXPECT_EQ(WinFontSize(font), c.Points) << "size " << c.Size;
    }
}

TEST(WinFont, ANegativeSizeMakesAUsableFontOfItsAbsoluteSize)
{
    TKestGraphicsFont font;
    font.SetName(QStringLiteral("DejaVu Sans"));
    font.SetSize(-14);
    font.SetStyle(TFontStyles(fsBold) | fsUnderline);
    const auto winFont = MakeWinFont(font);
    ASSERT_TRUE(winFont->IsAvailable());
    EXPECT_FLOAT_EQ(winFont->GetSize(), 14);
    EXPECT_EQ(winFont->GetStyle(), FontStyleBold | FontStyleUnderline);
    EXPECT_EQ(winFont->GetUnit(), UnitPoint);
}

TEST(WinPen, KindColourAndWidthMakeThePen)
{
    struct Case {
        TKestGraphicsStrokeKind Kind;
        DashStyle Dash;
    };
    for (const Case c : {Case{gskSolid, DashStyleSolid}, Case{gskDash, DashStyleDash}, Case{gskDot, DashStyleDot},
                         Case{gskDashDot, DashStyleDashDot}, Case{gskDashDotDot, DashStyleDashDotDot},
                         Case{gskNone, DashStyleSolid}}) {
        TKestGraphicsStroke stroke(c.Kind, 0x0000FF);
        stroke.SetWidth(3);
        stroke.SetOpacity(0.5f);
        const auto pen = MakeWinPen(stroke);
        EXPECT_EQ(pen->GetDashStyle(), c.Dash) << "kind " << int(c.Kind);
        EXPECT_EQ(pen->GetColor(), 0x80FF0000u);
        EXPECT_FLOAT_EQ(pen->GetWidth(), 3);
        EXPECT_EQ(pen->GetLineJoin(), LineJoinMiterClipped);
        EXPECT_FLOAT_EQ(pen->GetMiterLimit(), 4);
        EXPECT_EQ(pen->GetLastStatus(), Ok);
    }
}

// Brushes painted over a 40 x 40 square filling a white surface.
struct WinBrushPaint : ::testing::Test {
    TDeviceContext dc{40, 40};
    TGPGraphicsPath path;

    WinBrushPaint()
    {
        dc.Fill(0xFFFFFFFF);
        path.AddRectangle(TGPRectF{0, 0, 40, 40});
    }

    void Paint(const TKestGraphicsFill& fill)
    {
        TGPGraphics graphics(dc);
        const auto brush = MakeWinBrush(fill, path);
        ASSERT_EQ(graphics.FillPath(brush.get(), &path), Ok);
    }
};

bool Near(QRgb pixel, QRgb expected, int tolerance = 24)
{
    return std::abs(qRed(pixel) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(pixel) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(pixel) - qBlue(expected)) <= tolerance;
}

TEST_F(WinBrushPaint, CollectionStopsOutOfOrderAndAwayFromTheEndsPaintInPositionOrder)
{
    TKestGraphicsFill fill(gfkGradient, clWhite);
    fill.SetGradientMode(gfgmCollection);
    fill.SetOrientation(gfoVertical);
    fill.AddGradientItem(clBlue, 0.75f, 1);
    fill.AddGradientItem(clRed, 0.25f, 1);
    Paint(fill);
    EXPECT_TRUE(Near(dc.Pixel(20, 2), qRgb(255, 0, 0))) << std::hex << dc.Pixel(20, 2);
    EXPECT_TRUE(Near(dc.Pixel(20, 9), qRgb(255, 0, 0))) << std::hex << dc.Pixel(20, 9);
    EXPECT_TRUE(Near(dc.Pixel(20, 20), qRgb(128, 0, 128), 40)) << std::hex << dc.Pixel(20, 20);
    EXPECT_TRUE(Near(dc.Pixel(20, 31), qRgb(0, 0, 255))) << std::hex << dc.Pixel(20, 31);
    EXPECT_TRUE(Near(dc.Pixel(20, 37), qRgb(0, 0, 255))) << std::hex << dc.Pixel(20, 37);
}

TEST_F(WinBrushPaint, ACollectionWithoutStopsLeavesTheShapeUnpainted)
{
    for (TKestGraphicsFillGradientType type : {gfgtLinear, gfgtRadial}) {
        TKestGraphicsFill fill(gfkGradient, clRed);
        fill.SetGradientMode(gfgmCollection);
        fill.SetGradientType(type);
        Paint(fill);
        EXPECT_EQ(dc.Pixel(20, 20), qRgb(255, 255, 255)) << "type " << int(type);
        EXPECT_EQ(dc.Pixel(1, 1), qRgb(255, 255, 255)) << "type " << int(type);
    }
}

TEST_F(WinBrushPaint, ATwoColourGradientToNullFadesOutInsteadOfTurningBlack)
{
    TKestGraphicsFill fill(gfkGradient, clRed);
    fill.SetColorTo(clNone);
    Paint(fill);
    EXPECT_TRUE(Near(dc.Pixel(20, 1), qRgb(255, 0, 0), 30)) << std::hex << dc.Pixel(20, 1);
    // Near the end the surface shows through: white, not black.
    EXPECT_TRUE(Near(dc.Pixel(20, 38), qRgb(255, 255, 255), 30)) << std::hex << dc.Pixel(20, 38);
    EXPECT_GT(qGreen(dc.Pixel(20, 20)), 100) << std::hex << dc.Pixel(20, 20);
}

TEST_F(WinBrushPaint, ARadialGradientRunsFromColourAtTheCentreToColourToAtTheBoundary)
{
    TKestGraphicsFill fill(gfkGradient, clRed);
    fill.SetColorTo(clBlue);
    fill.SetGradientType(gfgtRadial);
    fill.SetGradientCenterPoint({20, 20});
    Paint(fill);
    EXPECT_TRUE(Near(dc.Pixel(20, 20), qRgb(255, 0, 0), 40)) << std::hex << dc.Pixel(20, 20);
    EXPECT_TRUE(Near(dc.Pixel(20, 0), qRgb(0, 0, 255), 40)) << std::hex << dc.Pixel(20, 0);
    EXPECT_TRUE(Near(dc.Pixel(0, 20), qRgb(0, 0, 255), 40)) << std::hex << dc.Pixel(0, 20);
}

TEST_F(WinBrushPaint, SolidFillTakesColourAndOpacity)
{
    TKestGraphicsFill fill(gfkSolid, clBlue);
    fill.SetOpacity(0.5f);
    Paint(fill);
    EXPECT_TRUE(Near(dc.Pixel(20, 20), qRgb(128, 128, 255), 4)) << std::hex << dc.Pixel(20, 20);
}

}
