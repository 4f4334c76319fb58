// Colour values from any text: -1 or an RGB colour (never a system colour
// or another marker), and an alpha in 0..255; never an exception.

#include "graphics/svg/KestGraphicsSVGColor.h"

#include <QString>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    int alpha = -1;
    const TColor color = TKestGraphicsSVGColor::Parse(text, alpha);
    if (color != TColor(-1) && (color < 0 || color > 0xFFFFFF))
        __builtin_trap();
    if (alpha < 0 || alpha > 255)
        __builtin_trap();
    return 0;
}
