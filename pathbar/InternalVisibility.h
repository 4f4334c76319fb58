#pragma once

#include <QtGlobal>

#pragma GCC visibility push(default)

// Marks a class of the bar's inside that a public header names ahead.
// A shared library keeps such classes out of its exports; a static one has
// nothing to hide, and marking them there only makes the compiler warn about
// the visible classes that hold them.
#if defined(KEST_SHARED_LIBRARY)
#define KEST_INTERNAL Q_DECL_HIDDEN
#else
#define KEST_INTERNAL
#endif

#pragma GCC visibility pop
