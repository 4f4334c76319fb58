#include "utils/DotNumbers.h"
#include "utils/KestUtils.h"

#include "framework/FormatSettings.h"

#include <cmath>
#include <limits>

int TKestUtils::MulDivInt(int nNumber, int nNumerator, int nDenominator)
{
    if (nDenominator == 0)
        return -1;
    double r = std::round(double(nNumber) * double(nNumerator) / double(nDenominator));
    // Like the zero denominator, a result beyond 32 bits has no answer.
    if (r < double(std::numeric_limits<int>::min()) || r > double(std::numeric_limits<int>::max()))
        return -1;
    return int(r);
}

double TKestUtils::MulDivSingle(double nNumber, double nNumerator, double nDenominator)
{
    if (nDenominator == 0)
        return -1;
    return nNumber * nNumerator / nDenominator;
}

double TKestUtils::StrToFloatDot(const QString& value) { return KestDot::TextToDouble(value); }

bool TKestUtils::TryStrToFloatDot(const QString& value, double& result)
{
    return KestDot::TryTextToDouble(value, result);
}

QString TKestUtils::FloatToStrDot(double value) { return KestDot::DoubleToText(value); }

QString TKestUtils::FormatBytesAsString(qint64 bytes)
{
    if (bytes < -1)
        return QString();
    static const char* const units[] = {"Bytes", "KB", "MB", "GB", "TB"};
    constexpr int last = int(std::size(units)) - 1;
    if (bytes < 1024)
        return QString::number(bytes) + QLatin1Char(' ') + QLatin1String(units[0]);
    double size = double(bytes);
    int unit = 0;
    while (size >= 1024 && unit < last) {
        size /= 1024;
        ++unit;
    }
    QString number = QString::number(size, 'f', 2);
    number.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    return number + QLatin1Char(' ') + QLatin1String(units[unit]);
}
