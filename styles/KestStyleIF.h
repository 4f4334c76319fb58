#pragma once
// The style catalogue, the style interfaces and system theme detection.

#include "styles/ColorTones.h"
#include "styles/ControlDPIScale.h"
#include "styles/FormStylerStyle.h"
#include "styles/StyleInterfaces.h"
#include "styles/SystemStyle.h"
#include "styles/SystemVersion.h"
#include "styles/ZPXStyle.h"

#pragma GCC visibility push(default)

#pragma GCC visibility pop
