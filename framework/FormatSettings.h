#pragma once
// The process-wide format settings: separators and the short date format that
// number, date and size texts use. Initialised once from the system locale;
// tests replace them for a scope with TScopedFormatSettings.

#include <QChar>
#include <QString>

#pragma GCC visibility push(default)

struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    // Letters d, m and y (any case, repeated) in the order of the parts.
    QString ShortDateFormat = QStringLiteral("M/d/yyyy");

    // The settings of the system locale.
    static TFormatSettings FromSystemLocale();
};

// The settings in force for the process.
const TFormatSettings& FormatSettings();

// Puts other settings in force until the end of the scope; scopes nest.
class TScopedFormatSettings {
public:
    explicit TScopedFormatSettings(const TFormatSettings& settings);
    ~TScopedFormatSettings();
    TScopedFormatSettings(const TScopedFormatSettings&) = delete;
    TScopedFormatSettings& operator=(const TScopedFormatSettings&) = delete;

private:
    TFormatSettings FPrevious;
};

#pragma GCC visibility pop
