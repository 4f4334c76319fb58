// Control parts on real pixels: button colours by state and by the library
// colours, glyphs (white ones included, refused scales), check boxes, radio
// buttons and progress bars with their formats.

#include "graphics/KestGraphics.h"

#include "framework/Exception.h"
#include "graphics/CanvasFixture.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsDefaultColors.h"
#include "graphics/GraphicsFont.h"

#include <cmath>
#include <limits>

namespace {

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

class TControlPartsTest : public TCanvasFixture {
protected:
    // The library colours are process-wide: every test starts and ends black.
    TControlPartsTest() { KestGraphicsDefaultColors() = {}; }
    ~TControlPartsTest() override { KestGraphicsDefaultColors() = {}; }

    // Pixels of the colour inside the rectangle.
    static int Count(const QImage& image, const QRect& r, QRgb rgb)
    {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += image.pixel(x, y) == rgb;
        return n;
    }
};

TEST_P(TControlPartsTest, ButtonColoursFollowTheState)
{
    const struct {
        bool Down, Focused, Enabled;
        TColor Border, Face, Inner;
    } cases[] = {
        {false, false, true, 0xA9A9A9, 0xE1E1E1, 0xE1E1E1},
        {false, true, true, 0xB17F3C, 0xFBF1E5, 0xFBF1E5},
        {false, true, false, 0xA9A9A9, 0xD3D3D3, 0xD3D3D3},
        {true, false, true, 0xA9A9A9, 0xE1E1E1, LightenColor(0xA9A9A9, 40)},
    };
    int top = 0;
    for (const auto& c : cases) {
        Canvas->DrawButton(TRectF(0, float(top), 20, float(top + 10)), c.Down, c.Focused, c.Enabled);
        top += 10;
    }
    const QImage image = Picture();
    top = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(image.pixel(10, top), Rgb(c.Border)) << top;
        EXPECT_EQ(image.pixel(10, top + 1), Rgb(c.Inner)) << top;
        EXPECT_EQ(image.pixel(10, top + 5), Rgb(c.Face)) << top;
        top += 10;
    }
}

TEST_P(TControlPartsTest, StyleAdaptedPartsAreBlackUntilTheLibraryColoursAreSet)
{
    Canvas->DrawCloseButton(TRectF(0, 0, 20, 20), false, false, true, true);
    TKestGraphics::SetDefaultGraphicColors();
    Canvas->DrawCloseButton(TRectF(20, 0, 40, 20), false, false, true, true);
    Canvas->DrawButton(TRectF(40, 0, 60, 20), false, true, true, true);
    const QImage image = Picture();
    EXPECT_EQ(Count(image, QRect(0, 0, 20, 20), qRgb(0, 0, 0)), 400) << "face, border and glyph all black";
    EXPECT_EQ(image.pixel(21, 10), Rgb(0xE1E1E1));
    EXPECT_EQ(image.pixel(30, 0), Rgb(0xA9A9A9));
    EXPECT_GT(Count(image, QRect(20, 0, 20, 20), qRgb(0, 0, 0)), 10) << "black glyph lines";
    EXPECT_EQ(image.pixel(50, 10), Rgb(0xFBF1E5));
    EXPECT_EQ(image.pixel(50, 0), Rgb(0xB17F3C));
}

TEST_P(TControlPartsTest, WhiteGlyphsStayWhite)
{
    TKestGraphics::SetDefaultGraphicColors();
    KestGraphicsDefaultColors().DefaultFillColor = 0x404040;
    KestGraphicsDefaultColors().DefaultGlyphColor = clWhite;
    Canvas->DrawExpanderButton(TRectF(0, 0, 20, 20), gesCollapsed, false, false, true, true);
    Canvas->DrawDropDownButton(TRectF(20, 0, 60, 20), false, false, true, true, true);
    const QImage image = Picture();
    EXPECT_GT(Count(image, QRect(0, 0, 20, 20), qRgb(255, 255, 255)), 5);
    EXPECT_GT(Count(image, QRect(20, 0, 40, 20), qRgb(255, 255, 255)), 5);
}

