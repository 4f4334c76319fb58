#pragma once
// A "style" element's rules by class: ".name { declarations }". Each class
// a selector names (".a", "rect.a", ".a, .b") gets a style element holding
// the declarations; selectors without a class and comments are passed over.
// Every pass consumes text, so any text ends.

#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGStyleSheet {
public:
    static TKestGraphicsSVGElementList Parse(QStringView text);
};

#pragma GCC visibility pop
