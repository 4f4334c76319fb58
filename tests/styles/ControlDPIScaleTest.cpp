// A control's resolution factor, with the screen's answer faked.

#include "styles/ControlDPIScale.h"

#include "framework/Button.h"
#include "framework/Form.h"
#include "framework/Rounding.h"

#include "support/FakePlatform.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ControlDPIScaleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm>(nullptr);
        button = new TButton(form.get());
        button->SetParent(form.get());
    }

    TFakeScreenDpi dpi;
    Platform::TScopedService<Platform::IScreenDpi> scoped{dpi};
    std::unique_ptr<TForm> form;
    TButton* button = nullptr; // owned by the form
};

TEST_F(ControlDPIScaleTest, UnscaledFormIgnoresTheScreen)
{
    dpi.Dpi = 144;
    form->SetScaled(false);
    EXPECT_EQ(GetControlDPIScale(button, nullptr), 1.0);
}

TEST_F(ControlDPIScaleTest, ScaledFormFollowsItsScreen)
{
    dpi.Dpi = 144;
    const double scale = GetControlDPIScale(button, nullptr);
    EXPECT_EQ(scale, 1.5);
    // The path bar's scaled sizes, rounded with halves to even.
    EXPECT_EQ(Kest::Round(14 * scale), 21);
    EXPECT_EQ(Kest::Round(15 * scale), 22);
    EXPECT_EQ(Kest::Round(24 * scale), 36);
    EXPECT_EQ(GetControlDPIScale(form.get(), nullptr), 1.5);
}

TEST_F(ControlDPIScaleTest, UnknownResolutionCountsAsUnscaled)
{
    dpi.Dpi = 0;
    EXPECT_EQ(GetControlDPIScale(button, nullptr), 1.0);
    EXPECT_EQ(GetControlDPIScale(nullptr, nullptr), 1.0);
}

TEST_F(ControlDPIScaleTest, WithoutFormTheCanvasThenTheScreenDecides)
{
    dpi.Dpi = 120;
    QWidget loose;
    EXPECT_EQ(GetControlDPIScale(&loose, nullptr), 1.25);
    EXPECT_EQ(GetControlDPIScale(nullptr, nullptr), 1.25);

    QImage image(4, 4, QImage::Format_ARGB32_Premultiplied);
    image.setDotsPerMeterX(3780); // 96 horizontally: only the vertical counts
    image.setDotsPerMeterY(7559); // 192 dots per inch
    QPainter idle;
    EXPECT_EQ(GetControlDPIScale(nullptr, &idle), 1.25); // no device yet
    QPainter canvas(&image);
    EXPECT_EQ(GetControlDPIScale(nullptr, &canvas), 2.0);
    EXPECT_EQ(GetControlDPIScale(&loose, &canvas), 2.0);
    // A control on a form wins over the canvas.
    EXPECT_EQ(GetControlDPIScale(button, &canvas), 1.25);
}

}
