#include "LayoutProbe.h"

#include "framework/TypeInfo.h"

void KestTestModuleInit()
{
    TypeInfo::RegisterClass<TLayoutProbe>();
    TypeInfo::RegisterClass<TLayoutTestForm>();
}
