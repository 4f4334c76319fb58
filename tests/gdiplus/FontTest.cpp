// Font families by name, the fallback for fonts that are not installed, and
// the one cached font of a graphics object.

#include "ModuleTraits.h"

#include "framework/DeviceContext.h"
#include "framework/Font.h"

using namespace GdiplusFlat;

namespace {

const QString Missing = QStringLiteral("Kest Missing Sans");

QString ArialFamilyName()
{
    KestGDIP::TGPFontFamily arial(QStringLiteral("Arial"));
    return arial.GetFamilyName();
}

struct FamilyCase {
    const char* Name;
    QString Family;
    Status Expected;
};

TEST(FontFamilyLookup, UninstalledFamilyIsNotFoundInsteadOfSubstituted)
{
    const FamilyCase cases[] = {
        {"installed", QStringLiteral("DejaVu Sans"), Ok},
        {"installed, other case", QStringLiteral("dejavu sans"), Ok},
        {"configured alias", QStringLiteral("Arial"), Ok},
        {"not installed", Missing, FontFamilyNotFound},
    };
    for (const auto& c : cases) {
        KestGDIP::TGPFontFamily gdip(c.Family);
        KestGDIPlusClasses::TGPFontFamily classes(c.Family);
        EXPECT_EQ(gdip.GetLastStatus(), c.Expected) << c.Name;
        EXPECT_EQ(classes.GetLastStatus(), c.Expected) << c.Name;
        EXPECT_EQ(gdip.Native() != nullptr, c.Expected == Ok) << c.Name;
    }
}

TEST(ClassesFont, UninstalledFamilyFallsBackToGenericSansSerif)
{
    using namespace KestGDIPlusClasses;
    TGPFont font(Missing, 12, FontStyleBold, UnitPoint);
    ASSERT_EQ(font.GetLastStatus(), Ok);
    TGPFontFamily family;
    ASSERT_EQ(font.GetFamily(family), Ok);
    EXPECT_EQ(family.GetFamilyName(), TGPFontFamily::GenericSansSerif()->GetFamilyName());
    EXPECT_FLOAT_EQ(font.GetSize(), 12);
    EXPECT_EQ(font.GetStyle(), FontStyleBold);
}

TEST(ClassesFont, GenericFamiliesAreSharedObjects)
{
    using namespace KestGDIPlusClasses;
    EXPECT_EQ(TGPFontFamily::GenericSansSerif(), TGPFontFamily::GenericSansSerif());
    EXPECT_EQ(TGPStringFormat::GenericTypographic(), TGPStringFormat::GenericTypographic());
    EXPECT_NE(TGPFontFamily::GenericSerif(), TGPFontFamily::GenericMonospace());
    EXPECT_EQ(KestGDIP::TGPFontFamily::GenericSansSerif(), KestGDIP::TGPFontFamily::GenericSansSerif());
}

class GdipFonts : public ::testing::Test {
protected:
    TDeviceContext dc{10, 10};
    KestGDIP::TGPGraphics graphics{dc};

    static void Describe(TFont& font, const QString& name, int size, TFontStyles style)
    {
        font.SetName(name);
        font.SetSize(size);
        font.SetStyle(style);
    }
};

TEST_F(GdipFonts, MakeFontOfAnUninstalledFamilyIsArialOfTheAskedSizeAndStyle)
{
    TFont font;
    Describe(font, Missing, 11, fsBold | fsItalic);
    auto made = graphics.MakeFont(font, 14.5f);
    ASSERT_EQ(made->GetLastStatus(), Ok);
    KestGDIP::TGPFontFamily family;
    ASSERT_EQ(made->GetFamily(family), Ok);
    EXPECT_EQ(family.GetFamilyName(), ArialFamilyName());
    EXPECT_FLOAT_EQ(made->GetSize(), 14.5f);
    EXPECT_EQ(made->GetStyle(), FontStyleBold | FontStyleItalic);
    // Without a size: the framework font's point size.
    EXPECT_FLOAT_EQ(graphics.MakeFont(font)->GetSize(), 11);
}

TEST_F(GdipFonts, MakeFontExKeepsOneFontUntilSomethingChanges)
{
    TFont font;
    Describe(font, QStringLiteral("DejaVu Sans"), 9, {});
    KestGDIP::TGPFont* first = graphics.MakeFontEx(font);
    EXPECT_EQ(graphics.MakeFontEx(font), first);

    struct Change {
        const char* Name;
        void (*Apply)(TFont&);
    };
    const Change changes[] = {
        {"size", [](TFont& f) { f.SetSize(12); }},
        {"style", [](TFont& f) { f.SetStyle(fsUnderline); }},
        {"family", [](TFont& f) { f.SetName(QStringLiteral("DejaVu Serif")); }},
    };
    // The font replaced by a change is freed; ASan reports any later use.
    for (const auto& change : changes) {
        change.Apply(font);
        KestGDIP::TGPFont* after = graphics.MakeFontEx(font);
        EXPECT_FLOAT_EQ(after->GetSize(), REAL(font.Size())) << change.Name;
        EXPECT_EQ(after->GetStyle(), INT(font.Style().toInt())) << change.Name;
        EXPECT_EQ(graphics.MakeFontEx(font), after) << change.Name;
    }
}

TEST_F(GdipFonts, MakeFontExKeepsAFallbackFontToo)
{
    TFont font;
    Describe(font, Missing, 9, {});
    KestGDIP::TGPFont* first = graphics.MakeFontEx(font);
    EXPECT_EQ(graphics.MakeFontEx(font), first);
}

}
