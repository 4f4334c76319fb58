#include "framework/DeviceContext.h"
#include "pathbar/ButtonDrawing_p.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include <QPainter>

using namespace PathBarDrawing;

namespace {

QImage Canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

int RedAt(const QImage& image, int x, int y) { return qRed(image.pixel(x, y)); }

QImage Background(const TButtonColors& colors, bool down, bool rightLine)
{
    QImage image = Canvas(10, 10);
    {
        QPainter p(&image);
        DrawButtonBackground(p, QRect(0, 0, 10, 10), 5, colors, down, rightLine);
    }
    return image;
}

}

TEST(DrawGradient, BandsFromColourToColour)
{
    // Two steps black to white over 11 rows: the last row is left to the
    // widened last band.
    QImage image = Canvas(4, 11);
    {
        QPainter p(&image);
        DrawGradient(p, clBlack, clWhite, 2, QRect(0, 0, 4, 11), false);
    }
    EXPECT_EQ(RedAt(image, 0, 0), 0);
    EXPECT_EQ(RedAt(image, 3, 4), 0);
    EXPECT_EQ(RedAt(image, 0, 5), 128) << "127.5 rounds to the even neighbour";
    EXPECT_EQ(RedAt(image, 0, 10), 128);
}

TEST(DrawGradient, HorizontalAndSolid)
{
    QImage image = Canvas(11, 3);
    {
        QPainter p(&image);
        DrawGradient(p, clBlack, clWhite, 0, QRect(0, 0, 11, 3), true); // 0 steps count as 1
    }
    EXPECT_EQ(RedAt(image, 10, 1), 0);
    QImage solid = Canvas(5, 5);
    {
        QPainter p(&solid);
        DrawGradient(p, clRed, clNone, 40, QRect(1, 1, 3, 3), false);
    }
    EXPECT_EQ(solid.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(solid.pixel(0, 0)), 0) << "nothing outside the rectangle";
    EXPECT_EQ(qAlpha(solid.pixel(4, 4)), 0);
}

TEST(BlendColor, Percentages)
{
    struct Case {
        const char* name;
        TColor a, b;
        int percent;
        TColor expected;
    };
    for (const Case& c : {Case{"half", clBlack, clWhite, 50, 0x808080}, Case{"all", clRed, clBlue, 100, clRed},
                          Case{"over", clRed, clBlue, 150, clRed}, Case{"none", clRed, clBlue, 0, clBlue},
                          Case{"under", clRed, clBlue, -5, clBlue}, Case{"quarter", 0x0000FF, 0x000000, 25, 0x000040}}) {
        EXPECT_EQ(BlendColor(c.a, c.b, c.percent).Value, c.expected.Value) << c.name;
    }
}

TEST(DrawButtonBackground, BorderAndHighlight)
{
    TButtonColors colors{0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, clBlack};
    QImage image = Background(colors, false, true);
    EXPECT_EQ(image.pixel(0, 5), qRgb(255, 0, 0)) << "left border line (0x0000FF is red)";
    EXPECT_EQ(image.pixel(9, 5), qRgb(255, 0, 0)) << "right line";
    EXPECT_EQ(image.pixel(1, 5), qRgb(255, 255, 255)) << "white inner highlight";
    EXPECT_EQ(image.pixel(4, 2), qRgb(0, 0, 255)) << "face";
    EXPECT_EQ(image.pixel(4, 7), qRgb(0, 255, 0)) << "mirror";

    QImage down = Background(colors, true, false);
    EXPECT_EQ(down.pixel(5, 0), qRgb(255, 0, 0)) << "outline";
    EXPECT_EQ(down.pixel(5, 1), qRgb(255, 128, 128)) << "inner line blended with white";
    EXPECT_EQ(down.pixel(5, 8), qRgb(0, 255, 0)) << "its lower edge falls outside";
}

