// The Linux answers to the platform's registry and theme questions.

#include "framework/platform/linux/LinuxDesktopTheme.h"
#include "framework/platform/linux/LinuxRegistry.h"
#include "framework/platform/linux/RegistryIniFile.h"

#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QPalette>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Platform::TRegistryValue;

const char* const kIni = R"(; the office suite's keys, by hand
[Software\Microsoft\Office\16.0\Common]
"UI Theme"=dword:00000004
Theme=12
Name="quoted text"
Plain=some text
Negative=-3
Huge=99999999999
 Spaced = 7
broken line without equals
=no name

[software\microsoft\office\15.0\common]
# an empty key
)";

TEST(RegistryIni, ValuesKeepTheirType)
{
    const Platform::TRegistryIni ini = Platform::ParseRegistryIni(QString::fromLatin1(kIni));
    ASSERT_EQ(ini.size(), 2u);
    const auto& key = ini.at("software\\microsoft\\office\\16.0\\common");
    EXPECT_EQ(key.at("ui theme"), TRegistryValue(qint32(4)));
    EXPECT_EQ(key.at("theme"), TRegistryValue(qint32(12)));
    EXPECT_EQ(key.at("name"), TRegistryValue(QStringLiteral("quoted text")));
    EXPECT_EQ(key.at("plain"), TRegistryValue(QStringLiteral("some text")));
    EXPECT_EQ(key.at("negative"), TRegistryValue(qint32(-3)));
    EXPECT_EQ(key.at("huge"), TRegistryValue(QStringLiteral("99999999999"))); // no 32-bit number
    EXPECT_EQ(key.at("spaced"), TRegistryValue(qint32(7)));
    EXPECT_EQ(key.size(), 7u);
    EXPECT_TRUE(ini.at("software\\microsoft\\office\\15.0\\common").empty());
}

class LinuxRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kIni);
    }
    QString path() const { return dir.filePath("registry.ini"); }

    QTemporaryDir dir;
    TFakeDesktopTheme theme;
    Platform::TScopedService<Platform::IDesktopTheme> scoped{theme};
};

TEST_F(LinuxRegistryTest, KeysComeFromTheFileIgnoringCase)
{
    Platform::TLinuxRegistry registry(path());
    EXPECT_TRUE(registry.KeyExists("Software\\Microsoft\\Office\\15.0\\Common"));
    EXPECT_FALSE(registry.KeyExists("Software\\Microsoft\\Office\\14.0\\Common"));
    EXPECT_EQ(registry.ReadValue("SOFTWARE\\Microsoft\\Office\\16.0\\Common", "ui theme"), TRegistryValue(qint32(4)));
    EXPECT_EQ(registry.ReadValue("Software\\Microsoft\\Office\\15.0\\Common", "UI Theme"), std::nullopt);
    EXPECT_EQ(registry.ReadValue("Software\\Microsoft\\Office\\14.0\\Common", "Theme"), std::nullopt);
}

TEST_F(LinuxRegistryTest, WithoutFileOnlyTheThemeKeyExists)
{
    Platform::TLinuxRegistry registry(dir.filePath("missing.ini"));
    EXPECT_FALSE(registry.KeyExists("Software\\Microsoft\\Office\\16.0\\Common"));
    EXPECT_TRUE(registry.KeyExists(QLatin1String(Platform::PersonalizeKey)));
    EXPECT_EQ(registry.ReadValue(QLatin1String(Platform::PersonalizeKey), "SystemUsesLightTheme"), std::nullopt);
}

TEST_F(LinuxRegistryTest, LightThemeValueFollowsTheDesktop)
{
    Platform::TLinuxRegistry registry(path());
    const QString key = QLatin1String(Platform::PersonalizeKey);
    EXPECT_EQ(registry.ReadValue(key, "AppsUseLightTheme"), TRegistryValue(qint32(1)));
    theme.Dark = true;
    EXPECT_EQ(registry.ReadValue(key.toUpper(), "appsuselighttheme"), TRegistryValue(qint32(0)));
}

TEST_F(LinuxRegistryTest, TypedReads)
{
    Platform::TLinuxRegistry registry(path());
    Platform::TScopedService<Platform::IRegistry> scopedRegistry{registry};
    const QString key = "Software\\Microsoft\\Office\\16.0\\Common";
    EXPECT_EQ(Platform::ReadRegistryString(key, "UI Theme"), QString("4"));
    EXPECT_EQ(Platform::ReadRegistryInteger(key, "Theme"), 12);
    EXPECT_EQ(Platform::ReadRegistryInteger(key, "Missing"), std::nullopt);
    try {
        Platform::ReadRegistryInteger(key, "Name");
        FAIL() << "a text read as a number must raise";
    } catch (const ERegistryError& e) {
        EXPECT_EQ(e.Message(), "Registry value \"Name\" is not a number");
    }
}

struct SchemeCase {
    const char* name;
    const char* output;
    std::optional<bool> dark;
};

class ColorSchemeRule : public ::testing::TestWithParam<SchemeCase> {};

TEST_P(ColorSchemeRule, Preference)
{
    EXPECT_EQ(Platform::ColorSchemePrefersDark(QString::fromLatin1(GetParam().output)), GetParam().dark);
}

INSTANTIATE_TEST_SUITE_P(Outputs, ColorSchemeRule,
                         ::testing::Values(SchemeCase{"Dark", "'prefer-dark'\n", true},
                                           SchemeCase{"Light", "'prefer-light'\n", false},
                                           SchemeCase{"NoPreference", "'default'\n", std::nullopt},
                                           SchemeCase{"Unquoted", "prefer-dark", true},
                                           SchemeCase{"Empty", "", std::nullopt},
                                           SchemeCase{"Unknown", "'prefer-sepia'", std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PaletteLightness, WindowColourDecides)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x20, 0x20, 0x24));
    EXPECT_TRUE(Platform::PaletteIsDark(palette));
    palette.setColor(QPalette::Window, QColor(0xEF, 0xEF, 0xEF));
    EXPECT_FALSE(Platform::PaletteIsDark(palette));
}

}
