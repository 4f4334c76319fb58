#pragma once
// The reduced wrapper class set, bound to the drawing library at link time,
// with the font, text and image-format helpers of the path bar and the
// picture container. Objects of this module are never handed to
// KestGDIPlusClasses.

#include "gdiplus/gdip/GDIPBrushes.h"
#include "gdiplus/gdip/GDIPColors.h"
#include "gdiplus/gdip/GDIPFonts.h"
#include "gdiplus/gdip/GDIPGraphics.h"
#include "gdiplus/gdip/GDIPImage.h"
#include "gdiplus/gdip/GDIPImageAttributes.h"
#include "gdiplus/gdip/GDIPMatrix.h"
#include "gdiplus/gdip/GDIPModule.h"
#include "gdiplus/gdip/GDIPPath.h"
#include "gdiplus/gdip/GDIPPen.h"
#include "gdiplus/gdip/GDIPRegion.h"
#include "gdiplus/gdip/GDIPStringFormat.h"

#pragma GCC visibility push(default)

#pragma GCC visibility pop
