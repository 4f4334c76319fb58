#include "gdiplus/gdip/GDIPColors.h"

namespace KestGDIP {

using namespace GdiplusFlat;

ARGB ColorToGPColor(TColor color) { return ColorToGPColorAlpha(0xFF, color); }

ARGB ColorToGPColorAlpha(BYTE alpha, TColor color)
{
    TColor rgb = ColorToRGB(color);
    return ARGB(alpha) << 24 | ARGB(GetRValue(rgb)) << 16 | ARGB(GetGValue(rgb)) << 8 | ARGB(GetBValue(rgb));
}

}
