#pragma once
// The named visual styles a control can take, in their stored order.

#include <QObject>

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

}

using KestStyles::TZPXStyle;
using enum KestStyles::TZPXStyle;
