#pragma once
// Colours as the system stores them: 0xBBGGRR, with the top bit marking a
// system colour index that is resolved through the application palette.

#include <QColor>
#include <QMetaType>
#include <QString>
#include <cstdint>
#include <optional>

#pragma GCC visibility push(default)

// A distinct type so that stored layouts can tell a colour from an integer.
struct TColor {
    qint32 Value = 0;
    constexpr TColor() = default;
    constexpr TColor(qint32 v) : Value(v) {}
    constexpr operator qint32() const { return Value; }
};
Q_DECLARE_METATYPE(TColor)

constexpr TColor SystemColor(int index) { return TColor(qint32(0x80000000u | quint32(index))); }

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clMoneyGreen = 0xC0DCC0;
inline constexpr TColor clSkyBlue = 0xF0CAA6;
inline constexpr TColor clCream = 0xF0FBFF;
inline constexpr TColor clMedGray = 0xA4A0A0;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);
inline constexpr TColor clHotLight = SystemColor(26);
inline constexpr TColor clGradientActiveCaption = SystemColor(27);
inline constexpr TColor clGradientInactiveCaption = SystemColor(28);
inline constexpr TColor clMenuHighlight = SystemColor(29);
inline constexpr TColor clMenuBar = SystemColor(30);

inline constexpr int SystemColorCount = 31;

inline bool IsSystemColor(TColor c) { return (quint32(c.Value) & 0x80000000u) != 0; }

// Resolves a system colour to plain 0xBBGGRR; other values keep their low
// 24 bits. clNone and clDefault have no RGB and pass through unchanged.
TColor ColorToRGB(TColor c);

QColor ColorToQColor(TColor c);
TColor QColorToColor(const QColor& c);

inline int GetRValue(TColor c) { return c.Value & 0xFF; }
inline int GetGValue(TColor c) { return (c.Value >> 8) & 0xFF; }
inline int GetBValue(TColor c) { return (c.Value >> 16) & 0xFF; }
inline constexpr TColor RGB(int r, int g, int b) { return TColor((r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16); }

// The system colour table is filled from the application palette on first use;
// RefreshSystemColors re-reads it (after a palette change), and
// SetSystemColor lets the theme layer or a test pin one entry.
void RefreshSystemColors();
void SetSystemColor(int index, TColor rgb);

// Colour names as stored ("clWhite", "clBtnFace"); hex otherwise.
std::optional<TColor> IdentToColor(const QString& ident);
std::optional<QString> ColorToIdent(TColor c);

#pragma GCC visibility pop
