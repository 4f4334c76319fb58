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

TColorTones MakeMetroTones(bool Light, TColor AccentColor, TColor)
{
    const TColor hover = DarkerColor(AccentColor, 20);
    return {
        {Light ? 0xFFFFFF : 0x000000, AccentColor, Light ? 0x000000 : 0xFFFFFF},
        {0xC0C0C0, 0xC0C0C0, 0x000000},
        {AccentColor, AccentColor, 0xFFFFFF},
        {hover, hover, 0xFFFFFF},
        {0xC0C0C0, 0x808080, 0x808080},
    };
}

TColor DarkerColor(TColor AColor, int Percent)
{
    const TColor rgb = ColorToRGB(AColor);
    // A percentage above 100 would go below black; keep the channel at 0
    // instead of letting it wrap into the neighbouring byte.
    auto scale = [Percent](int channel) { return std::clamp(Kest::Round(channel * (100.0 - Percent) / 100.0), 0, 255); };
    return RGB(scale(GetRValue(rgb)), scale(GetGValue(rgb)), scale(GetBValue(rgb)));
}

}
