// Detection of the default style from the registry, the platform version and
// the visual theme, each answered by a fake.

#include "styles/SystemStyle.h"
#include "styles/SystemVersion.h"

#include "framework/platform/linux/LinuxRegistry.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>
#include <QMetaEnum>
#include <variant>
#include <vector>

namespace {

using Platform::TOSVersion;
using Platform::TRegistryValue;
using Platform::TScopedService;
using Platform::TVisualTheme;

QString Key(const char* shortName)
{
    const QString name = QLatin1String(shortName);
    if (name == QLatin1String("P"))
        return QLatin1String(Platform::PersonalizeKey);
    return QStringLiteral("Software\\Microsoft\\Office\\%1.0\\Common").arg(name);
}

// One registry entry: a key alone, or a value in it.
struct TEntry {
    const char* key;
    const char* name = nullptr;
    std::variant<std::monostate, qint32, const char*> value = std::monostate{};
    bool locked = false;
};

TEntry KeyOnly(const char* key) { return {key}; }
TEntry Locked(const char* key) { return {key, nullptr, std::monostate{}, true}; }
TEntry Num(const char* key, const char* name, qint32 v) { return {key, name, v}; }
TEntry Text(const char* key, const char* name, const char* v) { return {key, name, v}; }
TEntry UITheme(const char* key, qint32 v) { return Num(key, "UI Theme", v); }
TEntry Theme(const char* key, qint32 v) { return Num(key, "Theme", v); }
TEntry LightApps(qint32 v) { return Num("P", "AppsUseLightTheme", v); }

void Fill(TFakeRegistry& registry, const std::vector<TEntry>& entries)
{
    for (const TEntry& e : entries) {
        if (e.locked)
            registry.AddLockedKey(Key(e.key));
        else if (const auto* n = std::get_if<qint32>(&e.value))
            registry.SetValue(Key(e.key), QLatin1String(e.name), *n);
        else if (const auto* t = std::get_if<const char*>(&e.value))
            registry.SetValue(Key(e.key), QLatin1String(e.name), QString::fromLatin1(*t));
        else
            registry.AddKey(Key(e.key));
    }
}

TVisualTheme ActiveTheme(const char* colorName) { return {true, "Luna.msstyles", colorName, "NormalSize"}; }

struct DetectCase {
    const char* name;
    std::vector<TEntry> registry;
    TZPXStyle expected;
    bool preferVisualTheme = false;
    std::optional<TOSVersion> version = TOSVersion{10, 0};
    std::optional<TOSVersion> kernel = std::nullopt;
    std::optional<TVisualTheme> visualTheme = std::nullopt;
    qint32 commonControls = -1;
    bool raises = false;
};

class DetectSystemStyleRule : public ::testing::TestWithParam<DetectCase> {
protected:
    TFakeRegistry registry;
    TFakeVersions versions;
    TFakeDesktopTheme theme;
    TScopedService<Platform::IRegistry> r{registry};
    TScopedService<Platform::IVersions> v{versions};
    TScopedService<Platform::IDesktopTheme> t{theme};
};

TEST_P(DetectSystemStyleRule, PicksTheStyle)
{
    const DetectCase& c = GetParam();
    Fill(registry, c.registry);
    versions.Reported = c.version;
    versions.Kernel = c.kernel;
    versions.CommonControls = c.commonControls;
    theme.Visual = c.visualTheme;
    if (c.raises) {
        EXPECT_THROW(DetectSystemStyle(c.preferVisualTheme), ERegistryError);
        return;
    }
    const TZPXStyle got = DetectSystemStyle(c.preferVisualTheme);
    EXPECT_EQ(got, c.expected) << QMetaEnum::fromType<TZPXStyle>().valueToKey(got);
}

const TOSVersion v61{6, 1}, v62{6, 2}, v63{6, 3}, v60{6, 0};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rules, DetectSystemStyleRule, ::testing::Values(
    // 1. office 16.0, whatever older keys hold
    DetectCase{"O16Theme3", {UITheme("16", 3)}, tsOffice2019Gray},
    DetectCase{"O16Theme4BeatsOlderKeys", {UITheme("16", 4), UITheme("15", 1), Theme("14", 1), LightApps(0)}, tsOffice2019Black},
    DetectCase{"O16ThemeAsText", {Text("16", "UI Theme", "4")}, tsOffice2019Black},
    DetectCase{"O16OtherTheme", {UITheme("16", 7)}, tsOffice2019White},
    DetectCase{"O16NonNumericTheme", {Text("16", "UI Theme", "dark")}, tsOffice2019White},
    DetectCase{"O16WithoutTheme", {KeyOnly("16")}, tsOffice2019White},
    DetectCase{"O16Locked", {Locked("16")}, tsOffice2019White},
    // 2. office 15.0; a key without the value counts as 0
    DetectCase{"O15Theme0", {UITheme("15", 0)}, tsOffice2013White},
    DetectCase{"O15Theme1", {UITheme("15", 1)}, tsOffice2013LightGray},
    DetectCase{"O15Theme2", {UITheme("15", 2), Theme("14", 3)}, tsOffice2013Gray},
    DetectCase{"O15Theme5", {UITheme("15", 5)}, tsCustom},
    DetectCase{"O15WithoutTheme", {KeyOnly("15")}, tsOffice2013White},
    DetectCase{"O15NonNumericTheme", {Text("15", "UI Theme", "x1")}, tsOffice2013White},
    // 3. office 14.0; a key without the value counts as absent
    DetectCase{"O14Theme1", {Theme("14", 1)}, tsOffice2010Blue},
    DetectCase{"O14Theme2", {Theme("14", 2)}, tsOffice2010Silver},
    DetectCase{"O14Theme3", {Theme("14", 3), Theme("12", 1)}, tsOffice2010Black},
    DetectCase{"O14Theme0", {Theme("14", 0)}, tsCustom},
    DetectCase{"O14ThemeAsTextRaises", {Text("14", "Theme", "1")}, tsCustom, false, v61, {}, {}, -1, true},
    DetectCase{"O14WithoutThemeFallsThrough", {KeyOnly("14"), Theme("12", 2)}, tsOffice2007Silver},
    DetectCase{"O14LockedFallsThrough", {Locked("14"), Theme("12", 3)}, tsOffice2007Obsidian},
    // 4. office 12.0
    DetectCase{"O12Theme1", {Theme("12", 1)}, tsOffice2007Luna},
    DetectCase{"O12Theme2", {Theme("12", 2)}, tsOffice2007Silver},
    DetectCase{"O12Theme3", {Theme("12", 3)}, tsOffice2007Obsidian},
    DetectCase{"O12Theme4", {Theme("12", 4)}, tsCustom},
    DetectCase{"O12ThemeAsTextRaises", {Text("12", "Theme", "3")}, tsCustom, false, v61, {}, {}, -1, true},
    DetectCase{"O12WithoutThemeFallsThrough", {KeyOnly("12"), LightApps(0)}, tsOffice2019Black},
    // 5. the visual theme's colour scheme, when preferred
    DetectCase{"VisualNormalColor", {}, tsOffice2003Blue, true, v61, {}, ActiveTheme("NormalColor")},
    DetectCase{"VisualHomeStead", {}, tsOffice2003Olive, true, v61, {}, ActiveTheme("HomeStead")},
    DetectCase{"VisualMetallic", {}, tsOffice2003Silver, true, v61, {}, ActiveTheme("Metallic")},
    DetectCase{"VisualOtherScheme", {}, tsOffice2003Classic, true, v61, {}, ActiveTheme("Royale")},
    DetectCase{"VisualInactive", {}, tsOffice2003Classic, true, v61, {}, TVisualTheme{false, {}, "NormalColor", {}}},
    DetectCase{"VisualOldCommonControls", {}, tsOffice2003Classic, true, v61, {}, ActiveTheme("NormalColor"), 0x00050052},
    DetectCase{"VisualBeforeXP", {}, tsOffice2003Classic, true, TOSVersion{5, 0}, {}, ActiveTheme("NormalColor")},
    DetectCase{"VisualXP", {}, tsOffice2003Blue, true, TOSVersion{5, 1}, {}, ActiveTheme("NormalColor"), 0x00060000},
    DetectCase{"VisualNoThemeLibrary", {}, tsOffice2003Classic, true},
    DetectCase{"OfficeBeatsVisualTheme", {Theme("12", 1)}, tsOffice2007Luna, true, v61, {}, ActiveTheme("Metallic")},
    // 6. the platform generation, and light or dark mode
    DetectCase{"Gen3Dark", {LightApps(0)}, tsOffice2019Black},
    DetectCase{"Gen3DarkAsText", {Text("P", "AppsUseLightTheme", "0")}, tsOffice2019Black},
    DetectCase{"Gen3Light", {LightApps(1)}, tsWindows10},
    DetectCase{"Gen3WithoutValue", {KeyOnly("P")}, tsWindows10},
    DetectCase{"Gen3NonNumericValue", {Text("P", "AppsUseLightTheme", "no")}, tsOffice2019Black},
    DetectCase{"NoKeys", {}, tsWindows10},
    DetectCase{"Gen3Version64", {LightApps(0)}, tsOffice2019Black, false, TOSVersion{6, 4}},
    DetectCase{"Gen3ThroughKernel", {}, tsWindows10, false, v62, TOSVersion{10, 0}},
    DetectCase{"Gen2", {LightApps(0)}, tsWindows8, false, v62},
    DetectCase{"Gen2Version63", {}, tsWindows8, false, v63},
    DetectCase{"Gen1", {LightApps(0)}, tsWindows7, false, v61},
    DetectCase{"Gen0", {}, tsWindows7, false, v60},
    DetectCase{"UnknownVersion", {}, tsWindows7, false, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct VersionCase {
    const char* name;
    std::optional<TOSVersion> reported;
    std::optional<TOSVersion> kernel;
    int versionClass;
    bool xpOrLater;
};

class VersionClassRule : public ::testing::TestWithParam<VersionCase> {
protected:
    TFakeVersions versions;
    TScopedService<Platform::IVersions> v{versions};
};

TEST_P(VersionClassRule, ClassAndXP)
{
    versions.Reported = GetParam().reported;
    versions.Kernel = GetParam().kernel;
    EXPECT_EQ(GetWindowsVersionClass(), GetParam().versionClass);
    EXPECT_EQ(IsXPOrLater(), GetParam().xpOrLater);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Versions, VersionClassRule, ::testing::Values(
    VersionCase{"Unknown", std::nullopt, std::nullopt, 0, false},
    VersionCase{"V50", TOSVersion{5, 0}, std::nullopt, 0, false},
    VersionCase{"V51", TOSVersion{5, 1}, std::nullopt, 0, true},
    VersionCase{"V60", TOSVersion{6, 0}, std::nullopt, 0, true},
    VersionCase{"V61", TOSVersion{6, 1}, std::nullopt, 1, true},
    VersionCase{"V62WithoutKernelCall", TOSVersion{6, 2}, std::nullopt, 2, true},
    VersionCase{"V62KernelSays63", TOSVersion{6, 2}, TOSVersion{6, 3}, 2, true},
    VersionCase{"V62KernelSays10", TOSVersion{6, 2}, TOSVersion{10, 0}, 3, true},
    VersionCase{"V63KernelNotAsked", TOSVersion{6, 3}, TOSVersion{6, 1}, 2, true},
    VersionCase{"V64", TOSVersion{6, 4}, std::nullopt, 3, true},
    VersionCase{"V10", TOSVersion{10, 0}, std::nullopt, 3, true},
    VersionCase{"V11", TOSVersion{11, 0}, std::nullopt, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(CommonControls, MajorVersionByteDecides)
{
    TFakeVersions versions;
    TScopedService<Platform::IVersions> v{versions};
    versions.CommonControls = 0x00050052;
    EXPECT_FALSE(IsCommonControlsV6());
    versions.CommonControls = 0x00060010;
    EXPECT_TRUE(IsCommonControlsV6());
    versions.CommonControls = -1; // missing module or unreadable version
    EXPECT_TRUE(IsCommonControlsV6());
}

// What a Linux desktop answers: its own versions and registry, with only
// the user's light or dark choice under the test's control (and no INI file).
TEST(LinuxAnswers, DefaultStyleFollowsDarkMode)
{
    Platform::TLinuxRegistry registry{QString()};
    TFakeDesktopTheme theme;
    TScopedService<Platform::IRegistry> r{registry};
    TScopedService<Platform::IDesktopTheme> t{theme};
    EXPECT_EQ(GetWindowsVersionClass(), 3);
    EXPECT_TRUE(IsCommonControlsV6());
    EXPECT_EQ(DetectSystemStyle(true), tsOffice2003Classic); // no visual theme library
    EXPECT_EQ(DetectSystemStyle(false), tsWindows10);
    theme.Dark = true;
    EXPECT_EQ(DetectSystemStyle(false), tsOffice2019Black);
}

}