TEST(DrawArrow, OpaqueColourAntiAliasedEdges)
{
    for (bool chevron : {false, true}) {
        TDeviceContext surface(14, 20);
        DrawArrow(surface, QRect(0, 0, 14, 20), 0x808080, chevron, 1.0);
        int inked = 0, partial = 0;
        QRgb strongest = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 14; ++x) {
                QRgb px = surface.Pixel(x, y);
                if (qAlpha(px) == 0)
                    continue;
                ++inked;
                partial += qAlpha(px) < 255 ? 1 : 0;
                EXPECT_EQ(qRed(px), qBlue(px)) << "grey throughout";
                if (qAlpha(px) > qAlpha(strongest))
                    strongest = px;
            }
        // Faint edge pixels lose precision to premultiplication; the line's
        // core shows the colour.
        EXPECT_GE(qAlpha(strongest), 200);
        EXPECT_NEAR(qRed(strongest), 0x80, 3);
        EXPECT_GT(inked, 4) << chevron;
        EXPECT_GT(partial, 0) << "anti-aliased";
        EXPECT_EQ(qAlpha(surface.Pixel(0, 0)), 0);
    }
}

TEST(DrawDoubleArrow, TwoChevronsAroundTheCentre)
{
    TDeviceContext surface(14, 20);
    DrawDoubleArrow(surface, QRect(0, 0, 14, 20), clBlack, 1.0);
    // Tips at (cx - 4, cy) and (cx, cy) with cx 7, cy 10.
    EXPECT_GT(qAlpha(surface.Pixel(3, 10)), 0);
    EXPECT_GT(qAlpha(surface.Pixel(7, 10)), 0);
    EXPECT_EQ(qAlpha(surface.Pixel(13, 10)), 0);
    EXPECT_EQ(qAlpha(surface.Pixel(7, 0)), 0);
}

TEST(DrawButtonBackground, LinesCoverWholePixelsAtRatio2)
{
    // Each one-unit line covers exactly two columns of pixels, none shifted
    // half a unit to the left.
    TButtonColors colors{0xFF0000, 0xFF0000, 0x00FF00, 0x00FF00, 0x0000FF, clBlack};
    TDeviceContext surface(10, 10, 2.0);
    {
        QPainter p(&surface.Image());
        DrawButtonBackground(p, QRect(0, 0, 10, 10), 5, colors, false, true);
    }
    struct Column {
        const char* name;
        int x;
        QRgb colour;
    };
    for (const Column& c : {Column{"left border", 0, qRgb(255, 0, 0)}, Column{"left border", 1, qRgb(255, 0, 0)},
                            Column{"highlight", 2, qRgb(255, 255, 255)}, Column{"highlight", 3, qRgb(255, 255, 255)},
                            Column{"face", 4, qRgb(0, 0, 255)}, Column{"highlight", 17, qRgb(255, 255, 255)},
                            Column{"right line", 18, qRgb(255, 0, 0)}, Column{"right line", 19, qRgb(255, 0, 0)}}) {
        EXPECT_EQ(surface.Pixel(c.x, 8), c.colour) << c.name << " at " << c.x;
    }
}

TEST(DrawArrow, ChevronFillsTheSamePlaceAtRatio2)
{
    // The chevron of a 14 x 20 box sits around the box's centre at any ratio,
    // twice as many pixels across at 2.
    TDeviceContext one(14, 20);
    TDeviceContext two(14, 20, 2.0);
    DrawArrow(one, QRect(0, 0, 14, 20), clBlack, false, 1.0);
    DrawArrow(two, QRect(0, 0, 14, 20), clBlack, false, 1.0);
    auto inked = [](const TDeviceContext& dc) {
        QRect box;
        for (int y = 0; y < dc.Height(); ++y)
            for (int x = 0; x < dc.Width(); ++x)
                if (qAlpha(dc.Pixel(x, y)) > 0)
                    box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect small = inked(one);
    const QRect large = inked(two);
    ASSERT_FALSE(small.isEmpty());
    EXPECT_NEAR(large.center().x(), 2 * small.center().x(), 2);
    EXPECT_NEAR(large.center().y(), 2 * small.center().y(), 2);
    EXPECT_NEAR(large.width(), 2 * small.width(), 2);
}
