#pragma once

#include "framework/Exception.h"

#pragma GCC visibility push(default)

// Errors of the path bar's node tree.
KEST_DECLARE_EXCEPTION(ETreeViewError, Exception)

#pragma GCC visibility pop
