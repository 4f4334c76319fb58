// The utility parsers on any text: JSON unescaping, the markup passes,
// matching and filter expressions, URL, hexadecimal and Base64 decoding.
// Each either answers or raises the framework's exception; the escaping and
// markup pairs give their text back. Run with -timeout so a slow match is
// reported.

#include "utils/KestUtils.h"

#include "framework/Exception.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    try {
        switch (mode % 6) {
        case 0:
            TKestUtils::UnescapeString(text);
            if (TKestUtils::UnescapeString(TKestUtils::EscapeString(text)) != text)
                __builtin_trap();
            break;
        case 1: {
            bool special = mode & 0x40;
            TKestUtils::HTMLStrip(text);
            TKestUtils::UnFixMarkup(text, special, mode & 0x80);
            // Characters above 255 may come back as numeric references,
            // which UnFixMarkup leaves alone.
            bool narrow = std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
            if (narrow && TKestUtils::UnFixMarkup(TKestUtils::FixMarkup(text, special), special, false) != text)
                __builtin_trap();
            break;
        }
        case 2: {
            // Pattern and value split at the first line break.
            qsizetype cut = text.indexOf(QLatin1Char('\n'));
            QString pattern = cut < 0 ? text : text.left(cut);
            QString value = cut < 0 ? QString() : text.mid(cut + 1);
            TKestUtils::Matches(pattern, value);
            TKestUtils::MatchStrEx(pattern, value, mode & 0x40);
            break;
        }
        case 3:
            TKestUtils::URLDecode(text);
            if (TKestUtils::URLDecode(TKestUtils::URLEncode(text)) != QString::fromUtf8(text.toUtf8()))
                __builtin_trap();
            break;
        case 4:
            TKestUtils::HexStrToBytes(text);
            break;
        default:
            TKestUtils::Decode64ToBytes(text, mode & 0x40);
            break;
        }
    } catch (const Exception&) {
    }
    return 0;
}
