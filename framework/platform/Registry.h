#pragma once
// The registry of the current user, read only. Keys are paths with "\"
// between their parts; key and value names ignore letter case.

#include "framework/Exception.h"
#include "framework/platform/PlatformService.h"

#include <QString>
#include <optional>
#include <variant>

#pragma GCC visibility push(default)

KEST_DECLARE_EXCEPTION(ERegistryError, Exception)

namespace Platform {

// A stored value: a 32-bit number or a text.
using TRegistryValue = std::variant<qint32, QString>;

class IRegistry {
public:
    virtual ~IRegistry();
    virtual bool KeyExists(const QString& key) const = 0;
    // Nothing when the key cannot be opened or holds no such value.
    virtual std::optional<TRegistryValue> ReadValue(const QString& key, const QString& name) const = 0;
};

template <>
IRegistry& NativeService<IRegistry>();

inline IRegistry& Registry() { return Current<IRegistry>(); }

// Typed reads in the registry layer's manner: a number read as text becomes
// its decimal text; a text read as a number raises ERegistryError.
std::optional<QString> ReadRegistryString(const QString& key, const QString& name);
std::optional<qint32> ReadRegistryInteger(const QString& key, const QString& name);

// The personalisation key whose light/dark value every platform answers.
inline constexpr const char* PersonalizeKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
inline constexpr const char* AppsUseLightThemeValue = "AppsUseLightTheme";

}

#pragma GCC visibility pop
