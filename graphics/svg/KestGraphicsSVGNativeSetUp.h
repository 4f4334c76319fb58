#pragma once
// Prepares a canvas of the platform back-end for a document drawn on a
// canvas of its own: a surface of the target's size, anti-aliasing,
// half-pixel offsets and high-quality compositing; and hands the scene to
// the surface afterwards.

#include "framework/FloatGeometry.h"

#pragma GCC visibility push(default)

class TKestGraphics;

namespace TKestGraphicsSVGNativeSetUp {
void Begin(TKestGraphics& graphics, const TRectF& target);
void End(TKestGraphics& graphics);
}

#pragma GCC visibility pop
