#include "utils/DotNumbers.h"

#include "framework/Exception.h"

#include <QByteArray>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// Roughly the decimal exponent of the value (positive for large values,
// negative for small ones); tells an overflow from an underflow.
long Magnitude(const char* p, const char* end)
{
    long integerDigits = 0;
    long fractionZeros = 0;
    bool inFraction = false;
    bool significant = false;
    for (; p < end && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            inFraction = true;
        } else if (!inFraction) {
            if (significant || *p != '0') {
                significant = true;
                ++integerDigits;
            }
        } else if (!significant) {
            if (*p != '0')
                significant = true;
            else
                ++fractionZeros;
        }
    }
    long exponent = 0;
    if (p < end) {
        ++p;
        bool minus = p < end && *p == '-';
        if (p < end && (*p == '-' || *p == '+'))
            ++p;
        for (; p < end && exponent < 1000000; ++p)
            exponent = exponent * 10 + (*p - '0');
        if (minus)
            exponent = -exponent;
    }
    return (integerDigits > 0 ? integerDigits : -fractionZeros) + exponent;
}

}

bool KestDot::NumberToDouble(const char* begin, const char* end, double& value)
{
    auto r = std::from_chars(begin, end, value, std::chars_format::general);
    if (r.ec == std::errc() && r.ptr == end)
        return std::isfinite(value);
    if (r.ec != std::errc::result_out_of_range || r.ptr != end)
        return false;
    if (Magnitude(*begin == '-' ? begin + 1 : begin, end) > 0)
        return false;
    value = *begin == '-' ? -0.0 : 0.0;
    return true;
}

bool KestDot::TryTextToDouble(QStringView text, double& value)
{
    text = text.trimmed();
    if (text.isEmpty() || text.size() > 1024)
        return false;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
        bytes.append(char(c.unicode()));
    }
    const char* p = bytes.constData();
    const char* end = p + bytes.size();
    bool minus = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    if (p == end || !((*p >= '0' && *p <= '9') || *p == '.'))
        return false;
    if (!NumberToDouble(p, end, value))
        return false;
    if (minus)
        value = -value;
    return std::isfinite(value);
}

double KestDot::TextToDouble(const QString& text)
{
    double value;
    if (!TryTextToDouble(text, value))
        throw EConvertError(Exception::Format(QStringLiteral("'%s' is not a valid floating point value"), text));
    return value;
}

namespace {

template <typename Int>
bool TextToInt(const QString& text, Int& value)
{
    if (text.isEmpty() || text.size() > 40)
        return false;
    char bytes[41] = {};
    qsizetype n = 0;
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
        bytes[n++] = char(c.unicode());
    }
    const char* p = bytes;
    const char* end = bytes + n;
    if (*p == '+')
        ++p;
    if (p == end || *p == '+')
        return false;
    auto r = std::from_chars(p, end, value);
    return r.ec == std::errc() && r.ptr == end;
}

}

bool KestDot::TextToInt64(const QString& text, qint64& value) { return TextToInt(text, value); }

bool KestDot::TextToInt32(const QString& text, int& value) { return TextToInt(text, value); }

int KestDot::FormatDouble(double value, char* out)
{
    // Shortest round-trip digits in scientific form: [-]d[.ddd]e[+-]xx.
    char sci[MaxDoubleText];
    auto r = std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific);
    const char* p = sci;
    char* o = out;
    if (*p == '-')
        *o++ = *p++;
    char digits[24];
    int n = 0;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (*p != '.')
            digits[n++] = *p;
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), r.ptr, exponent);
    // Fixed notation while the magnitude is at least 0.00001 and the integer
    // part has at most 15 digits.
    if (exponent >= -5 && exponent < 15) {
        if (exponent < 0) {
            *o++ = '0';
            *o++ = '.';
            for (int i = 0; i < -exponent - 1; ++i)
                *o++ = '0';
            o = std::copy(digits, digits + n, o);
        } else {
            int whole = exponent + 1;
            o = std::copy(digits, digits + std::min(n, whole), o);
            for (int i = n; i < whole; ++i)
                *o++ = '0';
            if (n > whole) {
                *o++ = '.';
                o = std::copy(digits + whole, digits + n, o);
            }
        }
        return int(o - out);
    }
    *o++ = digits[0];
    if (n > 1) {
        *o++ = '.';
        o = std::copy(digits + 1, digits + n, o);
    }
    *o++ = 'E';
    o = std::to_chars(o, out + MaxDoubleText, exponent).ptr;
    return int(o - out);
}

QString KestDot::DoubleToText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    char text[MaxDoubleText];
    return QString::fromLatin1(text, FormatDouble(value, text));
}
