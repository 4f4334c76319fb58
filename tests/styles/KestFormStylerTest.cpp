// The form styler: what it styles, in which order, with which events, and
// its combo box.

#include "styles/KestFormStyler.h"

#include "framework/ComboBox.h"
#include "framework/Exception.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutWriter.h"
#include "framework/StringList.h"
#include "styles/FormStylerStyle.h"

#include "StyleProbes.h"
#include "support/QtPrinters.h"

#include <QMetaEnum>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class FormStylerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        StyleLog().clear();
        form->SetName(QStringLiteral("Form"));
    }

    // A probe, a frame holding a probe, a frame in it and a probe after it,
    // a probe that takes the application colour, and the styler last.
    void BuildNestedFrames()
    {
        Make<TStyleProbe>(form.get(), "A");
        outer = Make<TStyledFrame>(form.get(), "Outer");
        Make<TStyleProbe>(outer, "B");
        inner = Make<TStyledFrame>(outer, "Inner");
        c = Make<TStyleProbe>(inner, "C");
        Make<TStyleProbe>(outer, "D");
        e = Make<TAppColorProbe>(form.get(), "E");
    }

    std::unique_ptr<TStyledForm> form = std::make_unique<TStyledForm>(nullptr);
    TKestFormStyler* styler = Make<TKestFormStyler>(form.get(), "Styler"); // owned by the form
    TStyledFrame* outer = nullptr;
    TStyledFrame* inner = nullptr;
    TStyleProbe* c = nullptr;
    TAppColorProbe* e = nullptr;
};

TEST_F(FormStylerFixture, WalksFormThenComponentsWithFramesBeforeThemselves)
{
    BuildNestedFrames();
    styler->SetStyle(tsOffice2016Gray);
    const QStringList order{"Form", "A", "B", "Inner", "C", "D", "Outer", "E"};
    EXPECT_EQ(StyleLog(), order);
    EXPECT_EQ(c->Got.Styles, std::vector<TZPXStyle>{tsOffice2016Gray});

    StyleLog().clear();
    styler->SetColorTones(KestStyles::DefaultColorTones());
    QStringList tones;
    for (const QString& name : order)
        if (name != QLatin1String("E")) // takes no tones
            tones << name + u'~';
    EXPECT_EQ(StyleLog(), tones);
}

TEST_F(FormStylerFixture, StylerOnAFrameStylesWhatTheFrameHolds)
{
    BuildNestedFrames();
    auto* frameStyler = Make<TKestFormStyler>(outer, "FrameStyler");
    const TColor before = outer->Color();
    frameStyler->SetStyle(tsOffice2019Black);
    EXPECT_EQ(StyleLog(), (QStringList{"B", "Inner", "C", "D"}));
    EXPECT_EQ(outer->Color(), before); // a frame gets no background
    EXPECT_EQ(form->Color(), clBtnFace);
}

TEST_F(FormStylerFixture, ClearedAllowSkipsOneComponentOnly)
{
    BuildNestedFrames();
    QStringList before, after;
    auto refuseC = [&before](QObject* sender, QObject* component, bool& allow) {
        before << component->objectName();
        allow = allow && component->objectName() != QLatin1String("C");
    };
    auto note = [&after](QObject*, QObject* component) { after << component->objectName(); };
    styler->OnApplyStyle = refuseC;
    styler->OnAppliedStyle = note;
    styler->OnApplyColorTones = refuseC;
    styler->OnAppliedColorTones = note;

    styler->SetStyle(tsWindows7);
    EXPECT_EQ(before, (QStringList{"Form", "A", "B", "Inner", "C", "D", "Outer", "E"}));
    EXPECT_EQ(after, (QStringList{"Form", "A", "B", "Inner", "D", "Outer", "E"}));
    EXPECT_TRUE(c->Got.Styles.empty());

    before.clear();
    after.clear();
    styler->SetColorTones(KestStyles::DefaultColorTones());
    EXPECT_FALSE(after.contains("C"));
    EXPECT_TRUE(after.contains("D"));
    EXPECT_TRUE(c->Got.Tones.empty());
}

TEST_F(FormStylerFixture, AppColorGoesWithTheStyleWhereItIsTaken)
{
    BuildNestedFrames();
    styler->SetAppColor(0x123456); // custom style: nothing applied
    EXPECT_TRUE(StyleLog().isEmpty());
    styler->SetStyle(tsTerminal);
    EXPECT_EQ(e->Got.AppColors, std::vector<TColor>{0x123456});
    styler->SetAppColor(0x654321); // a named style: applied again
    EXPECT_EQ(e->Got.Styles, (std::vector<TZPXStyle>{tsTerminal, tsTerminal}));
    EXPECT_EQ(e->Got.AppColors.back(), 0x654321);
    EXPECT_FALSE(StyleLog().contains("E without colour"));
}

