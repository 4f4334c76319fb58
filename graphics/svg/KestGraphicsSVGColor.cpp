#include "graphics/svg/KestGraphicsSVGColor.h"

#include "graphics/KestGraphics.h"
#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGValues.h"
#include "utils/HexDigits.h"

#include <algorithm>
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
        value = Clamped(std::min(double(number), 100.0) * 255 / 100);
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
        return TKestGraphicsSVGValues::TryNumber(text.chopped(1), number) ? Clamped(std::min(double(number), 100.0) * 255 / 100)
                                                                          : 255;
    if (!TKestGraphicsSVGValues::TryNumber(text, number))
        return 255;
    return number <= 1 ? Clamped(double(number) * 255) : Clamped(number);
}

bool RGBChannels(const QList<QStringView>& parts, int (&channels)[3])
{
    for (int i = 0; i < 3; ++i)
        if (!Component(parts[i], channels[i]))
            return false;
    return true;
}

// A hue in degrees, saturation and lightness as percentages (or plain
// numbers read as percentages).
bool HSLChannels(const QList<QStringView>& parts, int (&channels)[3])
{
    float hue = 0, saturation = 0, lightness = 0;
    QStringView hueText = parts[0].trimmed();
    if (hueText.endsWith(QLatin1String("deg")))
        hueText.chop(3);
    QStringView s = parts[1].trimmed(), l = parts[2].trimmed();
    if (s.endsWith(u'%'))
        s.chop(1);
    if (l.endsWith(u'%'))
        l.chop(1);
    if (!TKestGraphicsSVGValues::TryNumber(hueText, hue) || !TKestGraphicsSVGValues::TryNumber(s, saturation)
        || !TKestGraphicsSVGValues::TryNumber(l, lightness))
        return false;
    const double h = std::fmod(std::fmod(double(hue), 360.0) + 360.0, 360.0) / 60.0;
    const double sat = std::clamp(double(saturation) / 100, 0.0, 1.0);
    const double light = std::clamp(double(lightness) / 100, 0.0, 1.0);
    const double chroma = (1 - std::fabs(2 * light - 1)) * sat;
    const double x = chroma * (1 - std::fabs(std::fmod(h, 2.0) - 1));
    const double m = light - chroma / 2;
    const int sector = std::min(int(h), 5);
    const double rgb[6][3] = {{chroma, x, 0}, {x, chroma, 0}, {0, chroma, x},
                              {0, x, chroma}, {x, 0, chroma}, {chroma, 0, x}};
    for (int i = 0; i < 3; ++i)
        channels[i] = Clamped((rgb[sector][i] + m) * 255);
    return true;
}

}

TColor TKestGraphicsSVGColor::FromHTML(QStringView text, int& alpha)
{
    alpha = 255;
    // "#rgba" and "#rrggbbaa": the last digits are the alpha.
    if (text.size() == 5 || text.size() == 9) {
        const bool shortForm = text.size() == 5;
        alpha = shortForm ? KestHex::Value(text[4]) * 17 : HexPair(text, 7);
        if (alpha < 0) {
            alpha = 255;
            return gcNull;
        }
        return FromHTML(text.chopped(shortForm ? 1 : 2));
    }
    return FromHTML(text);
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
    const bool hsl = name.compare(u"hsl", Qt::CaseInsensitive) == 0 || name.compare(u"hsla", Qt::CaseInsensitive) == 0;
    if (!hsl && name.compare(u"rgb", Qt::CaseInsensitive) != 0 && name.compare(u"rgba", Qt::CaseInsensitive) != 0)
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
    if (hsl ? !HSLChannels(parts, channels) : !RGBChannels(parts, channels))
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
        return FromHTML(text, alpha);
    if (text.startsWith(QLatin1String("rgb"), Qt::CaseInsensitive)
        || text.startsWith(QLatin1String("hsl"), Qt::CaseInsensitive))
        return FromRGB(text, alpha);
    return FromName(text);
}
