#include "graphics/svg/KestGraphicsSVGModule.h"

#include "graphics/svg/KestGraphicsSVGImport.h"

namespace KestGraphicsSVGModule {

void RegisterModule()
{
    TKestSVGImport::RegisterFactory([] { return std::make_unique<TKestGraphicsSVGImport>(); });
}

void UnregisterModule() { TKestSVGImport::UnregisterFactory(); }

}
