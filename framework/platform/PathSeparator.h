#pragma once
// The separator between the folders of a path on this platform.

#include <QChar>

inline constexpr QChar kPathSeparator = u'/';
