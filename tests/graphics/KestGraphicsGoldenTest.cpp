// One set of scenes drawn through the canvas on each back-end and compared
// with reviewed pictures in tests/data/graphics/golden (one per scene and
// back-end). Tolerance: a pixel matches when no channel (alpha included)
// differs by more than 40; a scene matches when at most 0.5% of its pixels
// do not, so anti-aliasing and text hinting may move slightly, but a shape,
// colour or placement that changes does not pass.
//
// KEST_GOLDEN_OUTPUT=<folder> writes what was drawn there (to look at, or to
// review as the new reference); a failing scene is written there too.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "graphics/GraphicsDefaultColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"
#include "pictures/KestBitmap.h"
#include "support/ReviewedPicture.h"

#include <QImage>
#include <QPainter>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int SceneWidth = 240, SceneHeight = 160;
constexpr int ChannelTolerance = 40;
constexpr double PixelShareTolerance = 0.005;

using TScene = std::function<void(TKestGraphics&)>;

void Solid(TKestGraphics& g, TColor fill, TColor stroke, float width = 1)
{
    g.SetFillKind(gfkSolid);
    g.SetFillColor(fill);
    g.SetStrokeKind(gskSolid);
    g.SetStrokeColor(stroke);
    g.SetStrokeWidth(width);
}

// A picture of four coloured quadrants with a transparent hole.
void QuadrantPicture(TPicture& picture, int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(220, 40, 40));
    p.fillRect(w / 2, 0, w - w / 2, h / 2, QColor(40, 160, 40));
    p.fillRect(0, h / 2, w / 2, h - h / 2, QColor(40, 40, 220));
    p.fillRect(w / 2, h / 2, w - w / 2, h - h / 2, QColor(230, 200, 40));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(w / 2 - 2, h / 2 - 2, 4, 4, Qt::transparent);
    p.end();
    TBitmap bitmap;
    bitmap.SetImage(image);
    picture.Assign(&bitmap);
}

void ShapesScene(TKestGraphics& g)
{
    Solid(g, 0x3C7FB1, 0x202020);
    g.DrawRectangle(TRectF(10, 10, 60, 50));
    g.DrawRectangle(TRectF(70, 10, 120, 50), TKestGraphicsSides{gsTop, gsBottom});
    g.DrawRoundRectangle(TRectF(130, 10, 180, 50), 10, TKestGraphicsCorners{gcTopLeft, gcBottomRight});
    g.DrawRoundRectangle(TRectF(190, 10, 230, 50), 8);
    Solid(g, 0x2DB34A, 0x1A1AD0, 2);
    g.DrawEllipse(TRectF(10, 60, 60, 100));
    g.DrawArc(TPointF(95, 80), TPointF(25, 20), 0, 120);
    g.DrawPolygon({{130, 100}, {155, 60}, {180, 100}, {155, 85}});
    g.SetFillKind(gfkNone);
    g.DrawPolyline({{190, 60}, {230, 70}, {190, 80}, {230, 100}});
    TKestGraphicsPath path;
    path.MoveTo(TPointF(10, 150));
    path.CurveTo(TPointF(40, 100), TPointF(80, 160), TPointF(110, 110));
    path.LineTo(TPointF(110, 150));
    path.ClosePath();
    Solid(g, 0xB48246, 0x000000);
    g.DrawPath(&path);
    g.DrawLine(TPointF(130, 110), TPointF(230, 150));
    g.DrawFocusRectangle(TRectF(130, 115, 200, 150), 0x0000FF);
}

void GradientsScene(TKestGraphics& g)
{
    g.SetStrokeKind(gskNone);
    TKestGraphicsFill* f = g.Fill();
    f->SetKind(gfkGradient);
    f->SetColor(0x0000FF);
    f->SetColorTo(0xFF0000);
    f->SetOrientation(gfoHorizontal);
    g.DrawRectangle(TRectF(10, 10, 110, 45));
    f->SetOrientation(gfoVertical);
    g.DrawRectangle(TRectF(130, 10, 230, 45));
    f->SetColorMirror(0x00FF00);
    f->SetColorMirrorTo(0x00FFFF);
    g.DrawRectangle(TRectF(10, 55, 110, 100));
    f->SetColorMirror(gcNull);
    f->SetOrientation(gfoCustom);
    f->SetGradientAngle(45);
    g.DrawEllipse(TRectF(130, 55, 230, 100));
    f->SetOrientation(gfoHorizontal);
    f->SetGradientMode(gfgmCollection);
    f->AddGradientItem(0xFFFFFF, 0.2f, 1);
    f->AddGradientItem(0x000000, 0.5f, 1);
    f->AddGradientItem(0x00A5FF, 0.8f, 1);
    g.DrawRectangle(TRectF(10, 110, 110, 150));
    f->SetGradientMode(gfgmDefault);
    f->SetGradientType(gfgtRadial);
    f->SetGradientCenterPoint(TPointF(180, 130));
    f->SetColor(0x0000FF);
    f->SetColorTo(0xFF0000);
    g.DrawEllipse(TRectF(130, 110, 230, 150));
}

