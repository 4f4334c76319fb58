#pragma once
// Picks a default style from the user's system: the office suite's colour
// theme when one is installed, else the visual theme's colour scheme (when
// asked for), else the platform generation and its light or dark mode.

#include "styles/ZPXStyle.h"

#pragma GCC visibility push(default)

namespace KestStyles {

// Registry reads may raise ERegistryError (an office "Theme" value stored as
// text); it reaches the caller.
TZPXStyle DetectSystemStyle(bool preferVisualTheme);
// tsOffice2019Black when applications use the dark theme, else tsWindows10.
TZPXStyle GetWindows10Style();

}

using KestStyles::DetectSystemStyle;
using KestStyles::GetWindows10Style;

#pragma GCC visibility pop
