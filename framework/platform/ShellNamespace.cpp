#include "framework/platform/ShellNamespace.h"

Platform::IShellNamespace::~IShellNamespace() = default;
