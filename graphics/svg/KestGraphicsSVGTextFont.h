#pragma once
// The font a piece of text is set in: family list, size, weight and style,
// each inherited from the nearest ancestor that gives it, and the other
// inherited text properties.

#include <QFont>
#include <QString>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;
struct TKestGraphicsSVGTextValues;

class TKestGraphicsSVGTextFont {
public:
    // The size glyphs are shaped at; text of any size is scaled from it, so
    // fractional sizes keep their exact proportions.
    static constexpr int ShapingSize = 256;

    // The font size in user units: relative sizes (%, em, ex, larger,
    // smaller) resolve against the parent's; 12 when nothing gives one.
    static float Size(const TKestGraphicsSVGElement& element);
    // The font at ShapingSize pixels.
    static QFont Font(const TKestGraphicsSVGElement& element);
    // The nearest given value of a text property ("" when none is given).
    static QString Inherited(const TKestGraphicsSVGElement& element, QString TKestGraphicsSVGTextValues::*field);
    // A length as text positions take it: em and ex against fontSize.
    static float Length(const QString& text, float fontSize);
};

#pragma GCC visibility pop
