#pragma once
// Presentation declarations ("fill: red; stroke-width: 2") and presentation
// attributes, applied to an element in order, so a later one wins.

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;

class TKestGraphicsSVGDeclarations {
public:
    // A list split at ";", each part at its first ":" ("xlink:href" keeps
    // its colon); names and values trimmed.
    static void ApplyList(TKestGraphicsSVGElement& element, QStringView declarations);
    // One declaration; unknown names change nothing.
    static void Apply(TKestGraphicsSVGElement& element, QStringView name, QStringView value);
    // The reference name of "url(#name)", "url('#name')" or "#name": the
    // text after the first "#" up to ")", without quotes or white space.
    static QString ReferenceName(QStringView value);
};

#pragma GCC visibility pop
