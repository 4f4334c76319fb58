#include "framework/platform/DesktopTheme.h"

Platform::IDesktopTheme::~IDesktopTheme() = default;
