#pragma once
// The registry on Linux: the light/dark value of the personalisation key
// follows the desktop theme; every other key comes from an optional INI
// file (by default "kest/registry.ini" in the user's configuration folder)
// and is missing without it.

#include "framework/platform/Registry.h"

namespace Platform {

class TLinuxRegistry : public IRegistry {
public:
    explicit TLinuxRegistry(QString iniPath);
    static QString DefaultIniPath();

    bool KeyExists(const QString& key) const override;
    std::optional<TRegistryValue> ReadValue(const QString& key, const QString& name) const override;

private:
    QString FIniPath;
};

}
