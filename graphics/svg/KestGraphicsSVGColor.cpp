#include "graphics/svg/KestGraphicsSVGColor.h"

#include "graphics/KestGraphics.h"
#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGValues.h"
#include "utils/HexDigits.h"

#include <cmath>

namespace {

// Two digits at index; -1 when either is missing or not hexadecimal.
int HexPair(QStringView text, qsizetype index)
{
    if (index + 1 >= text.size())
        return -1;
    const int high = KestHex::Value(text[index]), low = KestHex::Value(text[index + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

int Clamped(double value) { return value <= 0 ? 0 : value >= 255 ? 255 : int(std::nearbyint(value)); }

// One rgb() component: a percentage, a decimal number or a hexadecimal one
// (with or without "#"); false when it is none of them.
bool Component(QStringView text, int& value)
{
    text = text.trimmed();
    float number = 0;
    if (text.endsWith(u'%')) {
        if (!TKestGraphicsSVGValues::TryNumber(text.chopped(1), number))
            return false;
        value = Clamped(std::min(double(number), 100.0) * 2.55);
        return true;
    }
    if (TKestGraphicsSVGValues::TryNumber(text, number)) {
        value = Clamped(number);
        return true;
    }
    if (text.startsWith(u'#'))
        text = text.mid(1);
    if (text.isEmpty() || text.size() > 8)
        return false;
    qint64 hex = 0;
    for (QChar c : text) {
        const int digit = KestHex::Value(c);
        if (digit < 0)
            return false;
        hex = hex * 16 + digit;
    }
    value = Clamped(double(hex));
    return true;
}

// The alpha of rgba(): a fraction 0..1 as CSS writes it, a percentage, or
// (above 1) a byte value.
int Alpha(QStringView text)
{
    text = text.trimmed();
    float number = 0;
    if (text.endsWith(u'%'))
        return TKestGraphicsSVGValues::TryNumber(text.chopped(1), number) ? Clamped(std::min(double(number), 100.0) * 2.55)
                                                                          : 255;
    if (!TKestGraphicsSVGValues::TryNumber(text, number))
        return 255;
    return number <= 1 ? Clamped(double(number) * 255) : Clamped(number);
}

}

TColor TKestGraphicsSVGColor::FromHTML(QStringView text)
{
    if (text.isEmpty())
        return gcNull;
    int red, green, blue;
    if (text.size() == 4) {
        red = KestHex::Value(text[1]);
        green = KestHex::Value(text[2]);
        blue = KestHex::Value(text[3]);
        if (red < 0 || green < 0 || blue < 0)
            return gcNull;
        red *= 17;
        green *= 17;
        blue *= 17;
    } else {
        red = HexPair(text, 1);
        green = HexPair(text, 3);
        blue = HexPair(text, 5);
        if (red < 0 || green < 0 || blue < 0)
            return gcNull;
    }
    return ColorFromChannels(red, green, blue);
}

TColor TKestGraphicsSVGColor::FromRGB(QStringView text, int& alpha)
{
    alpha = 255;
    text = text.trimmed();
    qsizetype open = text.indexOf(u'(');
    if (open < 0 || !text.endsWith(u')'))
        return gcNull;
    const QStringView name = text.left(open).trimmed();
    const bool withAlpha = name == u"rgba";
    if (!withAlpha && name != u"rgb")
        return gcNull;
    const QStringView inside = text.mid(open + 1, text.size() - open - 2);
    // Commas or, as newer documents write it, spaces and a "/" before alpha.
    QList<QStringView> parts;
    if (inside.contains(u','))
        parts = inside.split(u',');
    else
        for (QStringView part : inside.split(u' ', Qt::SkipEmptyParts))
            if (part != u"/")
                parts.append(part);
    if (parts.size() != 3 && parts.size() != 4)
        return gcNull;
    int channels[3];
    for (int i = 0; i < 3; ++i)
        if (!Component(parts[i], channels[i]))
            return gcNull;
    if (parts.size() == 4)
        alpha = Alpha(parts[3]);
    return ColorFromChannels(channels[0], channels[1], channels[2]);
}

TColor TKestGraphicsSVGColor::FromName(QStringView text)
{
    // The canvas's colour names: "cl" and "gc" prefixes taken, unknown names 0.
    return TKestGraphics::TextToColor(text.trimmed().toString());
}

TColor TKestGraphicsSVGColor::Parse(QStringView text, int& alpha)
{
    alpha = 255;
    text = text.trimmed();
    if (text.startsWith(u'#'))
        return FromHTML(text);
    if (text.startsWith(QLatin1String("rgb")))
        return FromRGB(text, alpha);
    return FromName(text);
}
