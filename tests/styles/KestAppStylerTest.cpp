// The application styler: its list of form stylers and what it pushes to
// them.

#include "styles/KestAppStyler.h"

#include "framework/Form.h"
#include "framework/LayoutReader.h"
#include "styles/KestFormStyler.h"

#include "StyleProbes.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

// Two forms, each with a probe and a form styler.
class AppStylerFixture : public ::testing::Test {
protected:
    struct TStyledPage {
        std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
        TStyleProbe* Probe = Make<TStyleProbe>(Form.get(), "Probe");
        TKestFormStyler* Styler = Make<TKestFormStyler>(Form.get(), "Styler");
    };

    void SetUp() override { StyleLog().clear(); }

    TStyledPage first, second;
    std::unique_ptr<TKestAppStyler> app = std::make_unique<TKestAppStyler>(nullptr);
};

TEST_F(AppStylerFixture, PushesEverythingToEveryRegisteredForm)
{
    app->SetStyle(tsOffice2013Gray);
    first.Styler->SetAppStyle(app.get()); // takes the style at once
    second.Styler->SetAppStyle(app.get());
    EXPECT_EQ(first.Probe->Got.Styles, std::vector<TZPXStyle>{tsOffice2013Gray});
    EXPECT_EQ(app->FormStylers(), (std::vector<TKestFormStyler*>{first.Styler, second.Styler}));
    second.Styler->SetAppStyle(app.get()); // listed once
    EXPECT_EQ(app->FormStylers().size(), 2u);

    int changes = 0;
    app->OnChange = [&changes](QObject*) { ++changes; };
    app->SetAppColor(0x112233);
    app->SetMetroColor(0x445566); // Metro off: nothing pushed
    app->SetStyle(tsOffice2019Gray);
    for (const TStyledPage* page : {&first, &second}) {
        EXPECT_EQ(page->Styler->Style(), tsOffice2019Gray);
        EXPECT_EQ(page->Styler->AppColor(), 0x112233);
        EXPECT_EQ(page->Styler->MetroColor(), 0x445566);
        EXPECT_EQ(page->Form->Color(), 0x666666);
        EXPECT_EQ(page->Probe->Got.Styles.back(), tsOffice2019Gray);
    }
    EXPECT_EQ(changes, 2);

    app->SetEnabled(false);
    app->SetStyle(tsWindows7);
    EXPECT_EQ(first.Styler->Style(), tsOffice2019Gray);
    app->SetEnabled(true);
    EXPECT_EQ(first.Styler->Style(), tsWindows7);
}

TEST_F(AppStylerFixture, ColorTonesSetMetroStyleAndRestyleEveryForm)
{
    first.Styler->SetAppStyle(app.get());
    second.Styler->SetAppStyle(app.get());
    TColorTones white = KestStyles::MakeMetroTones(true, 0x0080FF, 0);
    app->SetColorTones(white);
    EXPECT_EQ(app->MetroStyle(), msLight);
    EXPECT_EQ(app->MetroColor(), 0x0080FF);
    EXPECT_TRUE(app->Metro());
    EXPECT_EQ(app->Style(), tsCustom);
    EXPECT_EQ(app->Tones(), white);
    EXPECT_EQ(first.Probe->Got.Tones, std::vector<TColorTones>{white});
    EXPECT_EQ(second.Probe->Got.Tones, std::vector<TColorTones>{white});

    const TColorTones black = KestStyles::MakeMetroTones(false, 0x0080FF, 0);
    app->SetColorTones(black);
    EXPECT_EQ(app->MetroStyle(), msDark);
    TColorTones grey = black;
    grey.Background.BrushColor = 0x808080; // neither: left as it was
    app->SetColorTones(grey);
    EXPECT_EQ(app->MetroStyle(), msDark);
    EXPECT_EQ(first.Probe->Got.Tones.back(), grey);
}

TEST_F(AppStylerFixture, MetroSettingsPushMetroTonesInCustomStyle)
{
    first.Styler->SetAppStyle(app.get());
    app->SetMetroColor(0x808080);
    EXPECT_TRUE(first.Probe->Got.Tones.empty()); // Metro off
    app->SetMetro(true);
    ASSERT_EQ(first.Probe->Got.Tones.size(), 1u);
    EXPECT_EQ(first.Probe->Got.Tones[0], KestStyles::MakeMetroTones(true, 0x808080, 0));
    EXPECT_EQ(app->Tones(), TColorTones{}); // its own tones stay as they were
}

