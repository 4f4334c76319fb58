#include "styles/StylesModule.h"

#include "framework/TypeInfo.h"

#include "StyleProbes.h"

void KestTestModuleInit()
{
    KestStyles::RegisterModule();
    TypeInfo::RegisterClass<TStyleProbe>();
}
