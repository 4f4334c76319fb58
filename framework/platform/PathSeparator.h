#pragma once
// The separator between the folders of a path on this platform.

#include <QChar>

#pragma GCC visibility push(default)

inline constexpr QChar kPathSeparator = u'/';

#pragma GCC visibility pop
