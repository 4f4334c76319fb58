// With the engine registered, SVG pictures and the control parts' glyph
// resources draw their content wherever pictures are drawn.

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "pictures/KestBitmap.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(KEST_TEST_DATA_DIR "/svg");

QImage Drawn(const std::function<void(TKestGraphics&)>& draw, bool native)
{
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(40, 40, native);
    canvas->BeginScene();
    draw(*canvas);
    canvas->EndScene();
    return canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
}

class SVGPictureDrawing : public ::testing::TestWithParam<bool> {};

TEST_P(SVGPictureDrawing, PictureDrawsItsDocument)
{
    TKestBitmap picture;
    picture.LoadFromFile(DataDir + "/half-red.svg");
    ASSERT_TRUE(picture.HasSVG());
    const QImage image = Drawn([&](TKestGraphics& g) { g.DrawBitmap(TRectF(0, 0, 40, 40), &picture, false); },
                               GetParam());
    EXPECT_EQ(image.pixel(10, 20), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(30, 20)), 0);
}

TEST_P(SVGPictureDrawing, GlyphResourcesDrawOnTheButton)
{
    const TRectF rect(0, 0, 40, 40);
    const QImage bare = Drawn([&](TKestGraphics& g) { g.DrawButton(rect, false, false, true); }, GetParam());
    const QImage withGlyph =
        Drawn([&](TKestGraphics& g) { g.DrawCloseButton(rect, false, false, true); }, GetParam());
    int changed = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            changed += bare.pixel(x, y) != withGlyph.pixel(x, y);
    EXPECT_GT(changed, 20) << "the close glyph left no mark";
}

INSTANTIATE_TEST_SUITE_P(BackEnds, SVGPictureDrawing, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Native" : "General"; });

}
