#include "graphics/svg/KestGraphicsSVGValues.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double PixelsPerInch = 90.0;

bool IsSpace(QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f'; }

QStringView Trimmed(QStringView text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && IsSpace(text[begin]))
        ++begin;
    while (end > begin && IsSpace(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Only the characters a decimal number may hold; anything else (letters of
// "inf" or "nan" too) makes the text malformed.
bool IsNumberChar(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'e' || c == u'E' || c == u'+' || c == u'-';
}

bool EndsWithUnit(QStringView text, const char* unit)
{
    return text.endsWith(QLatin1String(unit), Qt::CaseSensitive);
}

}

bool TKestGraphicsSVGValues::TryNumber(QStringView text, float& value)
{
    text = Trimmed(text);
    if (text.isEmpty())
        return false;
    char small[64];
    std::string large;
    char* buffer = small;
    if (text.size() >= qsizetype(sizeof small)) {
        large.resize(size_t(text.size()));
        buffer = large.data();
    }
    qsizetype length = 0;
    for (QChar c : text) {
        if (!IsNumberChar(c))
            return false;
        buffer[length++] = char(c.unicode());
    }
    const char* begin = buffer;
    const char* end = buffer + length;
    // from_chars takes no leading "+"; a second sign is still refused below.
    if (*begin == '+') {
        ++begin;
        if (begin == end || *begin == '-' || *begin == '+')
            return false;
    }
    double parsed = 0;
    const auto result = std::from_chars(begin, end, parsed);
    if (result.ec != std::errc() || result.ptr != end || !std::isfinite(parsed)
        || std::fabs(parsed) > double(std::numeric_limits<float>::max()))
        return false;
    value = float(parsed);
    return true;
}

float TKestGraphicsSVGValues::Number(QStringView text)
{
    float value = 0;
    return TryNumber(text, value) ? value : 0.0f;
}

float TKestGraphicsSVGValues::Length(QStringView text)
{
    text = Trimmed(text);
    struct TUnit {
        const char* Name;
        double Factor;
    };
    static const TUnit units[] = {
        {"px", 1},   {"pt", PixelsPerInch / 72},          {"pc", PixelsPerInch / 6},
        {"mm", PixelsPerInch / 25.4}, {"cm", PixelsPerInch / 2.54}, {"in", PixelsPerInch},
        {"em", 1},   {"ex", 1},
    };
    double factor = 1;
    for (const TUnit& unit : units) {
        if (EndsWithUnit(text, unit.Name)) {
            text.chop(2);
            factor = unit.Factor;
            break;
        }
    }
    if (factor == 1 && text.endsWith(u'%'))
        text.chop(1);
    const double value = double(Number(text)) * factor;
    return std::fabs(value) > double(std::numeric_limits<float>::max()) ? 0.0f : float(value);
}

float TKestGraphicsSVGValues::Angle(QStringView text)
{
    text = Trimmed(text);
    double factor = 1;
    if (text.endsWith(QLatin1String("grad"))) {
        text.chop(4);
        factor = 0.9;
    } else if (text.endsWith(QLatin1String("rad"))) {
        text.chop(3);
        factor = 180.0 / M_PI;
    } else if (text.endsWith(QLatin1String("deg"))) {
        text.chop(3);
    }
    const double value = double(Number(text)) * factor;
    return std::fabs(value) > double(std::numeric_limits<float>::max()) ? 0.0f : float(value);
}

bool TKestGraphicsSVGValues::IsPercentage(QStringView text) { return Trimmed(text).endsWith(u'%'); }
