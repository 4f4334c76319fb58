#include "graphics/svg/KestGraphicsSVGModule.h"
#include "pictures/KestTypes.h"

// Image elements load their pictures through the registered formats; SVG
// pictures and glyphs draw through the engine.
void KestTestModuleInit()
{
    KestTypes::RegisterModule();
    KestGraphicsSVGModule::RegisterModule();
}
