#include "styles/SystemVersion.h"

#include "framework/platform/DesktopTheme.h"
#include "framework/platform/Versions.h"

#include <array>

namespace KestStyles {

namespace {

using Platform::TOSVersion;

// The compatibility layer reports 6.2 to programs on every later version;
// only the kernel's own call tells the truth then.
std::optional<TOSVersion> TrueVersion()
{
    std::optional<TOSVersion> version = Platform::Versions().ReportedVersion();
    if (version && *version == TOSVersion{6, 2})
        if (std::optional<TOSVersion> kernel = Platform::Versions().KernelVersion())
            return kernel;
    return version;
}

}

int GetWindowsVersionClass()
{
    const std::optional<TOSVersion> v = TrueVersion();
    if (!v)
        return 0;
    if (v->Major == 6 && v->Minor == 1)
        return 1;
    if (v->Major == 6 && (v->Minor == 2 || v->Minor == 3))
        return 2;
    if ((v->Major == 6 && v->Minor == 4) || v->Major == 10)
        return 3;
    return 0;
}

bool IsXPOrLater()
{
    const std::optional<TOSVersion> v = Platform::Versions().ReportedVersion();
    return v && (v->Major > 5 || (v->Major == 5 && v->Minor != 0));
}

bool IsCommonControlsV6()
{
    const qint32 version = Platform::Versions().FileVersion(QLatin1String(Platform::CommonControlsModule));
    return ((version >> 16) & 0xFF) > 5;
}

int GetXPThemeColor()
{
    if (!IsXPOrLater())
        return 0;
    const std::optional<Platform::TVisualTheme> theme = Platform::DesktopTheme().VisualTheme();
    if (!theme || !theme->Active || !IsCommonControlsV6())
        return 0;
    static const std::array<const char*, 3> schemes{"NormalColor", "HomeStead", "Metallic"};
    for (size_t i = 0; i < schemes.size(); ++i)
        if (theme->ColorName.contains(QLatin1String(schemes[i])))
            return int(i) + 1;
    return 0;
}

}
