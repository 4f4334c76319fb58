#include "framework/platform/ShellNamespace.h"

#include "framework/platform/linux/LinuxShellNamespace.h"

IShellNamespace::~IShellNamespace() = default;

namespace Platform {

namespace {

std::unique_ptr<IShellNamespace>& Installed()
{
    static std::unique_ptr<IShellNamespace> installed;
    return installed;
}

}

IShellNamespace& Shell()
{
    static LinuxShellNamespace native;
    return Installed() ? *Installed() : native;
}

std::unique_ptr<IShellNamespace> SetShell(std::unique_ptr<IShellNamespace> shell)
{
    std::swap(Installed(), shell);
    return shell;
}

}
