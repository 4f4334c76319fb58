#include "utils/DotNumbers.h"
#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/FormatSettings.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

// A run of decimal digits as a number, or nothing.
std::optional<int> Number(QStringView text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

std::optional<QTime> ParseTime(QStringView text, QChar separator)
{
    auto parts = text.split(separator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    auto h = Number(parts[0]);
    auto m = Number(parts[1]);
    auto s = parts.size() == 3 ? Number(parts[2]) : std::optional<int>(0);
    if (!h || !m || !s)
        return std::nullopt;
    QTime time(*h, *m, *s);
    if (!time.isValid())
        return std::nullopt;
    return time;
}

}

QDateTime TKestUtils::EpochToDateTime(const QString& epoch)
{
    qint64 seconds = 0;
    if (!KestDot::TextToInt64(epoch.trimmed(), seconds))
        throw EConvertError(Exception::Format(QStringLiteral("'%s' is not a valid integer value"), epoch));
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

bool TKestUtils::IsDate(const QString& text, QDateTime& result)
{
    const TFormatSettings& fs = FormatSettings();
    // The order of day, month and year as they stand in the short date format.
    QString format = fs.ShortDateFormat.toUpper();
    std::array<std::pair<qsizetype, char>, 3> order = {
        std::pair{format.indexOf(QLatin1Char('D')), 'D'},
        std::pair{format.indexOf(QLatin1Char('M')), 'M'},
        std::pair{format.indexOf(QLatin1Char('Y')), 'Y'},
    };
    std::sort(order.begin(), order.end());
    QStringView value = QStringView(text).trimmed();
    qsizetype space = value.indexOf(QLatin1Char(' '));
    QStringView datePart = space < 0 ? value : value.left(space);
    auto parts = datePart.split(fs.DateSeparator);
    if (parts.size() != 3)
        return false;
    int day = 0, month = 0, year = 0;
    qsizetype yearDigits = 0;
    for (int i = 0; i < 3; ++i) {
        auto n = Number(parts[i]);
        if (!n)
            return false;
        switch (order[size_t(i)].second) {
        case 'D': day = *n; break;
        case 'M': month = *n; break;
        default:
            year = *n;
            yearDigits = parts[i].size();
            break;
        }
    }
    // Two-digit years fall in 1950 to 2049.
    if (yearDigits <= 2)
        year += year < 50 ? 2000 : 1900;
    QDate date(year, month, day);
    if (!date.isValid())
        return false;
    QTime time(0, 0);
    if (space >= 0) {
        auto t = ParseTime(value.mid(space + 1).trimmed(), fs.TimeSeparator);
        if (!t)
            return false;
        time = *t;
    }
    result = QDateTime(date, time);
    return true;
}
