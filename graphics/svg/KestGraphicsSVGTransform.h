#pragma once
// The "transform" and "gradientTransform" attributes: a list of matrix,
// translate, scale, rotate, skewX and skewY functions, combined as SVG
// composes them (the rightmost function applies to the points first).

#include "graphics/GraphicsMatrix.h"

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGTransform {
public:
    // The identity for the empty text; a function of unknown name or with
    // the wrong number of arguments contributes the identity; a product that
    // leaves what a float holds gives the identity.
    static TKestGraphicsMatrix Parse(QStringView text);
    // One function from its name and argument text.
    static TKestGraphicsMatrix Function(QStringView name, QStringView arguments);
};

#pragma GCC visibility pop
