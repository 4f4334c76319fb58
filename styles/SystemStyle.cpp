#include "styles/SystemStyle.h"

#include "framework/platform/Registry.h"
#include "styles/SystemVersion.h"

#include <optional>

namespace KestStyles {

namespace {

const QString kOffice16 = QStringLiteral("Software\\Microsoft\\Office\\16.0\\Common");
const QString kOffice15 = QStringLiteral("Software\\Microsoft\\Office\\15.0\\Common");
const QString kOffice14 = QStringLiteral("Software\\Microsoft\\Office\\14.0\\Common");
const QString kOffice12 = QStringLiteral("Software\\Microsoft\\Office\\12.0\\Common");

// A value read as text and converted: -1 without the key, 0 for a text that
// is not a number, missingValue without the value.
int ReadNumberText(const QString& key, const QString& name, int missingValue)
{
    if (!Platform::Registry().KeyExists(key))
        return -1;
    const std::optional<QString> text = Platform::ReadRegistryString(key, name);
    if (!text)
        return missingValue;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    return ok ? value : 0;
}

int ReadOfficeUITheme(const QString& key) { return ReadNumberText(key, QStringLiteral("UI Theme"), 0); }

int ReadAppsUseLightTheme()
{
    return ReadNumberText(QLatin1String(Platform::PersonalizeKey), QLatin1String(Platform::AppsUseLightThemeValue), -1);
}

// -1 without the key or the value.
int ReadOfficeTheme(const QString& key)
{
    if (!Platform::Registry().KeyExists(key))
        return -1;
    return Platform::ReadRegistryInteger(key, QStringLiteral("Theme")).value_or(-1);
}

std::optional<TZPXStyle> Office2016Style()
{
    switch (ReadOfficeUITheme(kOffice16)) {
    case -1: return std::nullopt;
    case 3: return tsOffice2019Gray;
    case 4: return tsOffice2019Black;
    default: return tsOffice2019White;
    }
}

std::optional<TZPXStyle> Office2013Style()
{
    switch (ReadOfficeUITheme(kOffice15)) {
    case -1: return std::nullopt;
    case 0: return tsOffice2013White;
    case 1: return tsOffice2013LightGray;
    case 2: return tsOffice2013Gray;
    default: return tsCustom;
    }
}

// The 2010 and 2007 keys share their reading; a key without the value
// counts as absent.
std::optional<TZPXStyle> OfficeThemeStyle(const QString& key, TZPXStyle blue, TZPXStyle silver, TZPXStyle black)
{
    switch (ReadOfficeTheme(key)) {
    case -1: return std::nullopt;
    case 1: return blue;
    case 2: return silver;
    case 3: return black;
    default: return tsCustom;
    }
}

TZPXStyle VisualThemeStyle()
{
    switch (GetXPThemeColor()) {
    case 1: return tsOffice2003Blue;
    case 2: return tsOffice2003Olive;
    case 3: return tsOffice2003Silver;
    default: return tsOffice2003Classic;
    }
}

TZPXStyle PlatformStyle()
{
    switch (GetWindowsVersionClass()) {
    case 2: return tsWindows8;
    case 3: return GetWindows10Style();
    default: return tsWindows7;
    }
}

}

TZPXStyle GetWindows10Style() { return ReadAppsUseLightTheme() == 0 ? tsOffice2019Black : tsWindows10; }

TZPXStyle DetectSystemStyle(bool preferVisualTheme)
{
    if (auto style = Office2016Style())
        return *style;
    if (auto style = Office2013Style())
        return *style;
    if (auto style = OfficeThemeStyle(kOffice14, tsOffice2010Blue, tsOffice2010Silver, tsOffice2010Black))
        return *style;
    if (auto style = OfficeThemeStyle(kOffice12, tsOffice2007Luna, tsOffice2007Silver, tsOffice2007Obsidian))
        return *style;
    if (preferVisualTheme)
        return VisualThemeStyle();
    return PlatformStyle();
}

}
