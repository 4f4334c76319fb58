#pragma once
// The values of one element that only text reads: per-character position
// lists (as written, so font-relative units resolve at layout), the text
// properties that inherit (empty when not given here) and white-space
// handling.

#include <QString>
#include <vector>

#pragma GCC visibility push(default)

struct TKestGraphicsSVGTextValues {
    std::vector<QString> X;
    std::vector<QString> Y;
    std::vector<QString> DX;
    std::vector<QString> DY;
    std::vector<float> Rotate;
    // The font-family list as written (every name, generic ones included).
    QString FontFamilies;
    QString FontWeight;
    QString FontStyle;
    QString TextAnchor;
    QString LetterSpacing;
    QString WordSpacing;
    // "rtl" or "ltr" (the default).
    QString Direction;
    // "preserve" keeps every space; anything else collapses them.
    QString XmlSpace;
};

#pragma GCC visibility pop
