#include "graphics/KestGraphicsContext.h"

#include "graphics/win/KestGraphicsContextWin.h"

const TKestGraphicsContextClasses& KestGraphicsContextClasses()
{
    static const TKestGraphicsContextClasses classes = [] {
        TKestGraphicsContextClasses c;
        c.Native = &TKestGraphicsContextWin::Create;
        return c;
    }();
    return classes;
}
