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

double TKestUtils::StrToFloatDot(const QString& AValue) { return KestDot::TextToDouble(AValue); }

bool TKestUtils::TryStrToFloatDot(const QString& AValue, double& AResult)
{
    return KestDot::TryTextToDouble(AValue, AResult);
}

QString TKestUtils::FloatToStrDot(double AValue) { return KestDot::DoubleToText(AValue); }

QString TKestUtils::FormatBytesAsString(qint64 ASize)
{
    if (ASize < -1)
        return QString();
    static const char* const Units[] = {"Bytes", "KB", "MB", "GB", "TB"};
    constexpr int Last = int(std::size(Units)) - 1;
    if (ASize < 1024)
        return QString::number(ASize) + QLatin1Char(' ') + QLatin1String(Units[0]);
    double size = double(ASize);
    int unit = 0;
    while (size >= 1024 && unit < Last) {
        size /= 1024;
        ++unit;
    }
    QString number = QString::number(size, 'f', 2);
    number.replace(QLatin1Char('.'), FormatSettings().DecimalSeparator);
    return number + QLatin1Char(' ') + QLatin1String(Units[unit]);
}
