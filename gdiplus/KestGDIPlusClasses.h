#pragma once
// The complete wrapper class set over the run-time bound drawing library.
// Objects of this module are never handed to KestGDIP's classes.

#include "gdiplus/classes/GPBrushes.h"
#include "gdiplus/classes/GPFonts.h"
#include "gdiplus/classes/GPGraphics.h"
#include "gdiplus/classes/GPImageAttributes.h"
#include "gdiplus/classes/GPImages.h"
#include "gdiplus/classes/GPLineCap.h"
#include "gdiplus/classes/GPMatrix.h"
#include "gdiplus/classes/GPModule.h"
#include "gdiplus/classes/GPPath.h"
#include "gdiplus/classes/GPPen.h"
#include "gdiplus/classes/GPRegion.h"
#include "gdiplus/classes/GPStringFormat.h"

#pragma GCC visibility push(default)

#pragma GCC visibility pop
