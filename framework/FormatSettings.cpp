#include "framework/FormatSettings.h"

#include <QLocale>

namespace {

TFormatSettings& Current()
{
    static TFormatSettings settings = TFormatSettings::FromSystemLocale();
    return settings;
}

// The first character of a locale's date pattern that is not a letter.
QChar SeparatorIn(const QString& pattern, QChar fallback)
{
    for (QChar c : pattern)
        if (!c.isLetter() && c != QLatin1Char('\''))
            return c;
    return fallback;
}

}

TFormatSettings TFormatSettings::FromSystemLocale()
{
    QLocale locale = QLocale::system();
    TFormatSettings s;
    s.DecimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().at(0);
    s.ThousandSeparator = locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().at(0);
    QString date = locale.dateFormat(QLocale::ShortFormat);
    s.DateSeparator = SeparatorIn(date, QLatin1Char('/'));
    s.ShortDateFormat = date;
    s.TimeSeparator = SeparatorIn(locale.timeFormat(QLocale::ShortFormat), QLatin1Char(':'));
    return s;
}

const TFormatSettings& FormatSettings() { return Current(); }

TScopedFormatSettings::TScopedFormatSettings(const TFormatSettings& settings) : FPrevious(Current())
{
    Current() = settings;
}

TScopedFormatSettings::~TScopedFormatSettings() { Current() = FPrevious; }
