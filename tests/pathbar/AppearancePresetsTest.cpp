// Every style's preset against the colour tables, with the frame colour the
// common-controls version gives.

#include "pathbar/KestExplorerTreeview.h"

#include "AppearanceProbe.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QMetaEnum>
#include <gtest/gtest.h>
#include <map>
#include <memory>

namespace {

// Frame, background and font colour per style; L is the frame colour.
//   style | OuterBorderColor | InnerBorderColor | Color | FocusColor | HotColor | font colour
const char* const kFrameTable = R"(
tsOffice2003Blue      | clNone   | L      | 0xFFD2AF  | 0xFFFFFF | 0xFFD2AF    | clWindowText
tsOffice2003Silver    | clNone   | L      | 0xE6D8D8  | 0xFFFFFF | 0xE6D8D8    | clWindowText
tsOffice2003Olive     | clNone   | L      | 0xB9EAE1  | 0xFFFFFF | 0xB9EAE1    | clWindowText
tsOffice2003Classic   | clNone   | L      | 0xF2F2F2  | 0xF2F2F2 | 0xF2F2F2    | clWindowText
tsOffice2007Luna      | clNone   | L      | 0xF3E5DA  | 0xFFFFFF | 0xF3E5DA    | clWindowText
tsOffice2007Obsidian  | clNone   | L      | 0x808080  | 0xFFFFFF | 0xC0C0C0    | clWindowText
tsWindowsXP           | clNone   | L      | 0xB6B6B6  | 0xB6B6B6 | 0xB6B6B6    | clWindowText
tsWhidbey             | clNone   | L      | 0xF5F9FA  | 0xF5F9FA | 0xF5F9FA    | clWindowText
tsOffice2007Silver    | clNone   | L      | 0xF8F4F1  | 0xF8F4F1 | 0xF8F4F1    | clWindowText
tsWindowsVista        | clNone   | L      | 0xFDF8F1  | 0xFFFFFF | 0xFCEFD5    | clWindowText
tsWindows7            | clNone   | L      | 0xFCEBDC  | 0xFFFFFF | 0xFCDBC1    | clWindowText
tsTerminal            | clNone   | L      | clBtnFace | 0xFFFFFF | clHighlight | clWindowText
tsOffice2010Blue      | 0xC7B29F | clNone | 0xFDF5ED  | 0xFFFFFF | 0xEAD3BF    | clWindowText
tsOffice2010Silver    | 0xD2CDC8 | clNone | 0xFFFFFF  | 0xFFFFFF | 0xD4CFCB    | clWindowText
tsOffice2010Black     | 0x6D6D6D | clNone | 0xC6C6C6  | 0xFFFFFF | 0x656565    | clWindowText
tsWindows8            | 0xE4E3E2 | clNone | 0xF7F6F5  | 0xFFFFFF | 0xFFFDFD    | clWindowText
tsOffice2013White     | 0xD4D4D4 | clNone | 0xFFFFFF  | 0xFFFFFF | 0xFFFFFF    | clWindowText
tsOffice2013LightGray | 0xC6C6C6 | clNone | 0xF6F6F6  | 0xFFFFFF | 0xFAFAFA    | clWindowText
tsOffice2013Gray      | 0xABABAB | clNone | 0xE5E5E5  | 0xFFFFFF | 0xF3F3F3    | clWindowText
tsWindows10           | 0xE4E3E2 | clNone | 0xF7F6F5  | 0xFFFFFF | 0xFFFDFD    | clWindowText
tsOffice2016White     | 0xD4D4D4 | clNone | 0xFFFFFF  | 0xFFFFFF | 0xFFFFFF    | clWindowText
tsOffice2016Gray      | 0x444444 | clNone | 0xB2B2B2  | 0xB2B2B2 | 0xB2B2B2    | clWindowText
tsOffice2016Black     | 0x4E4E4E | clNone | 0x444444  | 0x444444 | 0x444444    | clWindowText
tsOffice2019White     | 0xABABAB | clNone | 0xFFFFFF  | 0xFFFFFF | 0xFFFFFF    | 0x444648
tsOffice2019Gray      | 0x808080 | clNone | 0x666666  | 0x666666 | 0x666666    | 0x1E1F20
tsOffice2019Black     | 0x686868 | clNone | 0x444444  | 0x444444 | 0x444444    | 0xFFFFFF
)";

