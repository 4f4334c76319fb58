#include "graphics/GraphicsColors.h"

#include "utils/KestUtils.h"

#include <algorithm>

TColor ColorFromChannels(int red, int green, int blue) { return RGB(red, green, blue); }

TColor LightenColor(TColor color, std::uint8_t percentage)
{
    const TColor rgb = ColorToRGB(color);
    auto lighten = [percentage](int channel) {
        const int amount = std::min(TKestUtils::MulDivInt(255 - channel, percentage, 100), 255);
        // Above 100 % the sum passes 255; it stays white instead of wrapping.
        return std::min(channel + amount, 255);
    };
    return ColorFromChannels(lighten(GetRValue(rgb)), lighten(GetGValue(rgb)), lighten(GetBValue(rgb)));
}

TColor StoredGraphicsColor(TColor color)
{
    if (color == clNone)
        return gcNull;
    if (color == clDefault)
        return clBtnFace;
    return color;
}
