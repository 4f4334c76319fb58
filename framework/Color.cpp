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
    const auto act = QPalette::Active;
    const auto ina = QPalette::Inactive;
    const auto dis = QPalette::Disabled;
    TColor values[SystemColorCount] = {
        rgb(act, QPalette::Mid),             // scroll bar
        rgb(act, QPalette::Dark),            // background
        rgb(act, QPalette::Highlight),       // active caption
        rgb(ina, QPalette::Button),          // inactive caption
        rgb(act, QPalette::Window),          // menu
        rgb(act, QPalette::Base),            // window
        rgb(act, QPalette::Shadow),          // window frame
        rgb(act, QPalette::WindowText),      // menu text
        rgb(act, QPalette::Text),            // window text
        rgb(act, QPalette::HighlightedText), // caption text
        rgb(act, QPalette::Button),          // active border
        rgb(ina, QPalette::Button),          // inactive border
        rgb(act, QPalette::Dark),            // app work space
        rgb(act, QPalette::Highlight),       // highlight
        rgb(act, QPalette::HighlightedText), // highlight text
        rgb(act, QPalette::Button),          // button face
        rgb(act, QPalette::Dark),            // button shadow
        rgb(dis, QPalette::Text),            // gray text
        rgb(act, QPalette::ButtonText),      // button text
        rgb(ina, QPalette::WindowText),      // inactive caption text
        rgb(act, QPalette::Light),           // button highlight
        rgb(act, QPalette::Shadow),          // 3-D dark shadow
        rgb(act, QPalette::Midlight),        // 3-D light
        rgb(act, QPalette::ToolTipText),     // info text
        rgb(act, QPalette::ToolTipBase),     // info background
        rgb(act, QPalette::Window),          // (unused index 25)
        rgb(act, QPalette::Link),            // hot light
        rgb(act, QPalette::Highlight),       // gradient active caption
        rgb(ina, QPalette::Button),          // gradient inactive caption
        rgb(act, QPalette::Highlight),       // menu highlight
        rgb(act, QPalette::Window),          // menu bar
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
