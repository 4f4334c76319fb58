#include "graphics/KestGraphicsContext.h"
#include "graphics/KestGraphicsContextGeneral.h"

const TKestGraphicsContextClasses& KestGraphicsContextClasses()
{
    static const TKestGraphicsContextClasses classes{
        .General = &TKestGraphicsContextGeneral::Make,
    };
    return classes;
}
