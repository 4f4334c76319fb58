// Real drawing on a device context, checked at chosen pixels, through both
// modules; and the device context shared with a QPainter.

#include "ModuleTraits.h"

#include "framework/DeviceContext.h"

#include <QPainter>

using namespace GdiplusFlat;

namespace {

constexpr ARGB Red = 0xFFFF0000;
constexpr ARGB Blue = 0xFF0000FF;
constexpr ARGB Black = 0xFF000000;

// A colour channel is "pure" when fully on or off; anti-aliased edges leave
// values in between.
bool IsPartialGrey(QRgb pixel) { return qRed(pixel) > 20 && qRed(pixel) < 235; }

int PartialPixelsOnRow(const TDeviceContext& dc, int y)
{
    int count = 0;
    for (int x = 0; x < dc.Width(); ++x)
        count += IsPartialGrey(dc.Pixel(x, y)) ? 1 : 0;
    return count;
}

template <class M>
class SurfaceDrawing : public ::testing::Test {
protected:
    TDeviceContext dc{40, 40};

    void SetUp() override { dc.Fill(0xFFFFFFFF); }
};

TYPED_TEST_SUITE(SurfaceDrawing, BothModules, ModuleNames);

TYPED_TEST(SurfaceDrawing, VerticalGradientRunsFromTopColourToBottomColour)
{
    {
        typename TypeParam::Graphics graphics(this->dc);
        ASSERT_EQ(graphics.GetLastStatus(), Ok);
        typename TypeParam::LinearGradientBrush brush(GPRectFOf(0, 0, 40, 40), Red, Blue, LinearGradientModeVertical);
        ASSERT_EQ(graphics.FillRectangle(&brush, GPRectFOf(0, 0, 40, 40)), Ok);
    }
    QRgb top = this->dc.Pixel(20, 0);
    QRgb middle = this->dc.Pixel(20, 20);
    QRgb bottom = this->dc.Pixel(20, 39);
    EXPECT_GT(qRed(top), 240);
    EXPECT_LT(qBlue(top), 15);
    EXPECT_LT(qRed(bottom), 15);
    EXPECT_GT(qBlue(bottom), 240);
    EXPECT_NEAR(qRed(middle), 128, 12);
    EXPECT_NEAR(qBlue(middle), 128, 12);
    // Vertical: every column of a row is the same.
    EXPECT_EQ(this->dc.Pixel(0, 20), this->dc.Pixel(39, 20));
}

struct LineCase {
    const char* Name;
    INT SmoothingMode;
    bool PartialPixels;
};

TYPED_TEST(SurfaceDrawing, DiagonalLineIsAntiAliasedOnlyInAntiAliasMode)
{
    const LineCase cases[] = {{"anti-alias", SmoothingModeAntiAlias, true}, {"none", SmoothingModeNone, false}};
    for (const auto& c : cases) {
        this->dc.Fill(0xFFFFFFFF);
        {
            typename TypeParam::Graphics graphics(this->dc);
            ASSERT_EQ(graphics.SetSmoothingMode(c.SmoothingMode), Ok) << c.Name;
            EXPECT_EQ(graphics.GetSmoothingMode(), c.SmoothingMode) << c.Name;
            typename TypeParam::Pen pen(Black, 1);
            ASSERT_EQ(graphics.DrawLine(&pen, 2.0f, 5.0f, 38.0f, 21.0f), Ok) << c.Name;
        }
        EXPECT_EQ(PartialPixelsOnRow(this->dc, 13) > 0, c.PartialPixels) << c.Name;
        // The line passes through its middle point, dark there in any mode.
        EXPECT_LT(qRed(this->dc.Pixel(20, 13)), 200) << c.Name;
    }
}

TYPED_TEST(SurfaceDrawing, SharesTheSurfaceWithAPainter)
{
    {
        QPainter painter(&this->dc.Image());
        painter.fillRect(0, 0, 20, 40, Qt::green);
    }
    {
        typename TypeParam::Graphics graphics(this->dc);
        typename TypeParam::SolidBrush brush(Red);
        // Painting through Qt while the graphics object is alive survives it.
        QPainter painter(&this->dc.Image());
        painter.fillRect(0, 30, 40, 10, Qt::black);
        painter.end();
        ASSERT_EQ(graphics.FillRectangle(&brush, 20, 0, 20, 20), Ok);
    }
    EXPECT_EQ(this->dc.Pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(this->dc.Pixel(30, 5), qRgb(255, 0, 0));
    EXPECT_EQ(this->dc.Pixel(30, 35), qRgb(0, 0, 0));
    EXPECT_EQ(this->dc.Pixel(30, 25), qRgb(255, 255, 255));
}

TYPED_TEST(SurfaceDrawing, SurfaceOfRatio2DrawsInLogicalUnitsLikeAPainter)
{
    // 20 x 20 units, 40 x 40 pixels: the graphics object and a painter both
    // fill the right half of the units, which is the right half of the pixels.
    TDeviceContext hiDpi(20, 20, 2.0);
    ASSERT_EQ(hiDpi.Size(), QSize(40, 40));
    hiDpi.Fill(0xFFFFFFFF);
    {
        typename TypeParam::Graphics graphics(hiDpi);
        ASSERT_EQ(graphics.GetLastStatus(), Ok);
        typename TypeParam::SolidBrush brush(Red);
        ASSERT_EQ(graphics.FillRectangle(&brush, 10, 0, 10, 10), Ok);
    }
    {
        QPainter painter(&hiDpi.Image());
        painter.fillRect(10, 10, 10, 10, Qt::black);
    }
    EXPECT_EQ(hiDpi.Pixel(19, 5), qRgb(255, 255, 255));
    EXPECT_EQ(hiDpi.Pixel(20, 5), qRgb(255, 0, 0));
    EXPECT_EQ(hiDpi.Pixel(39, 19), qRgb(255, 0, 0));
    EXPECT_EQ(hiDpi.Pixel(39, 20), qRgb(0, 0, 0));
    EXPECT_EQ(hiDpi.Pixel(39, 39), qRgb(0, 0, 0));
}

TYPED_TEST(SurfaceDrawing, EmptySurfaceGivesAStatusNotACrash)
{
    TDeviceContext empty(0, 0);
    typename TypeParam::Graphics graphics(empty);
    EXPECT_EQ(graphics.GetLastStatus(), InvalidParameter);
    typename TypeParam::Pen pen(Black, 1);
    EXPECT_NE(graphics.DrawLine(&pen, 0.0f, 0.0f, 1.0f, 1.0f), Ok);
}

}
