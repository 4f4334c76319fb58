#pragma once
// The value types of the graphics library in one include: enumerations,
// matrix, colours and colour names, fill, stroke, font, saved state and the
// vector path.

#include "graphics/GraphicsColorNames.h"
#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFillGradientItems.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsGradientStrips.h"
#include "graphics/GraphicsMatrix.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"

#pragma GCC visibility push(default)

#pragma GCC visibility pop
