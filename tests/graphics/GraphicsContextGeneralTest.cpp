#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsGradientStrips.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/KestGraphicsTypes.h"

#include <gtest/gtest.h>

#include <QDir>
#include <memory>
#include <string>
#include <vector>

namespace {

// A framework canvas on a surface and a graphics canvas drawing on it
// through the framework-canvas back-end.
struct GeneralFixture {
    explicit GeneralFixture(int width = 20, int height = 20) : Surface(width, height), Canvas(Surface)
    {
        Graphics = TKestGraphics::Create(&Canvas, false);
    }
    TKestGraphicsContext& Context() { return *Graphics->Context(); }
    bool Painted(int x, int y) const { return qAlpha(Surface.Pixel(x, y)) != 0; }
    std::string Mask() const
    {
        std::string rows;
        for (int y = 0; y < Surface.Height(); ++y) {
            for (int x = 0; x < Surface.Width(); ++x)
                rows += Painted(x, y) ? '#' : '.';
            rows += '\n';
        }
        return rows;
    }
    void Clear() { Surface.Fill(0); }

    TDeviceContext Surface;
    TCanvas Canvas;
    std::unique_ptr<TKestGraphics> Graphics;
};

int LeftmostPainted(const TDeviceContext& dc, int y)
{
    for (int x = 0; x < dc.Width(); ++x)
        if (qAlpha(dc.Pixel(x, y)))
            return x;
    return -1;
}

QRgb Rgb(TColor c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

}

TEST(GraphicsContextGeneral, FillGradientStripsRampsAndRoundsCorners)
{
    TDeviceContext dc(12, 10);
    TCanvas canvas(dc);
    canvas.Pen().SetColor(clRed);
    FillGradientStrips(canvas, RGB(0, 0, 0), RGB(100, 200, 250), TRect(0, 0, 12, 10), 0, {}, false);
    // Ten rows, one strip each, each a tenth further from black.
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(dc.Pixel(5, y), qRgb(10 * y, 20 * y, 25 * y)) << y;
    EXPECT_EQ(canvas.Pen().Color(), clRed) << "the canvas keeps its pen";

    // Radius 4, only the top-left corner rounded: the first rows start
    // 4, 1, 1, 0 and 0 pixels in; the right edge stays straight.
    dc.Fill(0);
    FillGradientStrips(canvas, clBlue, clBlue, TRect(0, 0, 12, 10), 4, {gcTopLeft}, false);
    const int expected[] = {4, 1, 1, 0, 0};
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(LeftmostPainted(dc, y), expected[y]) << y;
    for (int y = 0; y < 10; ++y) {
        EXPECT_TRUE(qAlpha(dc.Pixel(11, y))) << y;
        EXPECT_EQ(dc.Pixel(3, y) == Rgb(clBlue) || y == 0, true) << "one colour when both are equal";
    }

    // Horizontal strips with the two right corners rounded.
    dc.Fill(0);
    FillGradientStrips(canvas, clBlue, clBlue, TRect(0, 0, 12, 10), 3, {gcTopRight, gcBottomRight}, true);
    EXPECT_FALSE(qAlpha(dc.Pixel(11, 0)));
    EXPECT_FALSE(qAlpha(dc.Pixel(11, 9)));
    EXPECT_TRUE(qAlpha(dc.Pixel(11, 5)));
    EXPECT_TRUE(qAlpha(dc.Pixel(0, 0)));
}

// The strip counter used to be 16 bits wide: an extent of 65,536 pixels
// never finished. Strips outside the surface are not drawn at all.
TEST(GraphicsContextGeneral, FillGradientStripsOverAHugeExtentFinishes)
{
    TDeviceContext dc(10, 10);
    TCanvas canvas(dc);
    FillGradientStrips(canvas, RGB(0, 0, 0), RGB(0, 0, 255), TRect(-65536, 0, 65536 + 10, 10), 0, {}, true);
    // Column 0 is strip 65,536 of 131,082: about half-way.
    EXPECT_NEAR(qBlue(dc.Pixel(0, 5)), 128, 1);
    EXPECT_TRUE(qAlpha(dc.Pixel(9, 9)));
    // An empty or inverted rectangle draws nothing.
    dc.Fill(0);
    FillGradientStrips(canvas, clRed, clBlue, TRect(5, 0, 5, 10), 0, {}, true);
    FillGradientStrips(canvas, clRed, clBlue, TRect(8, 0, 2, 10), 0, {}, true);
    EXPECT_FALSE(qAlpha(dc.Pixel(5, 5)));
}

TEST(GraphicsContextGeneral, FillRectDrawsSolidsGradientsAndMirrors)
{
    GeneralFixture f(10, 10);
    TKestGraphicsFill fill(gfkSolid, clRed);
    f.Context().SetFill(&fill);
    f.Context().FillRect(&fill, TRectF(1, 1, 9, 9), gcrmNone);
    EXPECT_EQ(f.Surface.Pixel(1, 1), Rgb(clRed));
    EXPECT_EQ(f.Surface.Pixel(8, 8), Rgb(clRed)) << "the fill reaches the last column and row";
    EXPECT_FALSE(f.Painted(9, 9));
    EXPECT_FALSE(f.Painted(0, 0));

    f.Clear();
    fill.SetKind(gfkGradient);
    fill.SetOrientation(gfoVertical);
    fill.SetColor(RGB(0, 0, 0));
    fill.SetColorTo(RGB(0, 0, 100));
    fill.SetColorMirror(RGB(200, 0, 0));
    fill.SetColorMirrorTo(RGB(250, 0, 0));
    f.Context().FillRect(&fill, TRectF(0, 0, 10, 10), gcrmNone);
    EXPECT_EQ(f.Surface.Pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(f.Surface.Pixel(0, 4), qRgb(0, 0, 80));
    EXPECT_EQ(f.Surface.Pixel(0, 5), qRgb(200, 0, 0)) << "the bottom half from the mirror colour";

    // A gradient missing a colour, a custom mirrored one and other kinds
    // draw nothing.
    f.Clear();
    fill.SetOrientation(gfoCustom);
    f.Context().FillRect(&fill, TRectF(0, 0, 10, 10), gcrmNone);
    fill.SetOrientation(gfoVertical);
    fill.SetColorTo(gcNull);
    f.Context().FillRect(&fill, TRectF(0, 0, 10, 10), gcrmNone);
    fill.SetKind(gfkNone);
    f.Context().FillRect(&fill, TRectF(0, 0, 10, 10), gcrmNone);
    EXPECT_EQ(f.Mask(), std::string(10, '.') + "\n" + std::string(10, '.') + "\n" + std::string(10, '.') + "\n" +
                            std::string(10, '.') + "\n" + std::string(10, '.') + "\n" + std::string(10, '.') + "\n" +
                            std::string(10, '.') + "\n" + std::string(10, '.') + "\n" + std::string(10, '.') + "\n" +
                            std::string(10, '.') + "\n");
}

TEST(GraphicsContextGeneral, DrawRectSidesAndRoundRects)
{
    GeneralFixture f(8, 6);
    TKestGraphicsStroke stroke(gskSolid, clBlack);
    f.Context().SetStroke(&stroke);
    f.Context().DrawRect(&stroke, TRectF(1, 1, 7, 5), {gsRight, gsTop}, gcrmNone);
    EXPECT_EQ(f.Mask(), "........\n"
                        ".######.\n"
                        "......#.\n"
                        "......#.\n"
                        "......#.\n"
                        "........\n");

    // Three corners: lines and arcs on the rectangle pulled in by a pixel;
    // the square corner is at the bottom right.
    GeneralFixture g(12, 12);
    g.Context().SetStroke(&stroke);
    g.Context().DrawRoundRect(&stroke, TRectF(0, 0, 12, 12), 4, {gcTopLeft, gcTopRight, gcBottomLeft}, gcrmNone);
    EXPECT_TRUE(g.Painted(11, 11)) << "the square corner\n" << g.Mask();
    EXPECT_FALSE(g.Painted(0, 0)) << "rounded";
    EXPECT_FALSE(g.Painted(11, 0)) << "rounded";
    EXPECT_TRUE(g.Painted(0, 5));
    EXPECT_TRUE(g.Painted(5, 0));

    // All four: the framework's rounded rectangle on the whole rectangle.
    g.Clear();
    g.Context().DrawRoundRect(&stroke, TRectF(0, 0, 12, 12), 3, TKestGraphics::AllCorners(), gcrmNone);
    EXPECT_TRUE(g.Painted(11, 6));
    EXPECT_TRUE(g.Painted(6, 11));
    EXPECT_FALSE(g.Painted(0, 0));
    EXPECT_FALSE(g.Painted(6, 6)) << "an outline fills nothing";
}

// A sweep of 0 drew the whole ellipse; a negative sweep drew the rest of
// the ellipse instead of the arc.
TEST(GraphicsContextGeneral, DrawArcCoversItsSweepOnly)
{
    TKestGraphicsStroke stroke(gskSolid, clBlack);
    const auto arc = [&](float start, float sweep) {
        GeneralFixture f(21, 21);
        f.Context().SetStroke(&stroke);
        f.Context().DrawArc(&stroke, TPointF(10, 10), TPointF(8, 8), start, sweep);
        return f.Mask();
    };
    const std::string none = arc(0, 0);
    EXPECT_EQ(none.find('#'), std::string::npos);

    // Angles turn clockwise on screen: 0..90 is the lower right quarter.
    const std::string quarter = arc(0, 90);
    int counts[2][2] = {};
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 21; ++x)
            if (quarter[size_t(y * 22 + x)] == '#')
                ++counts[y > 9][x > 9];
    EXPECT_GT(counts[1][1], 8) << quarter;
    EXPECT_EQ(counts[0][0] + counts[0][1] + counts[1][0], 0) << quarter;

    EXPECT_EQ(arc(90, -90), arc(0, 90)) << "a negative sweep runs back from its start";
    EXPECT_EQ(arc(30, 400), arc(0, 360)) << "a sweep of a turn or more is the whole ellipse";
    EXPECT_NE(arc(0, 360).find('#'), std::string::npos);
    const std::string shortArc = arc(10, 1);
    EXPECT_LT(std::count(shortArc.begin(), shortArc.end(), '#'), 4) << "a short arc stays short";
}

// The back-end writes its own state before drawing: whatever was done to
// the framework canvas in between, or whatever a focus mark set, does not
// carry over into the next shape.
TEST(GraphicsContextGeneral, DrawsWithTheStateLastSet)
{
    GeneralFixture f(10, 10);
    TKestGraphicsStroke stroke(gskSolid, clBlue);
    f.Context().SetStroke(&stroke);
    f.Canvas.Pen().SetColor(clLime);
    f.Canvas.Pen().SetStyle(psDot);
    f.Context().DrawLine(&stroke, TPointF(0, 0), TPointF(9, 0), gcpmNone, gcpmNone);
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(f.Surface.Pixel(x, 0), Rgb(clBlue)) << x;

    f.Context().DrawFocusRectangle(&stroke, TRectF(0, 2, 10, 8), clRed, gcrmNone);
    EXPECT_EQ(f.Surface.Pixel(0, 2), Rgb(clRed));
    EXPECT_FALSE(f.Painted(1, 2)) << "every other pixel";
    f.Context().DrawLine(&stroke, TPointF(0, 9), TPointF(9, 9), gcpmNone, gcpmNone);
    EXPECT_EQ(f.Surface.Pixel(1, 9), Rgb(clBlue));

    // Set while the canvas has no framework canvas: nothing breaks, and the
    // values are kept.
    auto orphan = TKestGraphics::Create(nullptr, false);
    TKestGraphicsFill fill(gfkSolid, clRed);
    orphan->Context()->SetFill(&fill);
    orphan->Context()->SetStroke(&stroke);
    orphan->Context()->SetFontSize(-12);
    orphan->Context()->FillRect(&fill, TRectF(0, 0, 5, 5), gcrmNone);
    orphan->Context()->DrawText(QStringLiteral("x"), TRectF(0, 0, 5, 5), false, gtaLeading, gtaLeading, gttNone, 0);
    EXPECT_EQ(orphan->Context()->GetFillColor(), clRed);
}

TEST(GraphicsContextGeneral, ClipHoldsUntilTheStateIsRestored)
{
    GeneralFixture f(10, 4);
    TKestGraphicsFill fill(gfkSolid, clRed);
    f.Context().SetFill(&fill);
    TKestGraphicsSaveState state;
    f.Context().SaveState(state);
    f.Context().ClipRect(TRectF(2, 0, 5.4f, 4));
    f.Context().ResetClip(); // narrows only: reset does nothing
    f.Context().FillRect(&fill, TRectF(0, 0, 10, 2), gcrmNone);
    f.Context().RestoreState(state);
    EXPECT_EQ(state.SaveDC(), 0);
    f.Context().FillRect(&fill, TRectF(0, 2, 10, 4), gcrmNone);
    EXPECT_EQ(f.Mask(), "..###.....\n"
                        "..###.....\n"
                        "##########\n"
                        "##########\n");
}

TEST(GraphicsContextGeneral, PathsAsPathPolygonAndPolyline)
{
    TKestGraphicsPath path;
    path.MoveTo(TPointF(1, 1));
    path.LineTo(TPointF(7, 1));
    path.LineTo(TPointF(7, 5));
    path.ClosePath();
    TKestGraphicsStroke stroke(gskSolid, clBlack);
    TKestGraphicsFill fill(gfkSolid, clBlack);
    for (TKestGraphicsPathDrawMode mode : {pdmPath, pdmPolygon}) {
        GeneralFixture f(8, 6);
        f.Context().SetStroke(&stroke);
        f.Context().DrawPath(&stroke, &path, mode);
        EXPECT_EQ(f.Mask(), "........\n"
                            ".#######\n"
                            "..##...#\n"
                            "....#..#\n"
                            ".....###\n"
                            ".......#\n")
            << int(mode);
        f.Clear();
        f.Context().SetFill(&fill);
        f.Context().FillPath(&fill, &path, mode);
        EXPECT_TRUE(f.Painted(6, 2)) << int(mode);
        EXPECT_FALSE(f.Painted(1, 4)) << int(mode);
    }
    GeneralFixture f(8, 6);
    f.Context().DrawPath(&stroke, nullptr, pdmPath);
    f.Context().FillPath(&fill, nullptr, pdmPolygon);
    f.Context().ClipPath(nullptr);
    EXPECT_EQ(f.Mask().find('#'), std::string::npos);
}

TEST(GraphicsContextGeneral, TextIsPlacedAlignedAndTurned)
{
    GeneralFixture f(120, 60);
    TKestGraphicsFont font;
    font.SetName(QStringLiteral("DejaVu Sans"));
    font.SetColor(clBlack);
    font.SetHeight(-12);
    f.Context().SetFont(&font);
    const QString text = QStringLiteral("Hello");
    const TRectF measured = f.Context().CalculateText(text, TRectF(0, 0, 120, 60), false);
    EXPECT_GT(measured.Width(), 20);
    EXPECT_LT(measured.Width(), 60);

    // Right aligned and at the bottom: the ink ends near the bottom right.
    f.Context().DrawText(text, TRectF(0, 0, 120, 60), false, gtaTrailing, gtaTrailing, gttNone, 0);
    EXPECT_EQ(LeftmostPainted(f.Surface, 10), -1);
    EXPECT_GT(LeftmostPainted(f.Surface, 52), 120 - measured.Width() - 2);

    // Word-wrapped text taller than its rectangle, centred, keeps its top.
    f.Clear();
    f.Context().DrawText(QStringLiteral("one two three four five six"), TRectF(0, 10, 40, 20), true, gtaLeading,
                         gtaCenter, gttNone, 0);
    int top = -1;
    for (int y = 0; y < 60 && top < 0; ++y)
        if (LeftmostPainted(f.Surface, y) >= 0)
            top = y;
    EXPECT_GE(top, 10);
    EXPECT_LT(top, 16);

    // Turned a quarter clockwise, the text runs down the rectangle.
    f.Clear();
    f.Context().DrawText(text, TRectF(40, 0, 80, 60), false, gtaCenter, gtaCenter, gttNone, 90);
    int minX = 120, maxX = -1, minY = 60, maxY = -1;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 120; ++x)
            if (f.Painted(x, y)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_GT(maxY - minY, maxX - minX) << "taller than wide";
    EXPECT_GE(minX, 40);
    EXPECT_LE(maxX, 80);
    EXPECT_NEAR((minY + maxY) / 2.0, 30, 4);
}

// The scene every shape group of the back-end draws into, for a look.
TEST(GraphicsContextGeneral, SceneThroughTheCanvas)
{
    auto graphics = TKestGraphics::CreateBitmapCanvas(240, 120, false);
    graphics->Fill()->SetKind(gfkGradient);
    graphics->Fill()->SetColor(RGB(250, 250, 255));
    graphics->Fill()->SetColorTo(RGB(120, 160, 230));
    graphics->Stroke()->SetColor(RGB(40, 60, 120));
    graphics->DrawRoundRectangle(TRectF(10, 10, 110, 60), 8);
    graphics->Fill()->SetKind(gfkSolid);
    graphics->Fill()->SetColor(RGB(240, 200, 80));
    graphics->DrawEllipse(TRectF(120, 10, 180, 60));
    graphics->Stroke()->SetKind(gskDash);
    graphics->DrawRectangle(TRectF(190, 10, 230, 60));
    graphics->Stroke()->SetKind(gskSolid);
    graphics->DrawArc(TPointF(40, 90), TPointF(25, 20), 0, 270);
    graphics->Font()->SetName(QStringLiteral("DejaVu Sans"));
    graphics->Font()->SetColor(clBlack);
    graphics->DrawText(TRectF(80, 70, 230, 110), QStringLiteral("Framework canvas text, trimmed at the end"), false,
                       gtaLeading, gtaCenter, gttCharacter);
    graphics->DrawFocusRectangle(TRectF(78, 68, 232, 112), clRed);
    TCanvas* canvas = graphics->Canvas();
    ASSERT_NE(canvas, nullptr);
    const QImage image = canvas->Handle().Snapshot();
    EXPECT_TRUE(qAlpha(image.pixel(60, 35)));
    image.save(QDir::temp().filePath(QStringLiteral("general-scene.png")));
}
