#pragma once

#pragma GCC visibility push(default)
// Start-up of the SVG engine: SVG pictures parse and draw through it once
// it is registered.

namespace KestGraphicsSVGModule {
// Makes TKestSVGImport::Create give the engine's importer.
void RegisterModule();
void UnregisterModule();
}

#pragma GCC visibility pop
