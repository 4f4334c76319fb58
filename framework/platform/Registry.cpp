#include "framework/platform/Registry.h"

namespace Platform {

IRegistry::~IRegistry() = default;

std::optional<QString> ReadRegistryString(const QString& key, const QString& name)
{
    std::optional<TRegistryValue> value = Registry().ReadValue(key, name);
    if (!value)
        return std::nullopt;
    if (const qint32* number = std::get_if<qint32>(&*value))
        return QString::number(*number);
    return std::get<QString>(*value);
}

std::optional<qint32> ReadRegistryInteger(const QString& key, const QString& name)
{
    std::optional<TRegistryValue> value = Registry().ReadValue(key, name);
    if (!value)
        return std::nullopt;
    if (const qint32* number = std::get_if<qint32>(&*value))
        return *number;
    throw ERegistryError(Exception::Format(QStringLiteral("Registry value \"%s\" is not a number"), name));
}

}
