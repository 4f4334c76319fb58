#include "MinimalSVGImport.h"

#include "pictures/KestTypes.h"

void KestTestModuleInit()
{
    KestTypes::RegisterModule();
    TKestSVGImport::RegisterFactory([] { return std::make_unique<TMinimalSVGImport>(); });
}