// Each form styler is registered only with the application styler it
// references, and neither side reaches the other once it is destroyed.
TEST_F(AppStylerFixture, SwitchingApplicationStylersMovesTheRegistration)
{
    auto other = std::make_unique<TKestAppStyler>(nullptr);
    first.Styler->SetAppStyle(app.get());
    first.Styler->SetAppStyle(other.get());
    EXPECT_TRUE(app->FormStylers().empty());
    EXPECT_EQ(other->FormStylers(), std::vector<TKestFormStyler*>{first.Styler});

    app->SetStyle(tsTerminal); // no longer followed
    EXPECT_EQ(first.Styler->Style(), tsCustom);
    app.reset();
    EXPECT_EQ(first.Styler->AppStyle(), other.get());

    other.reset();
    EXPECT_EQ(first.Styler->AppStyle(), nullptr);
}

TEST_F(AppStylerFixture, DestroyedFormStylersLeaveTheList)
{
    first.Styler->SetAppStyle(app.get());
    app->RegisterFormStyler(second.Styler); // registered without referencing it
    first.Form.reset();
    second.Form.reset();
    EXPECT_TRUE(app->FormStylers().empty());
    app->SetStyle(tsWindows8); // would reach both if they were still listed
}

TEST_F(AppStylerFixture, DestructionReleasesEveryFormStyler)
{
    auto other = std::make_unique<TKestAppStyler>(nullptr);
    first.Styler->SetAppStyle(app.get());
    second.Styler->SetAppStyle(other.get());
    app->RegisterFormStyler(second.Styler);
    auto third = std::make_unique<TKestFormStyler>(nullptr);
    third->SetAppStyle(app.get());
    app.reset();
    EXPECT_EQ(first.Styler->AppStyle(), nullptr);
    EXPECT_EQ(third->AppStyle(), nullptr);
    // One that follows another application styler keeps following it.
    EXPECT_EQ(second.Styler->AppStyle(), other.get());
    EXPECT_EQ(other->FormStylers(), std::vector<TKestFormStyler*>{second.Styler});
}

TEST_F(AppStylerFixture, HandlersMayFreeFormStylersWhileStylesArePushed)
{
    first.Styler->SetAppStyle(app.get());
    second.Styler->SetAppStyle(app.get());
    first.Styler->OnApplyStyle = [this](QObject*, QObject*, bool&) { second.Form.reset(); };
    app->SetStyle(tsOffice2016White);
    EXPECT_EQ(app->FormStylers(), std::vector<TKestFormStyler*>{first.Styler});
    EXPECT_EQ(first.Styler->Style(), tsOffice2016White);
}

TEST(AppStylerDefaults, AsPublished)
{
    TKestAppStyler app(nullptr);
    EXPECT_EQ(app.Style(), tsCustom);
    EXPECT_EQ(app.AppColor(), clNone);
    EXPECT_TRUE(app.Enabled());
    EXPECT_FALSE(app.Metro());
    EXPECT_EQ(app.MetroColor(), clHighlight);
    EXPECT_EQ(app.MetroTextColor(), 0x000000);
    EXPECT_EQ(app.MetroStyle(), msLight);
    EXPECT_EQ(app.Tones(), TColorTones{});
    EXPECT_EQ(app.Version(), "2.4.0.1");

    TKestAppStyler copy(nullptr);
    app.SetStyle(tsOffice2007Silver);
    copy.Assign(&app);
    EXPECT_EQ(copy.Style(), tsOffice2007Silver);
}

// A form styler read with a reference to an application styler follows it
// once the form is loaded.
TEST(AppStylerLayout, FormStylerFollowsAfterLoading)
{
    StyleLog().clear();
    TForm form(nullptr);
    TLayoutReader::ReadRoot(QStringLiteral("object F: TForm\n"
                                           "  object Styler: TKestFormStyler\n"
                                           "    AppStyle = App\n"
                                           "  end\n"
                                           "  object Probe: TStyleProbe\n"
                                           "  end\n"
                                           "  object App: TKestAppStyler\n"
                                           "    Style = tsOffice2016Black\n"
                                           "  end\n"
                                           "end\n"),
                            &form);
    auto* styler = dynamic_cast<TKestFormStyler*>(form.FindComponent(QStringLiteral("Styler")));
    auto* app = dynamic_cast<TKestAppStyler*>(form.FindComponent(QStringLiteral("App")));
    auto* probe = dynamic_cast<TStyleProbe*>(form.FindComponent(QStringLiteral("Probe")));
    ASSERT_TRUE(styler && app && probe);
    EXPECT_EQ(styler->Style(), tsOffice2016Black);
    EXPECT_EQ(probe->Got.Styles, std::vector<TZPXStyle>{tsOffice2016Black});
    EXPECT_EQ(app->FormStylers(), std::vector<TKestFormStyler*>{styler});
}

}
