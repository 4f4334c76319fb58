#pragma once
// Numbers, lengths and angles as SVG attributes write them. Malformed text
// reads as 0; so does a value that is not finite as a float, so no later
// conversion ever sees an infinity or a NaN.

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGValues {
public:
    // Optional white space, sign, digits with "." and fraction, exponent.
    static float Number(QStringView text);
    // The same, telling whether the text was a number at all.
    static bool TryNumber(QStringView text, float& value);
    // A number with an optional unit: px, em, ex and % give the number,
    // pt and pc and the physical units convert at 90 units per inch.
    static float Length(QStringView text);
    // In degrees: plain or "deg", "rad", "grad".
    static float Angle(QStringView text);
    // True when the text ends with "%" (after white space).
    static bool IsPercentage(QStringView text);
};

#pragma GCC visibility pop
