// Colour functions and the colour-name list.

#include "graphics/GraphicsColorNames.h"
#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsColors.h"

#include "framework/StringList.h"
#include "utils/KestUtils.h"

#include <gtest/gtest.h>

namespace {

TEST(GraphicsColors, ColorFromChannelsTakesTheLowBytes)
{
    EXPECT_EQ(ColorFromChannels(0x12, 0x34, 0x56), TColor(0x563412));
    EXPECT_EQ(ColorFromChannels(256 + 1, -1, 0), TColor(0x00FF01));
}

struct TLightenCase {
    TColor Color;
    int Percentage;
    TColor Expected;
};

TEST(GraphicsColors, LightenColorMovesEachChannelTowardsWhite)
{
    const int half = TKestUtils::MulDivInt(255, 50, 100);
    const TLightenCase cases[] = {
        {0x000000, 50, RGB(half, half, half)},
        {0x204080, 0, 0x204080},
        {0x204080, 100, 0xFFFFFF},
        {RGB(100, 200, 0), 10, RGB(116, 206, 26)},
        // Beyond 100 % the channels stay white instead of wrapping round.
        {RGB(100, 200, 0), 200, 0xFFFFFF},
        {RGB(100, 200, 0), 255, 0xFFFFFF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LightenColor(c.Color, std::uint8_t(c.Percentage)), c.Expected)
            << std::hex << c.Color.Value << " by " << std::dec << c.Percentage;
}

TEST(GraphicsColors, LightenColorResolvesSystemColours)
{
    SetSystemColor(clBtnFace.Value & 0xFF, RGB(0, 0, 0));
    EXPECT_EQ(LightenColor(clBtnFace, 100), TColor(0xFFFFFF));
    EXPECT_EQ(LightenColor(clBtnFace, 0), TColor(0x000000));
    RefreshSystemColors();
}

TEST(GraphicsColors, ColourNameListHoldsTheKeywordsSorted)
{
    const TStringList& names = GraphicsColorNames();
    ASSERT_EQ(names.Count(), 147);
    EXPECT_TRUE(names.Sorted());
    EXPECT_EQ(names.Strings(0), "aliceblue");
    EXPECT_EQ(names.Strings(146), "yellowgreen");

    struct {
        const char* Name;
        TColor Color;
    } const cases[] = {
        {"Red", 0x0000FF},           {"cornflowerblue", 0xED9564}, {"GREY", 0x808080},
        {"lightgoldenrodyellow", 0xD2FAFA}, {"black", 0x000000},   {"white", 0xFFFFFF},
    };
    for (const auto& c : cases) {
        int index = -1;
        ASSERT_TRUE(names.Find(QString::fromLatin1(c.Name), index)) << c.Name;
        auto* object = static_cast<TKestGraphicsColorObject*>(names.Objects(index));
        EXPECT_EQ(object->Color(), c.Color) << c.Name;
    }
    int index = -1;
    EXPECT_FALSE(names.Find(QStringLiteral("clRed"), index));
}

}
