// Clipping and transforms of the class module, returned by Save/Restore.

#include "framework/DeviceContext.h"
#include "gdiplus/KestGDIPlusClasses.h"

#include <gtest/gtest.h>

using namespace KestGDIPlusClasses;

namespace {

class GraphicsStateRoundTrip : public ::testing::Test {
protected:
    TDeviceContext dc{40, 40};
    TGPGraphics graphics{dc};

    TMatrixElements Transform()
    {
        TGPMatrix matrix;
        EXPECT_EQ(graphics.GetTransform(&matrix), Ok);
        TMatrixElements m{};
        matrix.GetElements(m);
        return m;
    }

    TGPRectF ClipBounds()
    {
        TGPRectF bounds;
        EXPECT_EQ(graphics.GetClipBounds(bounds), Ok);
        return bounds;
    }
};

TEST_F(GraphicsStateRoundTrip, RestoreReturnsTransformClipAndModes)
{
    ASSERT_EQ(graphics.TranslateTransform(5, 7), Ok);
    ASSERT_EQ(graphics.SetClip(GPRectFOf(0, 0, 10, 10)), Ok);
    ASSERT_EQ(graphics.SetSmoothingMode(SmoothingModeAntiAlias), Ok);
    TMatrixElements savedTransform = Transform();
    TGPRectF savedClip = ClipBounds();

    GraphicsState state = graphics.Save();
    ASSERT_EQ(graphics.GetLastStatus(), Ok);
    graphics.RotateTransform(30);
    graphics.ScaleTransform(2, 3);
    graphics.SetClip(GPRectFOf(-100, -100, 400, 400));
    graphics.SetSmoothingMode(SmoothingModeNone);
    ASSERT_NE(Transform(), savedTransform);

    ASSERT_EQ(graphics.Restore(state), Ok);
    TMatrixElements restored = Transform();
    for (size_t i = 0; i < restored.size(); ++i)
        EXPECT_FLOAT_EQ(restored[i], savedTransform[i]) << "element " << i;
    TGPRectF clip = ClipBounds();
    EXPECT_FLOAT_EQ(clip.X, savedClip.X);
    EXPECT_FLOAT_EQ(clip.Width, savedClip.Width);
    EXPECT_EQ(graphics.GetSmoothingMode(), SmoothingModeAntiAlias);
}

TEST_F(GraphicsStateRoundTrip, RestoredClipLimitsDrawingAgain)
{
    dc.Fill(0xFFFFFFFF);
    graphics.SetClip(GPRectFOf(0, 0, 10, 10));
    GraphicsState state = graphics.Save();
    graphics.ResetClip();
    graphics.Restore(state);
    TGPSolidBrush brush(0xFF000000);
    ASSERT_EQ(graphics.FillRectangle(&brush, 0, 0, 40, 40), Ok);
    graphics.Flush();
    EXPECT_EQ(dc.Pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(dc.Pixel(20, 20), qRgb(255, 255, 255));
}

TEST_F(GraphicsStateRoundTrip, PathClipAndTranslationCombine)
{
    dc.Fill(0xFFFFFFFF);
    TGPGraphicsPath path;
    path.AddEllipse(0.0f, 0.0f, 20.0f, 20.0f);
    graphics.TranslateTransform(10, 10);
    ASSERT_EQ(graphics.SetClip(&path), Ok);
    TGPSolidBrush brush(0xFF000000);
    graphics.FillRectangle(&brush, -10, -10, 60, 60);
    graphics.Flush();
    EXPECT_EQ(dc.Pixel(20, 20), qRgb(0, 0, 0));      // the ellipse's centre, moved
    EXPECT_EQ(dc.Pixel(11, 11), qRgb(255, 255, 255)); // outside its curve
}

}
