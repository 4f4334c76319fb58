#pragma once
// Reads the attributes and properties only text uses into an element's
// text values.

#include <QString>
#include <QStringView>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;

class TKestGraphicsSVGTextDeclarations {
public:
    // Records the value when the name is one of text's; true when nothing
    // else needs to read it (font-family and font-style are also read by
    // the general declarations, so they answer false).
    static bool Apply(TKestGraphicsSVGElement& element, QStringView name, QStringView value);
    // A list of lengths or numbers split at commas and white space.
    static std::vector<QString> List(QStringView value);
};

#pragma GCC visibility pop