void StrokesScene(TKestGraphics& g)
{
    g.SetFillKind(gfkNone);
    const TKestGraphicsStrokeKind kinds[] = {gskSolid, gskDash, gskDot, gskDashDot, gskDashDotDot};
    float y = 15;
    for (TKestGraphicsStrokeKind kind : kinds) {
        for (float width : {1.0f, 3.0f}) {
            g.SetStrokeKind(kind);
            g.SetStrokeWidth(width);
            g.SetStrokeColor(0x602010);
            g.DrawLine(TPointF(10, y), TPointF(230, y));
            y += 14;
        }
    }
    g.Stroke()->SetOpacity(0.4f);
    g.SetStrokeKind(gskSolid);
    g.SetStrokeWidth(8);
    g.SetStrokeColor(0x0000FF);
    g.DrawRectangle(TRectF(20, 140, 220, 155), TKestGraphicsSides{gsTop});
}

void TextScene(TKestGraphics& g)
{
    g.SetFontName(QStringLiteral("Arial"));
    g.SetFontSize(10);
    g.SetFontColor(0x202020);
    Solid(g, 0xF0F0F0, 0xA0A0A0);
    const TRectF boxes[] = {{10, 10, 110, 40}, {130, 10, 230, 40}, {10, 50, 110, 80}};
    const TKestGraphicsTextAlign aligns[] = {gtaLeading, gtaCenter, gtaTrailing};
    for (int i = 0; i < 3; ++i) {
        g.DrawRectangle(boxes[i]);
        g.DrawText(boxes[i], QStringLiteral("Aligned"), false, aligns[i], aligns[i]);
    }
    g.DrawRectangle(TRectF(130, 50, 230, 80));
    g.DrawText(TRectF(130, 50, 230, 80), QStringLiteral("A long text that does not fit"), false, gtaLeading,
               gtaCenter, gttCharacter);
    g.DrawRectangle(TRectF(10, 90, 110, 150));
    g.DrawText(TRectF(10, 90, 110, 150), QStringLiteral("Words wrapped into the box below"), true);
    g.SetFontStyles(TFontStyles(fsBold));
    g.SetFontColor(0x1A1AD0);
    g.DrawText(TRectF(120, 90, 170, 150), QStringLiteral("Up"), false, gtaCenter, gtaCenter, gttNone, 90);
    g.DrawText(TRectF(170, 90, 230, 150), QStringLiteral("Turned"), false, gtaCenter, gtaCenter, gttNone, -45);
}

void PicturesScene(TKestGraphics& g)
{
    TKestBitmap picture;
    QuadrantPicture(picture, 40, 30);
    g.DrawBitmap(TRectF(10, 10, 70, 70), &picture, true, false, true, false);  // own size, centred
    g.DrawBitmap(TRectF(80, 10, 140, 70), &picture, true, true, true, false);  // fitted
    g.DrawBitmap(TRectF(150, 10, 230, 40), &picture, false, true, false, false); // stretched
    g.DrawBitmapPart(TRectF(20, 0, 40, 15), TRectF(150, 45, 190, 75), &picture, false, true, false, false);
    g.Fill()->SetTexture(&picture);
    g.SetFillKind(gfkTexture);
    g.SetStrokeKind(gskSolid);
    g.SetStrokeColor(0x000000);
    const TKestGraphicsTextureMode modes[] = {gtmTile, gtmFit, gtmCenter, gtmOriginal};
    float left = 10;
    for (TKestGraphicsTextureMode mode : modes) {
        g.Fill()->SetTextureMode(mode);
        g.DrawRectangle(TRectF(left, 85, left + 50, 150));
        left += 57;
    }
}

