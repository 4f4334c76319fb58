// Colour arithmetic and the tones built from it.

#include "styles/ColorTones.h"

#include <gtest/gtest.h>

namespace {

struct DarkerCase {
    const char* name;
    TColor color;
    int percent;
    TColor expected;
};

class DarkerColorRule : public ::testing::TestWithParam<DarkerCase> {
protected:
    // A system colour with a known value; the table is the application's.
    void SetUp() override { SetSystemColor(clHighlight.Value & 0xFF, 0x0A1428); }
    void TearDown() override { RefreshSystemColors(); }
};

TEST_P(DarkerColorRule, ScalesEachChannel)
{
    EXPECT_EQ(KestStyles::DarkerColor(GetParam().color, GetParam().percent).Value, GetParam().expected.Value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Colors, DarkerColorRule, ::testing::Values(
    DarkerCase{"Gray20", 0x808080, 20, 0x666666},
    DarkerCase{"ChannelsKeepTheirPlace", 0x0A1428, 50, 0x050A14},
    DarkerCase{"HalvesGoToEven", 0x0F0503, 50, 0x080202},  // 7.5 -> 8, 2.5 -> 2, 1.5 -> 2
    DarkerCase{"ZeroPercent", 0x123456, 0, 0x123456},
    DarkerCase{"NegativeBrightensUpToWhite", 0x20C0F0, -50, 0x30FFFF},
    DarkerCase{"AboveHundredStaysBlack", 0x808080, 150, 0x000000},
    DarkerCase{"SystemColourResolvedFirst", clHighlight, 50, 0x050A14}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(MetroTones, LightAndDarkAroundTheAccent)
{
    const TColorTones light = KestStyles::MakeMetroTones(true, 0x808080, 0x123456);
    const TColorTones dark = KestStyles::MakeMetroTones(false, 0x808080, 0x654321);
    EXPECT_EQ(light.Background, (TColorTone{0xFFFFFF, 0x808080, 0x000000}));
    EXPECT_EQ(dark.Background, (TColorTone{0x000000, 0x808080, 0xFFFFFF}));
    EXPECT_EQ(light.Selected, (TColorTone{0x808080, 0x808080, 0xFFFFFF}));
    EXPECT_EQ(light.Hover, (TColorTone{0x666666, 0x666666, 0xFFFFFF}));
    // Apart from the background, light and dark agree, and the text colour
    // argument shows nowhere.
    EXPECT_EQ(light.Foreground, dark.Foreground);
    EXPECT_EQ(light.Hover, dark.Hover);
    EXPECT_EQ(light.Disabled, (TColorTone{0xC0C0C0, 0x808080, 0x808080}));
}

}
