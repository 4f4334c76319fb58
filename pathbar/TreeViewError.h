#pragma once

#include "framework/Exception.h"

// Errors of the path bar's node tree.
KEST_DECLARE_EXCEPTION(ETreeViewError, Exception)