void ClippingScene(TKestGraphics& g)
{
    Solid(g, 0x3C7FB1, 0x000000);
    std::unique_ptr<TKestGraphicsSaveState> state = g.SaveState();
    g.ClipRect(TRectF(30, 30, 120, 100));
    g.DrawEllipse(TRectF(10, 10, 140, 120));
    g.RestoreState(std::move(state));
    g.SetFillColor(0x2DB34A);
    g.DrawEllipse(TRectF(130, 40, 230, 140)); // not clipped any more
}

void ControlPartsScene(TKestGraphics& g)
{
    const auto cell = [](int column, int row) {
        return TRectF(float(8 + column * 38), float(8 + row * 30), float(8 + column * 38 + 32), float(8 + row * 30 + 24));
    };
    for (int adapt = 0; adapt < 2; ++adapt) {
        const bool a = adapt == 1;
        const int row = adapt * 2;
        g.DrawButton(cell(0, row), false, false, true, a);
        g.DrawButton(cell(1, row), true, false, true, a);
        g.DrawButton(cell(2, row), false, true, true, a);
        g.DrawButton(cell(3, row), false, false, false, a);
        g.DrawCloseButton(cell(4, row), false, false, true, a);
        g.DrawExpanderButton(cell(5, row), gesCollapsed, false, false, true, a);
        g.DrawExpanderButton(cell(0, row + 1), gesExpanded, false, true, true, a);
        g.DrawCompactButton(cell(1, row + 1), gcsCollapsed, false, false, true, a);
        g.DrawCompactButton(cell(2, row + 1), gcsExpanded, true, false, true, a);
        g.DrawDropDownButton(cell(3, row + 1), false, false, true, true, a);
        g.DrawDropDownButton(TRectF(160, float(38 + row * 30), 230, float(62 + row * 30)), false, false, true, false,
                             a);
    }
    for (int i = 0; i < 4; ++i) {
        g.DrawCheckBox(TRectF(float(10 + i * 22), 128, float(26 + i * 22), 144), i % 2 == 1, i == 2, i != 3);
        g.DrawRadioButton(TRectF(float(100 + i * 22), 128, float(116 + i * 22), 144), i % 2 == 1, i == 2, i != 3);
    }
    g.SetFontName(QStringLiteral("Arial"));
    g.DrawProgressBar(TRectF(10, 146, 230, 158), 25, QStringLiteral("%.1f%%"), 200, 0x2DB34A, 0, true, true);
}

struct TGoldenScene {
    const char* Name;
    TScene Draw;
};

const TGoldenScene Scenes[] = {
    {"shapes", ShapesScene},     {"gradients", GradientsScene}, {"strokes", StrokesScene},
    {"text", TextScene},         {"pictures", PicturesScene},   {"clipping", ClippingScene},
    {"controlparts", ControlPartsScene},
};

QImage Render(const TGoldenScene& scene, bool native)
{
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, native);
    canvas->BeginScene();
    // An opaque page, so the pictures are easy to look at.
    canvas->SetStrokeKind(gskNone);
    canvas->SetFillColor(clWhite);
    canvas->DrawRectangle(TRectF(0, 0, SceneWidth, SceneHeight));
    canvas->SetStrokeKind(gskSolid);
    scene.Draw(*canvas);
    canvas->EndScene();
    return canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
}

class TGoldenTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
        if (!(GetParam() ? classes.Native : classes.General))
            GTEST_SKIP() << "back-end not built in";
        TKestGraphics::SetDefaultGraphicColors();
    }
    void TearDown() override { KestGraphicsDefaultColors() = {}; }
};

TEST_P(TGoldenTest, ScenesMatchTheReviewedPictures)
{
    const QString backEnd = GetParam() ? QStringLiteral("native") : QStringLiteral("general");
    for (const TGoldenScene& scene : Scenes) {
        const QString file = QString::fromLatin1(scene.Name) + QLatin1Char('_') + backEnd + QStringLiteral(".png");
        ExpectMatchesReviewed(Render(scene, GetParam()), QStringLiteral(KEST_TEST_DATA_DIR "/graphics/golden/") + file,
                              {ChannelTolerance, PixelShareTolerance});
    }
}

INSTANTIATE_TEST_SUITE_P(BackEnds, TGoldenTest, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Native" : "General"; });

}
