#pragma once
// The one failure of the drawing binding that is not a status code: the
// drawing library or one of its functions is not there at all.

#include "framework/Exception.h"

#pragma GCC visibility push(default)

KEST_DECLARE_EXCEPTION(EGdiplusError, Exception)

namespace Messages {
inline constexpr const char* GdiplusNotLoaded = "The drawing library %s could not be loaded: %s";
inline constexpr const char* GdiplusNoFunction = "The drawing library %s has no function %s";
inline constexpr const char* GdiplusNotStarted = "The drawing library %s could not be started";
}

#pragma GCC visibility pop
