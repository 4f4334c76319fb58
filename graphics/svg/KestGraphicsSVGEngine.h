#pragma once
// The SVG engine: the element model, the importer and the parsers of its
// values, in one header for its users.

#include "graphics/svg/KestGraphicsSVGColor.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "graphics/svg/KestGraphicsSVGPathData.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

#pragma GCC visibility push(default)

#pragma GCC visibility pop