const char* const kFrameColumns[] = {"OuterBorderColor", "InnerBorderColor", "Color",
                                     "FocusColor",       "HotColor",         "ButtonAppearance.Font.Color"};

// Button colours; styles in one row share them. Arrow is both arrow colours.
const char* const kButtonTable = R"(
tsOffice2003Blue tsOffice2003Silver tsOffice2003Olive tsOffice2007Luna tsOffice2007Obsidian tsOffice2007Silver | 0xAAD9FF | 0x6EBBFF | 0x42AEFE | 0x7AE1FE | 0xEBFDFF | 0xACECFF | 0x59DAFF | 0xA4E9FF | 0xEBFDFF | 0xACECFF | 0x59DAFF | 0xA4E9FF | 0x99CEDB | 0x99CEDB | 0x000000
tsOffice2003Classic | 0xB59285 | 0xB59285 | 0xB59285 | 0xB59285 | 0xD2BDB6 | 0xD2BDB6 | 0xD2BDB6 | 0xD2BDB6 | 0xB59285 | 0xB59285 | 0xB59285 | 0xB59285 | 0x808080 | 0x808080 | 0x000000
tsWindowsXP | clInactiveCaption | clInactiveCaption | clInactiveCaption | clInactiveCaption | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0xEFD3C6 | 0x99CEDB | 0x99CEDB | 0x000000
tsWhidbey | 0x94E6FB | 0x94E6FB | 0x94E6FB | 0x94E6FB | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0xEBFDFF | 0x99CEDB | 0x99CEDB | 0x000000
tsWindowsVista | 0xFEF9F0 | 0xFDF0D7 | clNone | clNone | 0xFFFDF9 | 0xFFFAF0 | clNone | clNone | 0xFFFDF9 | 0xFFFAF0 | clNone | clNone | 0xFEDF9A | 0xFCF2DA | 0x000000
tsWindows7 | 0xFCEBDC | 0xFCDBC1 | clNone | clNone | 0xFDFBFA | 0xFDF3EB | clNone | clNone | 0xFDFBFA | 0xFDF3EB | clNone | clNone | 0xCEA27D | 0xFBD6B8 | 0x000000
tsTerminal | clHighlight | clHighlight | clNone | clNone | 0xC0C0C0 | 0xC0C0C0 | clNone | clNone | 0xC0C0C0 | 0xC0C0C0 | clNone | clNone | 0x808080 | 0x808080 | 0x000000
tsOffice2010Blue tsOffice2010Silver tsOffice2010Black | 0x65C7F5 | 0x8AE4FF | 0x8AE4FF | 0x65C7F5 | 0xDFF7FD | 0x79DFFB | 0x79DFFB | 0xDFF7FD | 0xDFF7FD | 0x79DFFB | 0x79DFFB | 0xDFF7FD | 0x308AC2 | 0x34C2F0 | 0x000000
tsWindows8 tsWindows10 | 0xF7E0C9 | 0xF7E0C9 | clNone | clNone | 0xF7EFE8 | 0xF7EFE8 | clNone | clNone | 0xF7EFE8 | 0xF7EFE8 | 0xF7EFE8 | 0xF7EFE8 | 0xE4A262 | 0xF9CEA4 | 0x000000
tsOffice2013White tsOffice2013LightGray tsOffice2013Gray | 0xFCE2C8 | 0xFCE2C8 | 0xFCE2C8 | 0xFCE2C8 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xFCF0E4 | 0xE59D56 | 0xEAB47E | 0x000000
tsOffice2016White tsOffice2016Gray tsOffice2019White | 0xE3BDA3 | 0xE3BDA3 | 0xE3BDA3 | 0xE3BDA3 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xF2E1D5 | 0xE3BDA3 | 0xF2E1D5 | 0x000000
tsOffice2016Black | 0x444444 | 0x444444 | 0x444444 | 0x444444 | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x6A6A6A | 0x444444 | 0x6A6A6A | 0x000000
tsOffice2019Gray | 0x666666 | 0x666666 | 0x666666 | 0x666666 | 0x969696 | 0x969696 | 0x969696 | 0x969696 | 0x969696 | 0x969696 | 0x969696 | 0x969696 | 0x505050 | 0x505050 | 0x000000
tsOffice2019Black | 0x828282 | 0x828282 | 0x828282 | 0x828282 | 0x686868 | 0x686868 | 0x686868 | 0x686868 | 0x686868 | 0x686868 | 0x686868 | 0x686868 | 0x828282 | 0xB5B5B5 | 0xFFFFFF
)";

