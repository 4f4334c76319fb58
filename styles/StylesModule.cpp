#include "styles/StylesModule.h"

#include "framework/TypeInfo.h"
#include "styles/KestAppStyler.h"
#include "styles/KestFormStyler.h"
#include "styles/StyleEvents.h"
#include "styles/ThemeNotifierWindow.h"

namespace KestStyles {

void RegisterModule()
{
    RegisterStyleEventTypes();
    TypeInfo::RegisterClass<TKestFormStyler>();
    TypeInfo::RegisterClass<TKestAppStyler>();
}

}
