#include "styles/StylesModule.h"

#include "framework/TypeInfo.h"
#include "styles/KestFormStyler.h"

namespace KestStyles {

void RegisterModule() { TypeInfo::RegisterClass<TKestFormStyler>(); }

}
