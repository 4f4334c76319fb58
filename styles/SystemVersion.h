#pragma once

#pragma GCC visibility push(default)
// What the styles need to know of the platform's version and visual theme.

namespace KestStyles {

// 1 for the 6.1 generation, 2 for 6.2 and 6.3, 3 for 6.4 and every 10.x,
// 0 for anything else or an unknown version.
int GetWindowsVersionClass();
// Major version above 5, or 5 with a minor version other than 0.
bool IsXPOrLater();
// The major version byte of the common-controls module is above 5 (a missing
// module reads as -1, whose byte is 255).
bool IsCommonControlsV6();
// Colour scheme of the active visual theme: 1 "NormalColor", 2 "HomeStead",
// 3 "Metallic", 0 none of these or no theme.
int GetXPThemeColor();

}

using KestStyles::GetWindowsVersionClass;
using KestStyles::GetXPThemeColor;
using KestStyles::IsCommonControlsV6;
using KestStyles::IsXPOrLater;

#pragma GCC visibility pop
