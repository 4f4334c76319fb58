// Texts a canvas reads from its clients: format strings of progress bars
// (with a number, an integer and a text as arguments) and HTML colour texts
// and colour names. Each either answers or raises the framework's exception.

#include "framework/Exception.h"
#include "framework/FormatString.h"
#include "graphics/GraphicsColors.h"
#include "graphics/KestGraphics.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        switch (mode % 3) {
        case 0:
            FormatString(text, {12.5, qint64(mode), QStringLiteral("text")});
            break;
        case 1: {
            const TColor color = TKestGraphics::HTMLToColor(text);
            // What reads back must write out as a text that reads back alike.
            if (color != gcNull && TKestGraphics::HTMLToColor(TKestGraphics::ColorToHTML(color)) != color)
                __builtin_trap();
            break;
        }
        default:
            TKestGraphics::TextToColor(text);
            break;
        }
    } catch (const Exception&) {
    }
    return 0;
}
