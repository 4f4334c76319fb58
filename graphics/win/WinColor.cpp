#include "graphics/win/WinColor.h"

#include "graphics/GraphicsColors.h"
#include "framework/Rounding.h"
#include "gdiplus/KestGDIPlusApi.h"

namespace KestGraphicsWin {

using namespace GdiplusFlat;

BYTE WinAlpha(float opacity)
{
    if (!(opacity > 0))
        return 0;
    if (opacity >= 1)
        return 255;
    return BYTE(Kest::Round(opacity * 255.0));
}

ARGB WinColor(TColor color, float opacity)
{
    if (color == gcNull)
        return 0;
    const TColor rgb = ColorToRGB(color);
    return KestGDIPlusApi::GPColorFromChannels(WinAlpha(opacity), BYTE(GetRValue(rgb)), BYTE(GetGValue(rgb)),
                                               BYTE(GetBValue(rgb)));
}

}
