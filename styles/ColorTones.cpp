#include "styles/ColorTones.h"

#include "framework/Rounding.h"

#include <algorithm>

namespace KestStyles {

TColorTones DefaultColorTones()
{
    return {
        {clWindow, clHighlight, clWindowText},
        {0xC0C0C0, 0xC0C0C0, 0x000000},
        {clHighlight, clHighlight, clHighlightText},
        {0x808080, 0x808080, 0xFFFFFF},
        {clWindow, 0xC0C0C0, 0xC0C0C0},
    };
}

TColorTones MakeMetroTones(bool light, TColor accentColor, TColor)
{
    const TColor hover = DarkerColor(accentColor, 20);
    return {
        {light ? 0xFFFFFF : 0x000000, accentColor, light ? 0x000000 : 0xFFFFFF},
        {0xC0C0C0, 0xC0C0C0, 0x000000},
        {accentColor, accentColor, 0xFFFFFF},
        {hover, hover, 0xFFFFFF},
        {0xC0C0C0, 0x808080, 0x808080},
    };
}

TColor DarkerColor(TColor color, int percent)
{
    const TColor rgb = ColorToRGB(color);
    // A percentage above 100 would go below black; keep the channel at 0
    // instead of letting it wrap into the neighbouring byte.
    auto scale = [percent](int channel) { return std::clamp(Kest::Round(channel * (100.0 - percent) / 100.0), 0, 255); };
    return RGB(scale(GetRValue(rgb)), scale(GetGValue(rgb)), scale(GetBValue(rgb)));
}

}
