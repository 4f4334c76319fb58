#include "framework/platform/linux/LinuxRegistry.h"

#include "framework/platform/DesktopTheme.h"
#include "framework/platform/linux/RegistryIniFile.h"

#include <QFile>
#include <QStandardPaths>

namespace Platform {

namespace {

bool IsPersonalizeKey(const QString& key) { return key.compare(QLatin1String(PersonalizeKey), Qt::CaseInsensitive) == 0; }

// Read on every query: the file is small or absent, and a user who edits it
// expects the next theme check to see the change.
TRegistryIni ReadIni(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return ParseRegistryIni(QString::fromUtf8(file.readAll()));
}

}

TLinuxRegistry::TLinuxRegistry(QString iniPath) : FIniPath(std::move(iniPath)) {}

QString TLinuxRegistry::DefaultIniPath()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return folder.isEmpty() ? QString() : folder + QStringLiteral("/kest/registry.ini");
}

bool TLinuxRegistry::KeyExists(const QString& key) const
{
    if (IsPersonalizeKey(key))
        return true;
    const TRegistryIni ini = ReadIni(FIniPath);
    return ini.find(key.toLower()) != ini.end();
}

std::optional<TRegistryValue> TLinuxRegistry::ReadValue(const QString& key, const QString& name) const
{
    if (IsPersonalizeKey(key) && name.compare(QLatin1String(AppsUseLightThemeValue), Qt::CaseInsensitive) == 0)
        return TRegistryValue(qint32(DesktopTheme().AppsUseDarkTheme() ? 0 : 1));
    const TRegistryIni ini = ReadIni(FIniPath);
    auto section = ini.find(key.toLower());
    if (section == ini.end())
        return std::nullopt;
    auto value = section->second.find(name.toLower());
    if (value == section->second.end())
        return std::nullopt;
    return value->second;
}

template <>
IRegistry& NativeService<IRegistry>()
{
    static TLinuxRegistry registry(TLinuxRegistry::DefaultIniPath());
    return registry;
}

}
