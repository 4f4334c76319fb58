#pragma once
// Operating-system answers a test controls, each installed for the length
// of a scope with Platform::TScopedService.

#include "framework/platform/DesktopTheme.h"
#include "framework/platform/Registry.h"
#include "framework/platform/ScreenDpi.h"
#include "framework/platform/Versions.h"

#include <map>
#include <set>

class TFakeRegistry : public Platform::IRegistry {
public:
    void AddKey(const QString& key) { FKeys[key.toLower()]; }
    // A key that exists but cannot be opened.
    void AddLockedKey(const QString& key) { FLocked.insert(key.toLower()); }
    void SetValue(const QString& key, const QString& name, const Platform::TRegistryValue& value)
    {
        FKeys[key.toLower()][name.toLower()] = value;
    }

    bool KeyExists(const QString& key) const override
    {
        return FKeys.count(key.toLower()) > 0 || FLocked.count(key.toLower()) > 0;
    }
    std::optional<Platform::TRegistryValue> ReadValue(const QString& key, const QString& name) const override
    {
        auto k = FKeys.find(key.toLower());
        if (k == FKeys.end())
            return std::nullopt;
        auto v = k->second.find(name.toLower());
        return v == k->second.end() ? std::nullopt : std::optional(v->second);
    }

private:
    std::map<QString, std::map<QString, Platform::TRegistryValue>> FKeys;
    std::set<QString> FLocked;
};

class TFakeVersions : public Platform::IVersions {
public:
    std::optional<Platform::TOSVersion> Reported = Platform::TOSVersion{10, 0};
    std::optional<Platform::TOSVersion> Kernel;
    qint32 CommonControls = -1;

    std::optional<Platform::TOSVersion> ReportedVersion() const override { return Reported; }
    std::optional<Platform::TOSVersion> KernelVersion() const override { return Kernel; }
    qint32 FileVersion(const QString& module) const override
    {
        return module.compare(QLatin1String(Platform::CommonControlsModule), Qt::CaseInsensitive) == 0 ? CommonControls
                                                                                                      : -1;
    }
};

class TFakeDesktopTheme : public Platform::IDesktopTheme {
public:
    bool Dark = false;
    std::optional<Platform::TVisualTheme> Visual;

    bool AppsUseDarkTheme() const override { return Dark; }
    std::optional<Platform::TVisualTheme> VisualTheme() const override { return Visual; }
};

class TFakeScreenDpi : public Platform::IScreenDpi {
public:
    double Dpi = 96.0;
    double Ratio = 1.0;

    double WidgetDpi(const QWidget&) const override { return Dpi; }
    double ScreenDpiX() const override { return Dpi; }
    double DevicePixelRatio(const QWidget&) const override { return Ratio; }
};