TEST_P(TControlPartsTest, GlyphScalesOutOfRangeDrawOnlyTheButton)
{
    TKestGraphics::SetDefaultGraphicColors();
    for (double scale : {0.0, -1.0, 1e9, std::numeric_limits<double>::quiet_NaN()})
        Canvas->DrawCloseButton(TRectF(0, 0, 20, 20), false, false, true, true, scale);
    const QImage image = Picture();
    EXPECT_EQ(Count(image, QRect(2, 2, 16, 16), Rgb(0xE1E1E1)), 256);
}

TEST_P(TControlPartsTest, CheckBoxesAndRadioButtonsShowTheirMark)
{
    Canvas->DrawCheckBox(TRectF(0, 0, 20, 20), false, false, true);
    Canvas->DrawCheckBox(TRectF(20, 0, 40, 20), true, true, true);
    Canvas->DrawRadioButton(TRectF(0, 20, 20, 40), false, false, false);
    Canvas->DrawRadioButton(TRectF(20, 20, 40, 40), true, false, true);
    const QImage image = Picture();
    const QRgb face = Rgb(LightenColor(0xD3D3D3, 85));
    EXPECT_EQ(image.pixel(10, 10), face) << "unchecked: the framed face only";
    EXPECT_EQ(image.pixel(1, 10), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 10), Rgb(0xB48246)) << "the cross in the focused line colour";
    EXPECT_EQ(image.pixel(23, 10), face) << "the cross is inset";
    EXPECT_EQ(image.pixel(10, 30), Rgb(0xD3D3D3)) << "disabled face";
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0)) << "the dot";
}

TEST_P(TControlPartsTest, ProgressBarsClampTheirValue)
{
    const struct {
        float Value, Max;
        int FilledTo; // bar pixels end before this column (0: no bar)
    } cases[] = {{50, 100, 30}, {0, 0, 0}, {500, 100, 59}, {-5, 100, 0},
                 {std::numeric_limits<float>::quiet_NaN(), 100, 0}};
    Canvas->SetFillColor(clGreen);
    int top = 0;
    for (const auto& c : cases) {
        Canvas->DrawProgressBar(TRectF(0, float(top), 60, float(top + 8)), c.Value, QStringLiteral("%.0f%%"), c.Max,
                                clRed, clBlack, false, true);
        top += 8;
    }
    EXPECT_EQ(Canvas->Fill()->Color(), TColor(clGreen)) << "the fill colour comes back";
    const QImage image = Picture();
    top = 0;
    for (const auto& c : cases) {
        const int bar = Count(image, QRect(1, top + 4, 58, 1), Red);
        // Back-ends may place the bar's right edge a pixel apart.
        if (c.FilledTo == 0)
            EXPECT_EQ(bar, 0) << c.Value << "/" << c.Max;
        else
            EXPECT_NEAR(bar, c.FilledTo - 1, 1) << c.Value << "/" << c.Max;
        top += 8;
    }
}

TEST_P(TControlPartsTest, ProgressTextIsFormattedNotPrinted)
{
    Canvas->SetFillColor(clGreen);
    Canvas->SetFontColor(clBlue);
    // A directive that does not fit a number is refused, and the canvas
    // keeps its fill and font colours.
    for (const char* format : {"%d", "%s", "%n %n"})
        EXPECT_THROW(Canvas->DrawProgressBar(TRectF(0, 0, 60, 20), 25, QString::fromLatin1(format), 200, clRed,
                                             clBlack, true, true),
                     EConvertError)
            << format;
    EXPECT_EQ(Canvas->Fill()->Color(), TColor(clGreen));
    EXPECT_EQ(Canvas->Font()->Color(), TColor(clBlue));
    Canvas->DrawProgressBar(TRectF(0, 20, 60, 40), 25, QStringLiteral("%.1f%%"), 200, clYellow, clBlack, true, true);
    const QImage image = Picture();
    int dark = 0;
    for (int y = 21; y < 39; ++y)
        for (int x = 1; x < 59; ++x)
            dark += qGray(image.pixel(x, y)) < 80;
    EXPECT_GT(dark, 10) << "the text 12.5% drawn";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, TControlPartsTest, ::testing::Values(true, false), BackEndName);

}
