// The canvas's class operations: colour texts and names, channels of system
// colours, hit tests and picture placement. None needs a canvas.

#include "graphics/KestGraphics.h"

#include "framework/Exception.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsPath.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasColors, TextToColorTakesNamesWithAndWithoutPrefixes)
{
    const struct {
        const char* Text;
        TColor Expected;
    } cases[] = {
        {"clRed", 0x0000FF},       {"Red", 0x0000FF},      {"gcred", 0x0000FF},        {"CLGCRED", 0x0000FF},
        {"aliceblue", 0xFFF8F0},   {"YellowGreen", 0x32CD9A}, {"notacolour", 0},       {"", 0},
        // The "cl" goes first, so "claRed" is looked up as "ared".
        {"claRed", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TKestGraphics::TextToColor(QString::fromLatin1(c.Text)), c.Expected) << c.Text;
}

TEST(CanvasColors, HTMLToColorReadsShortAndLongForms)
{
    EXPECT_EQ(TKestGraphics::HTMLToColor(QStringLiteral("#F80")), TColor(0x0088FF));
    EXPECT_EQ(TKestGraphics::HTMLToColor(QStringLiteral("#102030")), TColor(0x302010));
    EXPECT_EQ(TKestGraphics::HTMLToColor(QStringLiteral("#abcdef")), TColor(0xEFCDAB));
    // The first character is skipped whatever it is.
    EXPECT_EQ(TKestGraphics::HTMLToColor(QStringLiteral("x102030")), TColor(0x302010));
    EXPECT_EQ(TKestGraphics::HTMLToColor(QString()), gcNull);
}

TEST(CanvasColors, HTMLToColorRefusesBadDigitsWithTheParserMessage)
{
    const struct {
        const char* Text;
        const char* Message;
    } cases[] = {
        {"#GG0000", "'$GG' is not a valid integer value"},
        {"#12", "'$' is not a valid integer value"},
        {"#", "'$' is not a valid integer value"},
        {"#1-2", "'$--' is not a valid integer value"},
    };
    for (const auto& c : cases) {
        try {
            TKestGraphics::HTMLToColor(QString::fromLatin1(c.Text));
            ADD_FAILURE() << c.Text << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.Message)) << c.Text;
        }
    }
}

TEST(CanvasColors, ChannelsAndHTMLTextResolveSystemColours)
{
    SetSystemColor(15, 0x336699); // clBtnFace
    EXPECT_EQ(TKestGraphics::GetColorRed(clBtnFace), 0x99);
    EXPECT_EQ(TKestGraphics::GetColorGreen(clBtnFace), 0x66);
    EXPECT_EQ(TKestGraphics::GetColorBlue(clBtnFace), 0x33);
    EXPECT_EQ(TKestGraphics::ColorToHTML(clBtnFace), QStringLiteral("#996633"));
    RefreshSystemColors();
    EXPECT_EQ(TKestGraphics::ColorToHTML(clWhite), QStringLiteral("#FFFFFF"));
    EXPECT_EQ(TKestGraphics::ColorToHTML(0x0000FF), QStringLiteral("#FF0000"));
    EXPECT_EQ(TKestGraphics::HTMLToColor(TKestGraphics::ColorToHTML(0x123456)), TColor(0x123456));
}

TEST(CanvasHitTests, PointsOnEdgesAndDegenerateShapes)
{
    const TRectF r(10, 10, 20, 20);
    EXPECT_TRUE(TKestGraphics::PointInRect(TPointF(10, 10), r));
    EXPECT_FALSE(TKestGraphics::PointInRect(TPointF(20, 15), r));
    EXPECT_FALSE(TKestGraphics::PointInRect(TPointF(15, 20), r));
    EXPECT_TRUE(TKestGraphics::PointInRect(QPoint(19, 19), QRect(10, 10, 10, 10)));
    EXPECT_FALSE(TKestGraphics::PointInRect(QPoint(20, 19), QRect(10, 10, 10, 10)));

    EXPECT_TRUE(TKestGraphics::PointInCircle(TPointF(13, 14), TPointF(10, 10), 5));
    EXPECT_FALSE(TKestGraphics::PointInCircle(TPointF(14, 14), TPointF(10, 10), 5));
    EXPECT_FALSE(TKestGraphics::PointInCircle(TPointF(10, 10), TPointF(10, 10), 0));
    EXPECT_FALSE(TKestGraphics::PointInCircle(TPointF(10, 10), TPointF(10, 10), -1));

    // A concave polygon: the notch is outside.
    const TKestGraphicsPathPolygon u{{0, 0}, {30, 0}, {30, 30}, {20, 30}, {20, 10}, {10, 10}, {10, 30}, {0, 30}};
    EXPECT_TRUE(TKestGraphics::PointInPolygon(TPointF(5, 20), u));
    EXPECT_FALSE(TKestGraphics::PointInPolygon(TPointF(15, 20), u));
    EXPECT_TRUE(TKestGraphics::PointInPolygon(QPoint(25, 20), u));
    EXPECT_FALSE(TKestGraphics::PointInPolygon(TPointF(1, 1), TKestGraphicsPathPolygon{{0, 0}, {5, 5}}));

    TKestGraphicsPath path;
    path.AddEllipse(TRectF(0, 0, 20, 20));
    EXPECT_TRUE(TKestGraphics::PointInPath(TPointF(10, 10), &path));
    EXPECT_FALSE(TKestGraphics::PointInPath(QPoint(1, 1), &path));
    EXPECT_FALSE(TKestGraphics::PointInPath(TPointF(10, 10), nullptr));
}

TEST(CanvasPlacement, AspectSizeKeepsStretchesOrFits)
{
    const struct {
        float OW, OH, NW, NH;
        bool Aspect, Stretch;
        float W, H;
    } cases[] = {
        {100, 50, 400, 400, true, false, 100, 50},  // small picture keeps its size
        {100, 50, 400, 400, true, true, 400, 200},  // stretched, proportions kept
        {100, 50, 40, 40, true, false, 40, 20},     // shrunk to fit the width
        {50, 100, 40, 40, true, false, 20, 40},     // shrunk to fit the height
        {100, 50, 0, 40, true, false, 0, 0},        // no target
        {0, 50, 40, 40, true, true, 0, 0},          // no picture size
        {100, 50, 30, 70, false, true, 30, 70},     // stretched freely
        {100, 50, 30, 70, false, false, 100, 50},   // natural size
    };
    for (const auto& c : cases) {
        float w = -1, h = -1;
        TKestGraphics::GetAspectSize(w, h, c.OW, c.OH, c.NW, c.NH, c.Aspect, c.Stretch, false);
        EXPECT_FLOAT_EQ(w, c.W) << c.OW << "x" << c.OH << " into " << c.NW << "x" << c.NH;
        EXPECT_FLOAT_EQ(h, c.H) << c.OW << "x" << c.OH << " into " << c.NW << "x" << c.NH;
    }
}

}
