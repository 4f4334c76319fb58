#pragma once
// The value types of the graphics library in one include: enumerations,
// matrix, colours and colour names, stroke, font and the vector path.

#include "graphics/GraphicsColorNames.h"
#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsEnums.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsMatrix.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsStroke.h"
