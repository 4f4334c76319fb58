#pragma once
// What was measured in each font (name, height and style): run sizes, the
// space between words and the height of a text line. Kept across calls for
// the back-end that measured them, as the same words come back at every
// draw of a view.

#include "framework/FloatGeometry.h"

#include <QHash>
#include <QString>
#include <map>

#pragma GCC visibility push(default)

class TKestGraphics;

struct TKestHTMLFontMeasures {
    QHash<QString, TSizeF> Sizes;
    float SpaceWidth = -1;
    float LineHeight = -1;
};

using TKestHTMLFontMeasureMap = std::map<QString, TKestHTMLFontMeasures>;

class TKestHTMLMeasureStore {
public:
    // The tables of the canvas's back-end; those of another one are dropped.
    static TKestHTMLFontMeasureMap& For(const TKestGraphics& canvas);
    // Forgets every size (fonts installed or changed on the system).
    static void Clear();

private:
    // Sizes kept at most: documents of ever new words must not make the
    // tables grow without end.
    static constexpr qsizetype MaxSizes = 200000;
};

#pragma GCC visibility pop
