#pragma once

#pragma GCC visibility push(default)
// Start-up of the graphics library: registers its value classes by name, so
// that stored documents can make fills, strokes, fonts, colour objects and
// gradient stops. Calling it again does nothing.

namespace KestGraphics {

void RegisterModule();

}

#pragma GCC visibility pop