TEST_F(FormStylerFixture, DisabledOrCustomAppliesNothing)
{
    auto* probe = Make<TStyleProbe>(form.get(), "P");
    int changes = 0;
    styler->OnChange = [&changes](QObject*) { ++changes; };
    styler->SetEnabled(false);
    styler->SetStyle(tsOffice2019Black);
    EXPECT_TRUE(probe->Got.Styles.empty());
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(changes, 0);

    styler->SetEnabled(true); // the current style at once
    EXPECT_EQ(probe->Got.Styles, std::vector<TZPXStyle>{tsOffice2019Black});
    EXPECT_EQ(form->Color(), 0x000000);
    EXPECT_EQ(changes, 1);

    styler->SetStyle(tsCustom);
    EXPECT_EQ(probe->Got.Styles.size(), 1u);
    EXPECT_EQ(form->Color(), 0x000000);
}

struct BackgroundCase {
    TZPXStyle style;
    TColor color;
};

class FormBackground : public ::testing::TestWithParam<BackgroundCase> {};

TEST_P(FormBackground, FollowsTheStyle)
{
    TForm form(nullptr);
    TKestFormStyler styler(nullptr);
    form.SetColor(0x010203);
    styler.ApplyStyleToForm(&form, GetParam().style);
    EXPECT_EQ(form.Color().Value, GetParam().color.Value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Styles, FormBackground, ::testing::Values(
    BackgroundCase{tsOffice2013White, 0xFFFFFF}, BackgroundCase{tsOffice2016White, 0xFFFFFF},
    BackgroundCase{tsOffice2019White, 0xFFFFFF}, BackgroundCase{tsOffice2013LightGray, 0xC0C0C0},
    BackgroundCase{tsOffice2013Gray, 0x808080}, BackgroundCase{tsOffice2016Gray, 0x808080},
    BackgroundCase{tsOffice2016Black, 0x000000}, BackgroundCase{tsOffice2019Black, 0x000000},
    BackgroundCase{tsOffice2019Gray, 0x666666}, BackgroundCase{tsWindows7, clBtnFace},
    BackgroundCase{tsCustom, clBtnFace}, BackgroundCase{tsOffice2010Black, clBtnFace}),
    [](const auto& info) { return std::string(QMetaEnum::fromType<TZPXStyle>().valueToKey(info.param.style)); });
// clang-format on

TEST_F(FormStylerFixture, MetroPushesTonesOnlyInCustomStyle)
{
    auto* probe = Make<TStyleProbe>(form.get(), "P");
    styler->SetMetroColor(0x808080); // Metro off: the tones are only rebuilt
    EXPECT_TRUE(probe->Got.Tones.empty());
    EXPECT_EQ(styler->Tones(), KestStyles::MakeMetroTones(true, 0x808080, 0));

    styler->SetMetro(true);
    ASSERT_EQ(probe->Got.Tones.size(), 1u);
    EXPECT_EQ(probe->Got.Tones.back(), KestStyles::MakeMetroTones(true, 0x808080, 0));
    styler->SetMetroStyle(msDark);
    EXPECT_EQ(probe->Got.Tones.back().Background, (TColorTone{0x000000, 0x808080, 0xFFFFFF}));

    styler->SetStyle(tsWindows10); // a named style: Metro changes push nothing
    styler->SetMetroColor(0x00FF00);
    EXPECT_EQ(probe->Got.Tones.size(), 2u);
    EXPECT_EQ(styler->Tones().Selected.BrushColor, 0x00FF00);

    // Given tones switch to Metro and custom, and are not kept.
    const TColorTones given = KestStyles::MakeMetroTones(true, 0x0000FF, 0);
    styler->SetColorTones(given);
    EXPECT_EQ(styler->Style(), tsCustom);
    EXPECT_TRUE(styler->Metro());
    EXPECT_EQ(probe->Got.Tones.back(), given);
    EXPECT_EQ(styler->Tones().Selected.BrushColor, 0x00FF00);
}

// Handlers may free components, even the styler, in the middle of a walk.
TEST_F(FormStylerFixture, HandlersMayFreeWhatIsStyled)
{
    BuildNestedFrames();
    TComponent* d = outer->FindComponent(QStringLiteral("D"));
    styler->OnApplyStyle = [&](QObject*, QObject* component, bool&) {
        if (component->objectName() == QLatin1String("B"))
            delete inner; // the frame walked next, and C in it
        if (component->objectName() == QLatin1String("D"))
            delete d; // the component being asked about
    };
    styler->SetStyle(tsWindows8);
    EXPECT_EQ(StyleLog(), (QStringList{"Form", "A", "B", "Outer", "E"}));

    StyleLog().clear();
    styler->OnApplyStyle = [this](QObject*, QObject* component, bool&) {
        if (component->objectName() == QLatin1String("A"))
            delete styler;
    };
    styler->SetStyle(tsWindows7);
    EXPECT_EQ(StyleLog(), (QStringList{"Form"}));
    EXPECT_EQ(form->FindComponent(QStringLiteral("Styler")), nullptr);
}

TEST(FormStylerStyles, OfferedNamesCarryTheirStyles)
{
    const std::unique_ptr<TStringList> styles = TKestFormStyler::GetStyles();
    ASSERT_EQ(styles->Count(), 26);
    EXPECT_EQ(styles->Strings(0), "Office 2003 Blue");
    EXPECT_EQ(styles->Strings(25), "Custom");
    for (int i = 0; i < styles->Count(); ++i) {
        const TZPXStyle style = TKestFormStyler::StyleOfItem(styles->Objects(i));
        EXPECT_NE(style, tsWhidbey);
        EXPECT_EQ(styles->Strings(i), KestStyles::StyleOfferedName(style));
    }
}

class ComboBoxFixture : public FormStylerFixture {
protected:
    TComboBox* combo = new TComboBox(form.get());
};

TEST_F(ComboBoxFixture, FilledAsAListThatFollowsTheStyle)
{
    combo->AddItem(QStringLiteral("left over"), nullptr);
    styler->SetStyle(tsWindows8);
    styler->SetComboBox(combo);
    EXPECT_EQ(combo->ItemCount(), 26);
    EXPECT_EQ(combo->Style(), TComboBox::csDropDownList);
    EXPECT_FALSE(combo->isEditable());
    EXPECT_EQ(combo->Text(), "Windows 8");

    // The user goes one down the list.
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->Text(), "Windows 10");
    EXPECT_EQ(styler->Style(), tsWindows10);

    styler->SetStyle(tsOffice2013Gray); // set by the program: shown too
    EXPECT_EQ(combo->Text(), "Office 2013 Gray");
}

