#include "PersistenceFixtures.h"

#include "framework/FrameworkModule.h"
#include "graphics/GraphicsModule.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pictures/KestTypes.h"

// The framework's classes and event types, the libraries' value classes,
// the SVG importer and the persistence fixtures.
void KestTestModuleInit()
{
    KestFramework::RegisterModule();
    KestTypes::RegisterModule();
    KestGraphics::RegisterModule();
    TKestSVGImport::RegisterFactory([] { return std::make_unique<TKestGraphicsSVGImport>(); });
    RegisterFixtureClasses();
}
