#include "framework/Color.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>

namespace {

struct SystemColorTable {
    std::array<TColor, SystemColorCount> rgb{};
    std::array<bool, SystemColorCount> pinned{};
    bool filled = false;
};

SystemColorTable& Table()
{
    static SystemColorTable table;
    return table;
}

void Fill(SystemColorTable& t)
{
    QPalette p = QGuiApplication::instance() ? QGuiApplication::palette() : QPalette();
    auto rgb = [&](QPalette::ColorGroup g, QPalette::ColorRole r) { return QColorToColor(p.color(g, r)); };
    const auto A = QPalette::Active;
    const auto I = QPalette::Inactive;
    const auto D = QPalette::Disabled;
    TColor values[SystemColorCount] = {
        rgb(A, QPalette::Mid),             // scroll bar
        rgb(A, QPalette::Dark),            // background
        rgb(A, QPalette::Highlight),       // active caption
        rgb(I, QPalette::Button),          // inactive caption
        rgb(A, QPalette::Window),          // menu
        rgb(A, QPalette::Base),            // window
        rgb(A, QPalette::Shadow),          // window frame
        rgb(A, QPalette::WindowText),      // menu text
        rgb(A, QPalette::Text),            // window text
        rgb(A, QPalette::HighlightedText), // caption text
        rgb(A, QPalette::Button),          // active border
        rgb(I, QPalette::Button),          // inactive border
        rgb(A, QPalette::Dark),            // app work space
        rgb(A, QPalette::Highlight),       // highlight
        rgb(A, QPalette::HighlightedText), // highlight text
        rgb(A, QPalette::Button),          // button face
        rgb(A, QPalette::Dark),            // button shadow
        rgb(D, QPalette::Text),            // gray text
        rgb(A, QPalette::ButtonText),      // button text
        rgb(I, QPalette::WindowText),      // inactive caption text
        rgb(A, QPalette::Light),           // button highlight
        rgb(A, QPalette::Shadow),          // 3-D dark shadow
        rgb(A, QPalette::Midlight),        // 3-D light
        rgb(A, QPalette::ToolTipText),     // info text
        rgb(A, QPalette::ToolTipBase),     // info background
        rgb(A, QPalette::Window),          // (unused index 25)
        rgb(A, QPalette::Link),            // hot light
        rgb(A, QPalette::Highlight),       // gradient active caption
        rgb(I, QPalette::Button),          // gradient inactive caption
        rgb(A, QPalette::Highlight),       // menu highlight
        rgb(A, QPalette::Window),          // menu bar
    };
    for (int i = 0; i < SystemColorCount; ++i)
        if (!t.pinned[i])
            t.rgb[i] = values[i];
    t.filled = true;
}

struct NamedColor {
    const char* name;
    TColor value;
};

const NamedColor kNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen}, {"clSkyBlue", clSkyBlue}, {"clCream", clCream},
    {"clMedGray", clMedGray}, {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder},
    {"clInactiveBorder", clInactiveBorder}, {"clAppWorkSpace", clAppWorkSpace},
    {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText}, {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText}, {"clBtnText", clBtnText},
    {"clInactiveCaptionText", clInactiveCaptionText}, {"clBtnHighlight", clBtnHighlight},
    {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight}, {"clInfoText", clInfoText},
    {"clInfoBk", clInfoBk}, {"clHotLight", clHotLight},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption}, {"clMenuHighlight", clMenuHighlight},
    {"clMenuBar", clMenuBar},
};

}

TColor ColorToRGB(TColor c)
{
    if (!IsSystemColor(c))
        return c;
    int index = c.Value & 0xFF;
    if (index >= SystemColorCount)
        return clBlack;
    auto& t = Table();
    if (!t.filled)
        Fill(t);
    return t.rgb[index];
}

QColor ColorToQColor(TColor c)
{
    if (c == clNone)
        return QColor(Qt::transparent);
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor QColorToColor(const QColor& c) { return RGB(c.red(), c.green(), c.blue()); }

void RefreshSystemColors() { Fill(Table()); }

void SetSystemColor(int index, TColor rgb)
{
    if (index < 0 || index >= SystemColorCount)
        return;
    auto& t = Table();
    if (!t.filled)
        Fill(t);
    t.rgb[index] = rgb;
    t.pinned[index] = true;
}

std::optional<TColor> IdentToColor(const QString& ident)
{
    for (const auto& n : kNames)
        if (ident.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    return std::nullopt;
}

std::optional<QString> ColorToIdent(TColor c)
{
    for (const auto& n : kNames)
        if (n.value == c)
            return QString::fromLatin1(n.name);
    return std::nullopt;
}
