// Following the desktop: the desktop theme is faked, and its change reaches
// the stylers as Qt delivers it, as a theme-change event to the windows or
// a palette change of the application.

#include "styles/KestAppStyler.h"
#include "styles/KestFormStyler.h"

#include "framework/platform/linux/LinuxRegistry.h"
#include "support/FakePlatform.h"

#include "StyleProbes.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ThemeChange : public ::testing::Test {
protected:
    void SetUp() override
    {
        StyleLog().clear();
        styler->OnChange = [this](QObject*) { ++changes; };
    }

    void TearDown() override
    {
        QApplication::setPalette(FOriginalPalette);
        QCoreApplication::processEvents();
        RefreshSystemColors();
    }

    // The Linux answers, with only the user's light or dark choice faked.
    TFakeDesktopTheme theme;
    Platform::TLinuxRegistry registry{QString()};
    Platform::TScopedService<Platform::IDesktopTheme> t{theme};
    Platform::TScopedService<Platform::IRegistry> r{registry};

    QPalette FOriginalPalette = QApplication::palette();
    TStyledForm form{nullptr};
    TStyleProbe* probe = Make<TStyleProbe>(&form, "Probe");
    TKestFormStyler* styler = Make<TKestFormStyler>(&form, "Styler");
    int changes = 0;
};

TEST_F(ThemeChange, AutoThemeAdaptRestylesWhenTheDesktopTurnsDark)
{
    auto app = std::make_unique<TKestAppStyler>(nullptr);
    app->SetAutoThemeAdapt(true);
    styler->SetAutoThemeAdapt(true);
    EXPECT_EQ(app->Style(), tsWindows10);
    EXPECT_EQ(styler->Style(), tsWindows10);
    changes = 0;

    theme.Dark = true;
    // The platform tells every window; the stylers restyle once.
    QWidget other;
    for (QObject* window : {static_cast<QObject*>(&form), static_cast<QObject*>(&other)}) {
        QEvent event(QEvent::ThemeChange);
        QCoreApplication::sendEvent(window, &event);
    }
    EXPECT_EQ(styler->Style(), tsWindows10); // after Qt has handled the change
    QCoreApplication::processEvents();
    EXPECT_EQ(app->Style(), tsOffice2019Black);
    EXPECT_EQ(styler->Style(), tsOffice2019Black);
    EXPECT_EQ(probe->Got.Styles, (std::vector<TZPXStyle>{tsWindows10, tsOffice2019Black}));
    EXPECT_EQ(form.Color(), 0x000000);
    EXPECT_EQ(changes, 1);
}

TEST_F(ThemeChange, PaletteChangeOfTheApplicationCountsToo)
{
    styler->SetAutoThemeAdapt(true);
    theme.Dark = true;
    QPalette dark = FOriginalPalette;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Button, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    EXPECT_EQ(styler->Style(), tsOffice2019Black);
    // The system colours follow the new palette.
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x202020);
}

TEST_F(ThemeChange, WithoutAutoThemeAdaptTheStyleStays)
{
    styler->SetStyle(tsOffice2010Blue);
    theme.Dark = true;
    QEvent event(QEvent::ThemeChange);
    QCoreApplication::sendEvent(&form, &event);
    QCoreApplication::processEvents();
    EXPECT_EQ(styler->Style(), tsOffice2010Blue);
    EXPECT_EQ(probe->Got.Styles, std::vector<TZPXStyle>{tsOffice2010Blue});
}

}