const char* const kButtonColumns[] = {
    "ColorDown",        "ColorDownTo",        "ColorMirrorDown",    "ColorMirrorDownTo",    "ColorHot",
    "ColorHotTo",       "ColorMirrorHot",     "ColorMirrorHotTo",   "ColorNodeHot",         "ColorNodeHotTo",
    "ColorMirrorNodeHot", "ColorMirrorNodeHotTo", "BorderColorDown", "BorderColorHot",      "Arrow"};

qint32 ParseColor(const QString& token, TColor frame)
{
    static const std::map<QString, TColor> named{{"clNone", clNone},           {"clWindowText", clWindowText},
                                                 {"clHighlight", clHighlight}, {"clBtnFace", clBtnFace},
                                                 {"clInactiveCaption", clInactiveCaption}};
    if (token == "L")
        return frame.Value;
    if (auto it = named.find(token); it != named.end())
        return it->second.Value;
    bool ok = false;
    const qint32 value = qint32(token.mid(2).toUInt(&ok, 16));
    EXPECT_TRUE(ok && token.startsWith("0x")) << token.toStdString();
    return value;
}

TZPXStyle StyleNamed(const QString& name)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<TZPXStyle>().keyToValue(name.toLatin1(), &ok);
    EXPECT_TRUE(ok) << name.toStdString();
    return TZPXStyle(value);
}

// The rows of a table as (style, cells), rows that list several styles
// repeated for each.
std::vector<std::pair<TZPXStyle, QStringList>> Rows(const char* table)
{
    std::vector<std::pair<TZPXStyle, QStringList>> rows;
    for (const QString& line : QString::fromLatin1(table).split('\n', Qt::SkipEmptyParts)) {
        QStringList cells = line.split('|');
        for (QString& c : cells)
            c = c.trimmed();
        const QString styles = cells.takeFirst();
        for (const QString& style : styles.split(' ', Qt::SkipEmptyParts))
            rows.emplace_back(StyleNamed(style), cells);
    }
    return rows;
}

// All colours a preset must leave, by property path.
TColorMap Expected(TZPXStyle style, TColor frame)
{
    TColorMap out;
    auto add = [&](const QString& path, const QString& token) { out.insert(path, ParseColor(token, frame)); };
    for (const auto& [s, cells] : Rows(kFrameTable))
        if (s == style)
            for (int i = 0; i < cells.size(); ++i)
                add(kFrameColumns[i], cells[i]);
    for (const auto& [s, cells] : Rows(kButtonTable)) {
        if (s != style)
            continue;
        for (int i = 0; i < cells.size(); ++i) {
            const QString column = kButtonColumns[i];
            if (column == "Arrow") {
                add("ButtonAppearance.ArrowColorHot", cells[i]);
                add("ButtonAppearance.ArrowColorDown", cells[i]);
            } else {
                add("ButtonAppearance." + column, cells[i]);
            }
        }
        add("ButtonAppearance.BorderColorNodeHot", cells[13]);
    }
    add("FocusOuterBorderColor", "clNone");
    add("FocusInnerBorderColor", "L");
    add("InnerMostBorderColor", "clNone");
    return out;
}

struct FrameCase {
    const char* name;
    qint32 commonControls;
    TColor frame;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.name; }

const FrameCase kFrames[] = {{"NoCommonControls", -1, 0xB99D7F}, {"CommonControls5", 0x00050052, 0x000000}};

