#include "CloneProbe.h"

#include "framework/TypeInfo.h"

void KestTestModuleInit() { TypeInfo::RegisterClass<TCloneProbe>(); }