TEST_F(ComboBoxFixture, NoCallsReachAStylerThatIsGoneOrSwitchedAway)
{
    styler->SetComboBox(combo);
    auto* other = new TComboBox(form.get());
    styler->SetComboBox(other);
    EXPECT_FALSE(combo->OnSelect);
    QTest::keyClick(combo, Qt::Key_Up); // chooses, and nobody is told
    EXPECT_EQ(combo->Text(), "Office 2019 Black");
    EXPECT_EQ(styler->Style(), tsCustom);

    int picked = 0;
    other->OnSelect = [&picked](QObject*) { ++picked; }; // the program's own handler
    styler->SetComboBox(other);                          // bound again
    delete styler;
    QTest::keyClick(other, Qt::Key_Up);
    EXPECT_FALSE(other->OnSelect);
    EXPECT_EQ(picked, 0);
}

TEST_F(ComboBoxFixture, KeepsTheProgramsHandlerWhenNotBound)
{
    styler->SetComboBox(combo);
    int picked = 0;
    combo->OnSelect = [&picked](QObject*) { ++picked; }; // replaces the styler's
    delete styler;
    QTest::keyClick(combo, Qt::Key_Up);
    EXPECT_EQ(picked, 1);
}

TEST_F(ComboBoxFixture, ReferenceDroppedWhenTheBoxGoes)
{
    auto elsewhere = std::make_unique<TForm>(nullptr);
    auto* foreign = new TComboBox(elsewhere.get()); // not a sibling: told only on request
    styler->SetComboBox(foreign);
    elsewhere.reset();
    EXPECT_EQ(styler->ComboBox(), nullptr);
    styler->SetStyle(tsWindows7); // would touch the box if it were still referenced
}

