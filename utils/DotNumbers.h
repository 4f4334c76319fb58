#pragma once
// Number texts with "." as the decimal separator, converted in the C locale
// directly: nothing process-wide is read or changed.

#include <QString>
#include <QStringView>

#pragma GCC visibility push(default)

namespace KestDot {

// A number in JSON syntax (the reader has checked it). Values too small for
// a double give zero; false when the value is too large for one.
bool NumberToDouble(const char* begin, const char* end, double& value);

// A decimal text: optional white space around, optional sign, digits with an
// optional "." and fraction, optional exponent. Finite values only.
bool TryTextToDouble(QStringView text, double& value);
// The same, raising EConvertError "'<text>' is not a valid floating point value".
double TextToDouble(const QString& text);

// Optional sign and decimal digits, in range.
bool TextToInt64(const QString& text, qint64& value);
bool TextToInt32(const QString& text, int& value);

// The shortest text that reads back as the same (finite) double, fixed while
// the magnitude is at least 0.00001 and the integer part has at most 15
// digits, else scientific: "100", "0.5", "1E20", "1.5E-7". Writes into out
// (MaxDoubleText bytes) and returns the length.
inline constexpr int MaxDoubleText = 40;
int FormatDouble(double value, char* out);
// The same as text; "NAN", "INF" and "-INF" for the others.
QString DoubleToText(double value);

}

#pragma GCC visibility pop
