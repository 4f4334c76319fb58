// Versions on Linux: a current desktop, classed like the newest platform the
// styles know; there is no kernel version call to ask and no module with
// version resources, so those answers are missing.

#include "framework/platform/Versions.h"

namespace Platform {

namespace {

class TLinuxVersions : public IVersions {
public:
    std::optional<TOSVersion> ReportedVersion() const override { return TOSVersion{10, 0}; }
    std::optional<TOSVersion> KernelVersion() const override { return std::nullopt; }
    qint32 FileVersion(const QString&) const override { return -1; }
};

}

template <>
IVersions& NativeService<IVersions>()
{
    static TLinuxVersions versions;
    return versions;
}

}