TEST(FormStylerDefaults, AsPublished)
{
    TForm form(nullptr);
    TKestFormStyler styler(&form);
    EXPECT_EQ(styler.Style(), tsCustom);
    EXPECT_EQ(styler.AppColor(), 0);
    EXPECT_TRUE(styler.Enabled());
    EXPECT_FALSE(styler.Metro());
    EXPECT_FALSE(styler.AutoThemeAdapt());
    EXPECT_EQ(styler.MetroColor(), clHighlight);
    EXPECT_EQ(styler.MetroTextColor(), 0x000000);
    EXPECT_EQ(styler.MetroStyle(), msLight);
    EXPECT_EQ(styler.Tones(), KestStyles::DefaultColorTones());
    EXPECT_EQ(styler.Version(), "2.4.0.1");
    styler.setProperty("Version", QStringLiteral("9.9"));
    EXPECT_EQ(styler.Version(), "2.4.0.1");
    // Outside a designer it listens for theme changes.
    EXPECT_EQ(styler.ComponentCount(), 1);
}

TEST(FormStylerDefaults, PlacedInADesigner)
{
    TForm form(nullptr);
    form.SetDesigning(true);
    TKestFormStyler styler(&form);
    EXPECT_EQ(styler.AppColor(), 0xE29E00);
    EXPECT_EQ(styler.ComponentCount(), 0); // no notifier
    form.SetReading(true);
    TKestFormStyler read(&form);
    EXPECT_EQ(read.AppColor(), 0);
}

TEST(FormStylerAssign, TakesAutoThemeAdaptAndStyle)
{
    TKestFormStyler source(nullptr), target(nullptr);
    source.SetStyle(tsOffice2010Silver);
    source.SetMetro(true);
    target.Assign(&source);
    EXPECT_EQ(target.Style(), tsOffice2010Silver);
    EXPECT_FALSE(target.Metro());
    TPlainComponent plain(nullptr);
    EXPECT_THROW(target.Assign(&plain), EConvertError);
}

TEST(KestFormStyler, ReadFromALayoutAndStoredOnlyWhenNotDefault)
{
    auto form = std::make_unique<TForm>(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TForm\n"
                                           "  object Styler1: TKestFormStyler\n"
                                           "    Style = tsOffice2016Gray\n"
                                           "  end\n"
                                           "  object Styler2: TKestFormStyler\n"
                                           "    Enabled = false\n"
                                           "  end\n"
                                           "end\n"),
                            form.get());
    ASSERT_EQ(form->ComponentCount(), 2);
    auto* first = dynamic_cast<TKestFormStyler*>(form->Components(0));
    auto* second = dynamic_cast<TKestFormStyler*>(form->Components(1));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first->Enabled());
    EXPECT_EQ(first->Style(), tsOffice2016Gray);
    EXPECT_FALSE(second->Enabled());
    EXPECT_EQ(second->Style(), tsCustom);
    EXPECT_EQ(GetFormStylerStyle(form.get(), tsWindows7), tsOffice2016Gray);

    const QString written = TLayoutWriter::WriteRootText(form.get());
    EXPECT_TRUE(written.contains("Style = tsOffice2016Gray")) << written.toStdString();
    EXPECT_TRUE(written.contains("Enabled = false")) << written.toStdString();
    EXPECT_FALSE(written.contains("Style = tsCustom")) << written.toStdString();
    EXPECT_FALSE(written.contains("Enabled = true")) << written.toStdString();
    EXPECT_FALSE(written.contains("MetroColor")) << written.toStdString();
}

// Settings read from a layout are applied once, after loading, not while
// the form is half read.
TEST(KestFormStyler, LoadedAppliesOnce)
{
    StyleLog().clear();
    TStyledForm form(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TStyledForm\n"
                                           "  object Metro1: TKestFormStyler\n"
                                           "    Metro = true\n"
                                           "    MetroColor = 0x00FF00\n"
                                           "    MetroStyle = msDark\n"
                                           "  end\n"
                                           "  object Probe: TStyleProbe\n"
                                           "  end\n"
                                           "  object Named: TKestFormStyler\n"
                                           "    Style = tsOffice2010Blue\n"
                                           "    OnApplyStyle = StylerApplyStyle\n"
                                           "  end\n"
                                           "end\n"),
                            &form);
    auto* probe = dynamic_cast<TStyleProbe*>(form.FindComponent(QStringLiteral("Probe")));
    ASSERT_NE(probe, nullptr);
    ASSERT_EQ(probe->Got.Tones.size(), 1u);
    EXPECT_EQ(probe->Got.Tones[0], KestStyles::MakeMetroTones(false, 0x00FF00, 0));
    EXPECT_EQ(probe->Got.Styles, std::vector<TZPXStyle>{tsOffice2010Blue});
    EXPECT_EQ(form.Asked, (QStringList{"F", "Probe"}));
}

}
