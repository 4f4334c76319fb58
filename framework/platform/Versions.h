#pragma once
// Version answers of the operating system and of its modules.

#include "framework/platform/PlatformService.h"

#include <QString>
#include <optional>

#pragma GCC visibility push(default)

namespace Platform {

struct TOSVersion {
    int Major = 0;
    int Minor = 0;
    friend bool operator==(const TOSVersion&, const TOSVersion&) = default;
};

class IVersions {
public:
    virtual ~IVersions();
    // The version the platform reports to programs; nothing on failure.
    virtual std::optional<TOSVersion> ReportedVersion() const = 0;
    // The kernel's own version call, which no compatibility layer alters;
    // nothing when the call is missing or fails.
    virtual std::optional<TOSVersion> KernelVersion() const = 0;
    // The most significant word pair of a module's file version (major in
    // bits 16 to 31, minor below), or -1 when the module or its version
    // information is missing.
    virtual qint32 FileVersion(const QString& module) const = 0;
};

template <>
IVersions& NativeService<IVersions>();

inline IVersions& Versions() { return Current<IVersions>(); }

inline constexpr const char* CommonControlsModule = "COMCTL32.DLL";

}

#pragma GCC visibility pop
