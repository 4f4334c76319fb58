#include "framework/Canvas.h"
#include "framework/DeviceContext.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <functional>
#include <vector>

namespace {

// The surface as rows of '#' (painted) and '.' (untouched).
std::string Mask(const TDeviceContext& dc)
{
    std::string rows;
    for (int y = 0; y < dc.Height(); ++y) {
        for (int x = 0; x < dc.Width(); ++x)
            rows += qAlpha(dc.Pixel(x, y)) ? '#' : '.';
        rows += '\n';
    }
    return rows;
}

std::string Drawn(int width, int height, const std::function<void(TCanvas&)>& draw)
{
    TDeviceContext dc(width, height);
    TCanvas canvas(dc);
    draw(canvas);
    return Mask(dc);
}

struct ShapeCase {
    const char* name;
    std::function<void(TCanvas&)> draw;
    const char* expected;
};

void ClearBrush(TCanvas& c) { c.Brush().SetStyle(bsClear); }
void ClearPen(TCanvas& c) { c.Pen().SetStyle(psClear); }

}

// Every shape keeps to the columns L..R-1 and rows T..B-1 of its box, lines
// leave out their end pixel and arcs turn counter-clockwise.
TEST(Canvas, ShapesFollowThePixelRules)
{
    const std::vector<ShapeCase> cases = {
        {"outline of (1,1,7,5)",
         [](TCanvas& c) {
             ClearBrush(c);
             c.Rectangle(1, 1, 7, 5);
         },
         "........\n"
         ".######.\n"
         ".#....#.\n"
         ".#....#.\n"
         ".######.\n"
         "........\n"},
        {"filled without a pen covers the same pixels",
         [](TCanvas& c) {
             ClearPen(c);
             c.Rectangle(7, 5, 1, 1);
         },
         "........\n"
         ".######.\n"
         ".######.\n"
         ".######.\n"
         ".######.\n"
         "........\n"},
        {"line leaves out its end pixel",
         [](TCanvas& c) {
             c.MoveTo(1, 1);
             c.LineTo(7, 1);
             c.LineTo(7, 5);
         },
         "........\n"
         ".#######\n"
         ".......#\n"
         ".......#\n"
         ".......#\n"
         "........\n"},
        {"polyline leaves out its last pixel",
         [](TCanvas& c) {
             const QPoint points[] = {{0, 0}, {0, 3}, {4, 3}};
             c.Polyline(points);
         },
         "#.......\n"
         "#.......\n"
         "#.......\n"
         "####....\n"
         "........\n"
         "........\n"},
        {"ellipse within its box",
         [](TCanvas& c) {
             ClearPen(c);
             c.Ellipse(0, 0, 8, 6);
         },
         ".######.\n"
         "########\n"
         "########\n"
         "########\n"
         "########\n"
         ".######.\n"},
        {"arc from the right counter-clockwise to the top",
         [](TCanvas& c) { c.Arc(0, 0, 7, 7, 7, 3, 3, 0); },
         "....#...\n"
         ".....#..\n"
         ".....#..\n"
         "......#.\n"
         "........\n"
         "........\n"},
        {"arc from the top counter-clockwise to the right",
         [](TCanvas& c) { c.Arc(0, 0, 7, 6, 3, 0, 7, 3); },
         "...#....\n"
         ".##.....\n"
         "#.......\n"
         "#.......\n"
         ".#..##..\n"
         "..##....\n"},
        {"dotted pen",
         [](TCanvas& c) {
             c.Pen().SetStyle(psDot);
             c.MoveTo(0, 0);
             c.LineTo(8, 0);
         },
         "###...##\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
        {"alternate pen sets every other pixel",
         [](TCanvas& c) {
             c.Pen().SetStyle(psAlternate);
             c.MoveTo(0, 0);
             c.LineTo(8, 0);
         },
         "#.#.#.#.\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
        {"clear pen and brush draw nothing",
         [](TCanvas& c) {
             ClearPen(c);
             ClearBrush(c);
             c.Rectangle(0, 0, 8, 6);
             c.Ellipse(0, 0, 8, 6);
             c.MoveTo(0, 0);
             c.LineTo(8, 6);
         },
         "........\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"
         "........\n"},
    };
    for (const ShapeCase& c : cases)
        EXPECT_EQ(Drawn(8, 6, c.draw), c.expected) << c.name;
}

TEST(Canvas, PenAndBrushColours)
{
    TDeviceContext dc(6, 6);
    TCanvas canvas(dc);
    canvas.Pen().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    canvas.Rectangle(0, 0, 6, 6);
    EXPECT_EQ(dc.Pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(dc.Pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(dc.Pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(dc.Pixel(4, 4), qRgb(0, 0, 255));
}

TEST(Canvas, ClipNarrowsAndRestoreDCUndoesIt)
{
    TDeviceContext dc(8, 4);
    TCanvas canvas(dc);
    canvas.Pen().SetStyle(psClear);
    const int level = canvas.SaveDC();
    canvas.IntersectClipRect(2, 0, 8, 4);
    canvas.IntersectClipRect(0, 0, 6, 4);
    EXPECT_EQ(canvas.ClipBounds(), QRect(2, 0, 4, 4));
    canvas.Rectangle(0, 0, 8, 2);
    EXPECT_TRUE(canvas.RestoreDC(level));
    EXPECT_FALSE(canvas.RestoreDC(level)) << "a level is gone once restored";
    canvas.Rectangle(0, 2, 8, 4);
    EXPECT_EQ(Mask(dc), "..####..\n"
                        "..####..\n"
                        "########\n"
                        "########\n");

    canvas.SaveDC();
    canvas.IntersectClipRect(3, 3, 3, 3); // empty: nothing gets through
    canvas.Brush().SetColor(clRed);
    canvas.Rectangle(0, 0, 8, 4);
    EXPECT_EQ(dc.Pixel(0, 0), 0u);
    EXPECT_TRUE(canvas.RestoreDC(-1));
    EXPECT_EQ(canvas.ClipBounds(), QRect(0, 0, 8, 4));
}

TEST(Canvas, PathsAreBuiltThenStrokedOrFilled)
{
    const auto triangle = [](TCanvas& c) {
        c.BeginPath();
        c.MoveTo(0, 0);
        c.LineTo(6, 0);
        c.LineTo(0, 6);
        c.CloseFigure();
        c.EndPath();
    };
    EXPECT_EQ(Drawn(7, 7,
                    [&](TCanvas& c) {
                        triangle(c);
                        c.StrokePath();
                        c.StrokePath(); // the path is used up
                    }),
              "#######\n"
              "#....#.\n"
              "#...#..\n"
              "#..#...\n"
              "#.#....\n"
              "##.....\n"
              "#......\n");
    EXPECT_EQ(Drawn(7, 7,
                    [&](TCanvas& c) {
                        triangle(c);
                        c.FillPath();
                    }),
              "######.\n"
              "#####..\n"
              "####...\n"
              "###....\n"
              "##.....\n"
              "#......\n"
              ".......\n");
    EXPECT_EQ(Drawn(4, 4,
                    [&](TCanvas& c) {
                        triangle(c);
                        c.AbortPath();
                        c.FillPath();
                        c.StrokePath();
                    }),
              "....\n....\n....\n....\n")
        << "an aborted path draws nothing";
}

TEST(Canvas, TextRectMeasuresWrapsAndTrims)
{
    TDeviceContext dc(200, 100);
    TCanvas canvas(dc);
    canvas.Font().SetName(QStringLiteral("DejaVu Sans"));
    canvas.Font().SetHeight(-12);
    const int line = canvas.TextHeight(QStringLiteral("Ag"));
    ASSERT_GT(line, 10);

    TRect single(10, 10, 20, 20);
    canvas.TextRect(single, QStringLiteral("one two three"), tfSingleLine | tfCalcRect);
    EXPECT_EQ(single.Left, 10);
    EXPECT_NEAR(single.Width(), canvas.TextWidth(QStringLiteral("one two three")), 1);
    EXPECT_EQ(single.Height(), line);

    TRect wrapped(0, 0, canvas.TextWidth(QStringLiteral("one two")) + 2, 0);
    canvas.TextRect(wrapped, QStringLiteral("one two one two"), tfWordBreak | tfCalcRect);
    EXPECT_EQ(wrapped.Height(), 2 * line);

    TRect prefixed(0, 0, 0, 0);
    canvas.TextRect(prefixed, QStringLiteral("&Open"), tfSingleLine | tfCalcRect);
    EXPECT_NEAR(prefixed.Width(), canvas.TextWidth(QStringLiteral("Open")), 1) << "the prefix sign is not drawn";
    canvas.TextRect(prefixed, QStringLiteral("&Open"), tfSingleLine | tfNoPrefix | tfCalcRect);
    EXPECT_NEAR(prefixed.Width(), canvas.TextWidth(QStringLiteral("&Open")), 1);

    // Trimmed text stays inside its rectangle; untrimmed text is clipped to it.
    canvas.Brush().SetStyle(bsClear);
    for (TTextFormat trim : {TTextFormat(tfEndEllipsis), TTextFormat(tfWordEllipsis), TTextFormat()}) {
        dc.Fill(0);
        TRect box(0, 0, 60, line);
        canvas.TextRect(box, QStringLiteral("a long line of words that does not fit"), tfSingleLine | trim);
        int rightmost = -1;
        for (int y = 0; y < dc.Height(); ++y)
            for (int x = 0; x < dc.Width(); ++x)
                if (qAlpha(dc.Pixel(x, y)))
                    rightmost = std::max(rightmost, x);
        EXPECT_GT(rightmost, 30) << int(trim);
        EXPECT_LT(rightmost, 60) << int(trim);
    }
}

TEST(Canvas, TextOutFillsItsBackgroundUnlessTheBrushIsClear)
{
    TDeviceContext dc(60, 30);
    TCanvas canvas(dc);
    canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(clYellow);
    canvas.TextOut(2, 2, QStringLiteral("Hi"));
    EXPECT_EQ(dc.Pixel(2, 2), qRgb(255, 255, 0));
    dc.Fill(0);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(2, 2, QStringLiteral("Hi"));
    EXPECT_EQ(qAlpha(dc.Pixel(2, 2)), 0);

    // Turned a quarter counter-clockwise, the text runs upwards from (x, y).
    dc.Fill(0);
    canvas.Font().SetOrientation(900);
    canvas.TextOut(5, 28, QStringLiteral("Hello"));
    int top = dc.Height(), right = 0;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            if (qAlpha(dc.Pixel(x, y))) {
                top = std::min(top, y);
                right = std::max(right, x);
            }
    EXPECT_LT(right, 5 + canvas.TextHeight(QStringLiteral("Hello")));
    EXPECT_LT(top, 28 - canvas.TextWidth(QStringLiteral("Hello")) / 2);
}

// Another painter may draw on the same pixels once the canvas lets go.
TEST(Canvas, RefreshHandsThePixelsOver)
{
    TDeviceContext dc(4, 4);
    TCanvas canvas(dc);
    canvas.IntersectClipRect(0, 0, 2, 4);
    canvas.Rectangle(0, 0, 4, 4);
    canvas.Refresh();
    {
        QPainter other(&dc.Image());
        EXPECT_TRUE(other.isActive());
        other.fillRect(QRect(3, 3, 1, 1), Qt::red);
    }
    canvas.Brush().SetColor(clBlue);
    canvas.Pen().SetStyle(psClear);
    canvas.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(dc.Pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(dc.Pixel(2, 1)), 0) << "the clip holds after a refresh";
    EXPECT_EQ(dc.Pixel(3, 3), qRgb(255, 0, 0));
}
