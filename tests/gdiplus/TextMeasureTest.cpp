// Measuring and drawing text through both modules.

#include "ModuleTraits.h"

#include "framework/DeviceContext.h"
#include "framework/Font.h"

using namespace GdiplusFlat;

namespace {

template <class M>
class TextMeasure : public ::testing::Test {
protected:
    TDeviceContext dc{200, 60};

    TGPRectF Measure(const QString& text)
    {
        // A fresh graphics object and font each time: the first measuring of
        // each is the one that matters.
        typename M::Graphics graphics(dc);
        auto font = M::MakeFont(QStringLiteral("DejaVu Sans"), 10);
        TGPRectF box;
        EXPECT_EQ(graphics.MeasureString(text, -1, font.get(), GPRectFOf(0, 0, 10000, 10000), nullptr, box), Ok);
        return box;
    }
};

TYPED_TEST_SUITE(TextMeasure, BothModules, ModuleNames);

TYPED_TEST(TextMeasure, BoxIsNonEmptyStableAndGrowsWithTheText)
{
    TGPRectF first = this->Measure(QStringLiteral("Hello"));
    TGPRectF again = this->Measure(QStringLiteral("Hello"));
    TGPRectF longer = this->Measure(QStringLiteral("Hello, world"));
    EXPECT_GT(first.Width, 0);
    EXPECT_GT(first.Height, 0);
    EXPECT_FLOAT_EQ(first.Width, again.Width);
    EXPECT_FLOAT_EQ(first.Height, again.Height);
    EXPECT_GT(longer.Width, first.Width);
    EXPECT_FLOAT_EQ(longer.Height, first.Height);
}

TYPED_TEST(TextMeasure, LengthBeyondTheTextMeasuresTheTextOnly)
{
    typename TypeParam::Graphics graphics(this->dc);
    auto font = TypeParam::MakeFont(QStringLiteral("DejaVu Sans"), 10);
    TGPRectF whole;
    TGPRectF clamped;
    graphics.MeasureString(QStringLiteral("Hi"), -1, font.get(), GPRectFOf(0, 0, 1000, 1000), nullptr, whole);
    EXPECT_EQ(graphics.MeasureString(QStringLiteral("Hi"), 500, font.get(), GPRectFOf(0, 0, 1000, 1000), nullptr,
                                     clamped),
              Ok);
    EXPECT_FLOAT_EQ(clamped.Width, whole.Width);
}

class GdipText : public ::testing::Test {
protected:
    TDeviceContext dc{200, 60};
    KestGDIP::TGPGraphics graphics{dc};
    TFont font;

    void SetUp() override
    {
        font.SetName(QStringLiteral("DejaVu Sans"));
        font.SetSize(10);
        font.SetColor(clBlack);
        dc.Fill(0xFFFFFFFF);
    }

    int DarkPixels()
    {
        int count = 0;
        for (int y = 0; y < dc.Height(); ++y)
            for (int x = 0; x < dc.Width(); ++x)
                count += qRed(dc.Pixel(x, y)) < 128 ? 1 : 0;
        return count;
    }
};

TEST_F(GdipText, WidthAndHeightAreRoundedAndGrowWithTheText)
{
    int narrow = graphics.TextWidth(QStringLiteral("Path"), font);
    int wide = graphics.TextWidth(QStringLiteral("Path bar button"), font);
    EXPECT_GT(narrow, 0);
    EXPECT_GT(wide, narrow);
    EXPECT_GT(graphics.TextHeight(QStringLiteral("Path"), font), 0);
    EXPECT_EQ(graphics.TextHeight(QStringLiteral("Path"), font), graphics.TextHeight(QStringLiteral("Bar"), font));
}

TEST_F(GdipText, CalcRectFitsTheRectangleAndDrawsNothing)
{
    KestGDIP::TGPTextRect rect{10, 5, 11, 6};
    int height = graphics.DrawText(QStringLiteral("Folder"), -1, rect, font, KestGDIP::DT_CALCRECT, clNone);
    EXPECT_EQ(height, rect.Bottom - rect.Top);
    EXPECT_GT(height, 0);
    // The measured width less the pad of a 10-point font (2 + 2/1.5 -> 3).
    EXPECT_EQ(rect.Right - rect.Left, graphics.TextWidth(QStringLiteral("Folder"), font) - 3);
    EXPECT_EQ(DarkPixels(), 0);
}

TEST_F(GdipText, DrawTextPaintsInTheFontColourOnTheBackground)
{
    KestGDIP::TGPTextRect rect{10, 5, 100, 40};
    graphics.DrawText(QStringLiteral("Folder"), -1, rect, font, 0, clYellow);
    graphics.Flush();
    EXPECT_GT(DarkPixels(), 0);
    // The background starts one pixel right of the left edge.
    EXPECT_EQ(dc.Pixel(rect.Left + 1, rect.Top), qRgb(255, 255, 0));
    EXPECT_EQ(dc.Pixel(rect.Left, rect.Top), qRgb(255, 255, 255));
}

TEST_F(GdipText, TrailingBlankIsMeasured)
{
    KestGDIP::TGPTextRect bare{0, 0, 0, 0};
    KestGDIP::TGPTextRect blank{0, 0, 0, 0};
    graphics.DrawText(QStringLiteral("Go"), -1, bare, font, KestGDIP::DT_CALCRECT, clNone);
    graphics.DrawText(QStringLiteral("Go "), -1, blank, font, KestGDIP::DT_CALCRECT, clNone);
    EXPECT_GT(blank.Right, bare.Right);
}

}
