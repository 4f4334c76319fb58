#include "graphics/KestGraphicsContext.h"

const TKestGraphicsContextClasses& KestGraphicsContextClasses()
{
    static const TKestGraphicsContextClasses classes{};
    return classes;
}
