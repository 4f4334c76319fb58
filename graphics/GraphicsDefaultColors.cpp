#include "graphics/GraphicsDefaultColors.h"

TKestGraphicsDefaultColors& KestGraphicsDefaultColors()
{
    static TKestGraphicsDefaultColors colors;
    return colors;
}
