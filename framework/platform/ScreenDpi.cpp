#include "framework/platform/ScreenDpi.h"

Platform::IScreenDpi::~IScreenDpi() = default;
