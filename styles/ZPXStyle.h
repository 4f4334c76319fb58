#pragma once
// The named visual styles a control can take, in their stored order, and the
// light and dark variants of the flat look.

#include <QObject>
#include <QString>
#include <vector>

#pragma GCC visibility push(default)

namespace KestStyles {
Q_NAMESPACE

enum TZPXStyle {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
    tsWindows8,
    tsOffice2013White,
    tsOffice2013LightGray,
    tsOffice2013Gray,
    tsWindows10,
    tsOffice2016White,
    tsOffice2016Gray,
    tsOffice2016Black,
    tsOffice2019White,
    tsOffice2019Gray,
    tsOffice2019Black,
};
Q_ENUM_NS(TZPXStyle)

inline constexpr int ZPXStyleCount = 27;

enum TMetroStyle { msLight, msDark };
Q_ENUM_NS(TMetroStyle)

// The text under which style lists offer a style, and its place there;
// tsWhidbey is not offered (empty text, position -1).
QString StyleOfferedName(TZPXStyle style);
int StyleOfferedPosition(TZPXStyle style);
// The offered styles in list order.
std::vector<TZPXStyle> OfferedStyles();

}

using KestStyles::TZPXStyle;
using enum KestStyles::TZPXStyle;
using KestStyles::TMetroStyle;
using enum KestStyles::TMetroStyle;

#pragma GCC visibility pop