class PresetRule : public ::testing::TestWithParam<std::tuple<int, FrameCase>> {
protected:
    void SetUp() override
    {
        versions.CommonControls = std::get<1>(GetParam()).commonControls;
        // Start from colours no preset uses, so that a colour a preset
        // forgets to write shows.
        PaintAll(*bar->Appearance(), 0x010203);
        font()->SetName("Marker");
        font()->SetHeight(-20);
    }
    TFont* font() const { return bar->Appearance()->ButtonAppearance()->Font(); }

    TFakeVersions versions;
    Platform::TScopedService<Platform::IVersions> scoped{versions};
    std::unique_ptr<TKestExplorerTreeview> bar = std::make_unique<TKestExplorerTreeview>(nullptr);
};

TEST_P(PresetRule, WritesExactlyTheTableColours)
{
    const TZPXStyle style = TZPXStyle(std::get<0>(GetParam()));
    const TColorMap before = AllColors(*bar->Appearance());
    bar->SetComponentStyle(style);
    EXPECT_EQ(bar->GetComponentStyle(), style);
    EXPECT_EQ(bar->UIStyle(), style);
    const TColorMap after = AllColors(*bar->Appearance());
    const TColorMap expected = style == tsCustom ? before : Expected(style, std::get<1>(GetParam()).frame);
    ASSERT_EQ(expected.size(), before.size()) << "the tables cover every colour";
    for (auto it = expected.begin(); it != expected.end(); ++it)
        EXPECT_EQ(QString::number(quint32(after.value(it.key())), 16), QString::number(quint32(it.value()), 16))
            << it.key().toStdString();
    EXPECT_EQ(font()->Name(), "Marker");
    EXPECT_EQ(font()->Height(), -20);
}

INSTANTIATE_TEST_SUITE_P(AllStyles, PresetRule,
                         ::testing::Combine(::testing::Range(0, KestStyles::ZPXStyleCount),
                                            ::testing::ValuesIn(kFrames)),
                         [](const auto& info) {
                             return std::string(
                                        QMetaEnum::fromType<TZPXStyle>().valueToKey(std::get<0>(info.param))) +
                                    "_" + std::get<1>(info.param).name;
                         });

TEST(Presets, Windows8And10DifferOnlyInTheStyleTheyReport)
{
    TKestExplorerTreeview eight(nullptr), ten(nullptr);
    eight.SetComponentStyle(tsWindows8);
    ten.SetComponentStyle(tsWindows10);
    EXPECT_EQ(AllColors(*eight.Appearance()), AllColors(*ten.Appearance()));
    EXPECT_EQ(eight.GetComponentStyle(), tsWindows8);
    EXPECT_EQ(ten.GetComponentStyle(), tsWindows10);
}

TEST(Presets, FontColourFollowsEachPreset)
{
    TKestExplorerTreeview bar(nullptr);
    TFont* font = bar.Appearance()->ButtonAppearance()->Font();
    bar.SetComponentStyle(tsOffice2019Black);
    EXPECT_EQ(font->Color(), 0xFFFFFF);
    EXPECT_EQ(bar.Appearance()->ButtonAppearance()->ArrowColorHot(), 0xFFFFFF);
    bar.SetComponentStyle(tsOffice2019White);
    EXPECT_EQ(font->Color(), 0x444648);
    bar.SetComponentStyle(tsWindows7);
    EXPECT_EQ(font->Color(), clWindowText);
}

TEST(Presets, ALaterChangeIsKeptAndTheStyleStillNamed)
{
    TKestExplorerTreeview bar(nullptr);
    bar.SetComponentStyle(tsOffice2013Gray);
    bar.Appearance()->SetColor(0x123456);
    EXPECT_EQ(bar.Appearance()->Color(), 0x123456);
    EXPECT_EQ(bar.GetComponentStyle(), tsOffice2013Gray);
    bar.SetComponentStyle(tsCustom);
    EXPECT_EQ(bar.Appearance()->Color(), 0x123456);
    EXPECT_EQ(bar.GetComponentStyle(), tsCustom);
}

TEST(Presets, StyleOutsideTheCatalogueChangesNoColour)
{
    TKestExplorerTreeview bar(nullptr);
    const TColorMap before = AllColors(*bar.Appearance());
    bar.SetComponentStyle(TZPXStyle(27));
    EXPECT_EQ(AllColors(*bar.Appearance()), before);
}

}
