#pragma once
// A "style" element's rules by class: ".name { declarations }". Each class
// a selector names (".a", "rect.a", ".a, .b") gets a style element holding
// the declarations; selectors without a class and comments are passed over.
// Every pass consumes text, so any text ends.

#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QString>
#include <QStringView>
#include <utility>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGStyleSheet {
public:
    static TKestGraphicsSVGElementList Parse(QStringView text);
    // The "selectors { declarations }" blocks of a sheet, comments removed.
    static std::vector<std::pair<QString, QString>> Blocks(QStringView text);
    // The class a selector names: the text after its last "."; empty for none.
    static QString ClassOf(QStringView selector);
};

#pragma GCC visibility pop
