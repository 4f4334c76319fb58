#include "framework/FormatString.h"

#include "framework/Exception.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

class TFormatter {
public:
    TFormatter(const QString& format, std::initializer_list<TFormatArgument> arguments,
               const TFormatSettings& settings)
        : FFormat(format), FArguments(arguments), FSettings(settings)
    {
    }

    QString Run()
    {
        QString out;
        while (FPos < FFormat.size()) {
            const QChar c = FFormat[FPos++];
            if (c != QLatin1Char('%'))
                out += c;
            else if (FPos < FFormat.size() && FFormat[FPos] == QLatin1Char('%'))
                out += FFormat[FPos++];
            else
                out += Directive();
        }
        return out;
    }

private:
    [[noreturn]] void Invalid() const
    {
        throw EConvertError(
            Exception::Format(QStringLiteral("Format '%s' invalid or incompatible with argument"), FFormat));
    }

    const TFormatArgument& Next()
    {
        if (FNext >= FArguments.size())
            throw EConvertError(Exception::Format(QStringLiteral("No argument for format '%s'"), FFormat));
        return FArguments[FNext++];
    }

    // Digits, or "*" for the next (integer) argument; -1 when absent.
    int Number()
    {
        if (FPos < FFormat.size() && FFormat[FPos] == QLatin1Char('*')) {
            ++FPos;
            const auto* value = std::get_if<qint64>(&Next());
            if (!value)
                Invalid();
            return int(std::clamp<qint64>(*value, -1, MaxField));
        }
        int value = -1;
        while (FPos < FFormat.size() && FFormat[FPos].isDigit() && FFormat[FPos].unicode() < 128) {
            value = std::min<qint64>(qint64(std::max(value, 0)) * 10 + FFormat[FPos].digitValue(), MaxField);
            ++FPos;
        }
        return value;
    }

    QString Directive()
    {
        // [index ":"] ["-"] [width] ["." precision] type
        int width = Number();
        if (FPos < FFormat.size() && FFormat[FPos] == QLatin1Char(':')) {
            // An index chooses the argument; later directives go on from it.
            FNext = size_t(std::max(width, 0));
            ++FPos;
            width = -1;
        }
        bool left = false;
        if (width < 0) {
            if (FPos < FFormat.size() && FFormat[FPos] == QLatin1Char('-')) {
                left = true;
                ++FPos;
            }
            width = Number();
        }
        int precision = -1;
        if (FPos < FFormat.size() && FFormat[FPos] == QLatin1Char('.')) {
            ++FPos;
            precision = Number();
        }
        if (FPos >= FFormat.size())
            Invalid();
        const QChar type = FFormat[FPos++].toLower();
        QString text = Convert(type.unicode() < 128 ? type.toLatin1() : '?', precision);
        if (width > text.size())
            text = left ? text.leftJustified(width) : text.rightJustified(width);
        return text;
    }

    QString Convert(char type, int precision)
    {
        const TFormatArgument& argument = Next();
        switch (type) {
        case 'd':
        case 'u':
        case 'x': {
            const auto* value = std::get_if<qint64>(&argument);
            if (!value)
                Invalid();
            qint64 v = *value;
            if (type == 'u' && v < 0)
                v = qint64(quint32(v));
            // Negative numbers in hexadecimal are their 32-bit pattern.
            QString digits = type == 'x' ? QString::number(v < 0 ? quint64(quint32(v)) : quint64(v), 16).toUpper()
                                         : QString::number(v);
            const bool negative = digits.startsWith(QLatin1Char('-'));
            if (negative)
                digits.remove(0, 1);
            if (precision > digits.size())
                digits = digits.rightJustified(precision, QLatin1Char('0'));
            return negative ? QLatin1Char('-') + digits : digits;
        }
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm': {
            const auto* value = std::get_if<double>(&argument);
            if (!value)
                Invalid();
            return Number(type, *value, precision);
        }
        case 's': {
            const auto* value = std::get_if<QString>(&argument);
            if (!value)
                Invalid();
            return precision >= 0 ? value->left(precision) : *value;
        }
        default:
            Invalid();
        }
    }

    QString Number(char type, double value, int precision) const
    {
        if (std::isnan(value))
            return QStringLiteral("NAN");
        if (std::isinf(value))
            return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
        QString text;
        switch (type) {
        case 'e': {
            // Precision counts all digits; the exponent has at least three.
            const int digits = std::clamp(precision < 0 ? 15 : precision, 1, 18);
            text = QString::number(value, 'e', digits - 1).toUpper();
            const int e = int(text.indexOf(QLatin1Char('E')));
            QString exponent = text.mid(e + 2);
            text = text.left(e + 2) + exponent.rightJustified(3, QLatin1Char('0'));
            break;
        }
        case 'g':
            text = QString::number(value, 'g', std::clamp(precision < 0 ? 15 : precision, 1, 18)).toUpper();
            break;
        default:
            text = QString::number(value, 'f', std::clamp(precision < 0 ? 2 : precision, 0, 18));
            break;
        }
        const int point = int(text.indexOf(QLatin1Char('.')));
        if (point >= 0)
            text[point] = FSettings.DecimalSeparator;
        if (type == 'n' || type == 'm')
            text = GroupThousands(text, point);
        return text;
    }

    QString GroupThousands(const QString& text, int point) const
    {
        const int sign = text.startsWith(QLatin1Char('-')) ? 1 : 0;
        int end = point >= 0 ? point : int(text.size());
        QString out = text;
        for (int i = end - 3; i > sign; i -= 3)
            out.insert(i, FSettings.ThousandSeparator);
        return out;
    }

    // Longer fields than this are no format anyone means.
    static constexpr qint64 MaxField = 4096;

    const QString& FFormat;
    std::vector<TFormatArgument> FArguments;
    const TFormatSettings& FSettings;
    int FPos = 0;
    size_t FNext = 0;
};

}

QString FormatString(const QString& format, std::initializer_list<TFormatArgument> arguments,
                     const TFormatSettings& settings)
{
    return TFormatter(format, arguments, settings).Run();
}
