#include "graphics/KestGraphicsContext.h"
#include "graphics/KestGraphicsContextGeneral.h"

#include "graphics/win/KestGraphicsContextWin.h"

const TKestGraphicsContextClasses& KestGraphicsContextClasses()
{
    static const TKestGraphicsContextClasses classes{
        .Native = &TKestGraphicsContextWin::Create,
        .General = &TKestGraphicsContextGeneral::Make,
    };
    return classes;
}
