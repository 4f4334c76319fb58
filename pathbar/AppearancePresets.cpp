#include "pathbar/AppearancePresets.h"

#include "pathbar/ExpTreeviewAppearance.h"

#include <array>

namespace {

// Button colours; styles of one family share them. Arrow is both arrow
// colours, and the node frame takes the hot frame colour.
struct TButtonPreset {
    TColor ColorDown, ColorDownTo, ColorMirrorDown, ColorMirrorDownTo;
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorNodeHot, ColorNodeHotTo, ColorMirrorNodeHot, ColorMirrorNodeHotTo;
    TColor BorderColorDown, BorderColorHot, Arrow;
};

// clang-format off
constexpr TButtonPreset kOffice2003{0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE, 0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF,
                                   0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x99CEDB, 0x99CEDB, 0x000000};
constexpr TButtonPreset kClassic{0xB59285, 0xB59285, 0xB59285, 0xB59285, 0xD2BDB6, 0xD2BDB6, 0xD2BDB6, 0xD2BDB6,
                                 0xB59285, 0xB59285, 0xB59285, 0xB59285, 0x808080, 0x808080, 0x000000};
constexpr TButtonPreset kWindowsXP{clInactiveCaption, clInactiveCaption, clInactiveCaption, clInactiveCaption,
                                   0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6, 0xEFD3C6,
                                   0x99CEDB, 0x99CEDB, 0x000000};
constexpr TButtonPreset kWhidbey{0x94E6FB, 0x94E6FB, 0x94E6FB, 0x94E6FB, 0xEBFDFF, 0xEBFDFF, 0xEBFDFF, 0xEBFDFF,
                                 0xEBFDFF, 0xEBFDFF, 0xEBFDFF, 0xEBFDFF, 0x99CEDB, 0x99CEDB, 0x000000};
constexpr TButtonPreset kVista{0xFEF9F0, 0xFDF0D7, clNone, clNone, 0xFFFDF9, 0xFFFAF0, clNone, clNone,
                               0xFFFDF9, 0xFFFAF0, clNone, clNone, 0xFEDF9A, 0xFCF2DA, 0x000000};
constexpr TButtonPreset kWindows7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDFBFA, 0xFDF3EB, clNone, clNone,
                                  0xFDFBFA, 0xFDF3EB, clNone, clNone, 0xCEA27D, 0xFBD6B8, 0x000000};
constexpr TButtonPreset kTerminal{clHighlight, clHighlight, clNone, clNone, 0xC0C0C0, 0xC0C0C0, clNone, clNone,
                                  0xC0C0C0, 0xC0C0C0, clNone, clNone, 0x808080, 0x808080, 0x000000};
constexpr TButtonPreset kOffice2010{0x65C7F5, 0x8AE4FF, 0x8AE4FF, 0x65C7F5, 0xDFF7FD, 0x79DFFB, 0x79DFFB, 0xDFF7FD,
                                   0xDFF7FD, 0x79DFFB, 0x79DFFB, 0xDFF7FD, 0x308AC2, 0x34C2F0, 0x000000};
constexpr TButtonPreset kWindows8{0xF7E0C9, 0xF7E0C9, clNone, clNone, 0xF7EFE8, 0xF7EFE8, clNone, clNone,
                                  0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xF7EFE8, 0xE4A262, 0xF9CEA4, 0x000000};
constexpr TButtonPreset kOffice2013{0xFCE2C8, 0xFCE2C8, 0xFCE2C8, 0xFCE2C8, 0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xFCF0E4,
                                   0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xFCF0E4, 0xE59D56, 0xEAB47E, 0x000000};
constexpr TButtonPreset kOffice2016{0xE3BDA3, 0xE3BDA3, 0xE3BDA3, 0xE3BDA3, 0xF2E1D5, 0xF2E1D5, 0xF2E1D5, 0xF2E1D5,
                                   0xF2E1D5, 0xF2E1D5, 0xF2E1D5, 0xF2E1D5, 0xE3BDA3, 0xF2E1D5, 0x000000};
constexpr TButtonPreset kOffice2016Black{0x444444, 0x444444, 0x444444, 0x444444, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A,
                                        0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x444444, 0x6A6A6A, 0x000000};
constexpr TButtonPreset kOffice2019Gray{0x666666, 0x666666, 0x666666, 0x666666, 0x969696, 0x969696, 0x969696, 0x969696,
                                       0x969696, 0x969696, 0x969696, 0x969696, 0x505050, 0x505050, 0x000000};
constexpr TButtonPreset kOffice2019Black{0x828282, 0x828282, 0x828282, 0x828282, 0x686868, 0x686868, 0x686868, 0x686868,
                                        0x686868, 0x686868, 0x686868, 0x686868, 0x828282, 0xB5B5B5, 0xFFFFFF};
// clang-format on

// Stands for the frame colour handed in (it depends on the platform).
constexpr TColor kFrameLine = TColor(qint32(0x7F000000));

struct TStylePreset {
    TZPXStyle Style;
    TColor OuterBorderColor, InnerBorderColor, Color, FocusColor, HotColor, FontColor;
    const TButtonPreset* Buttons; // null: no preset
};

// clang-format off
constexpr std::array<TStylePreset, KestStyles::ZPXStyleCount> kPresets{{
    {tsOffice2003Blue,      clNone,   kFrameLine, 0xFFD2AF,  0xFFFFFF, 0xFFD2AF,    clWindowText, &kOffice2003},
    {tsOffice2003Silver,    clNone,   kFrameLine, 0xE6D8D8,  0xFFFFFF, 0xE6D8D8,    clWindowText, &kOffice2003},
    {tsOffice2003Olive,     clNone,   kFrameLine, 0xB9EAE1,  0xFFFFFF, 0xB9EAE1,    clWindowText, &kOffice2003},
    {tsOffice2003Classic,   clNone,   kFrameLine, 0xF2F2F2,  0xF2F2F2, 0xF2F2F2,    clWindowText, &kClassic},
    {tsOffice2007Luna,      clNone,   kFrameLine, 0xF3E5DA,  0xFFFFFF, 0xF3E5DA,    clWindowText, &kOffice2003},
    {tsOffice2007Obsidian,  clNone,   kFrameLine, 0x808080,  0xFFFFFF, 0xC0C0C0,    clWindowText, &kOffice2003},
    {tsWindowsXP,           clNone,   kFrameLine, 0xB6B6B6,  0xB6B6B6, 0xB6B6B6,    clWindowText, &kWindowsXP},
    {tsWhidbey,             clNone,   kFrameLine, 0xF5F9FA,  0xF5F9FA, 0xF5F9FA,    clWindowText, &kWhidbey},
    {tsCustom,              clNone,   clNone,     clNone,    clNone,   clNone,      clNone,       nullptr},
    {tsOffice2007Silver,    clNone,   kFrameLine, 0xF8F4F1,  0xF8F4F1, 0xF8F4F1,    clWindowText, &kOffice2003},
    {tsWindowsVista,        clNone,   kFrameLine, 0xFDF8F1,  0xFFFFFF, 0xFCEFD5,    clWindowText, &kVista},
    {tsWindows7,            clNone,   kFrameLine, 0xFCEBDC,  0xFFFFFF, 0xFCDBC1,    clWindowText, &kWindows7},
    {tsTerminal,            clNone,   kFrameLine, clBtnFace, 0xFFFFFF, clHighlight, clWindowText, &kTerminal},
    {tsOffice2010Blue,      0xC7B29F, clNone,     0xFDF5ED,  0xFFFFFF, 0xEAD3BF,    clWindowText, &kOffice2010},
    {tsOffice2010Silver,    0xD2CDC8, clNone,     0xFFFFFF,  0xFFFFFF, 0xD4CFCB,    clWindowText, &kOffice2010},
    {tsOffice2010Black,     0x6D6D6D, clNone,     0xC6C6C6,  0xFFFFFF, 0x656565,    clWindowText, &kOffice2010},
    {tsWindows8,            0xE4E3E2, clNone,     0xF7F6F5,  0xFFFFFF, 0xFFFDFD,    clWindowText, &kWindows8},
    {tsOffice2013White,     0xD4D4D4, clNone,     0xFFFFFF,  0xFFFFFF, 0xFFFFFF,    clWindowText, &kOffice2013},
    {tsOffice2013LightGray, 0xC6C6C6, clNone,     0xF6F6F6,  0xFFFFFF, 0xFAFAFA,    clWindowText, &kOffice2013},
    {tsOffice2013Gray,      0xABABAB, clNone,     0xE5E5E5,  0xFFFFFF, 0xF3F3F3,    clWindowText, &kOffice2013},
    {tsWindows10,           0xE4E3E2, clNone,     0xF7F6F5,  0xFFFFFF, 0xFFFDFD,    clWindowText, &kWindows8},
    {tsOffice2016White,     0xD4D4D4, clNone,     0xFFFFFF,  0xFFFFFF, 0xFFFFFF,    clWindowText, &kOffice2016},
    {tsOffice2016Gray,      0x444444, clNone,     0xB2B2B2,  0xB2B2B2, 0xB2B2B2,    clWindowText, &kOffice2016},
    {tsOffice2016Black,     0x4E4E4E, clNone,     0x444444,  0x444444, 0x444444,    clWindowText, &kOffice2016Black},
    {tsOffice2019White,     0xABABAB, clNone,     0xFFFFFF,  0xFFFFFF, 0xFFFFFF,    0x444648,     &kOffice2016},
    {tsOffice2019Gray,      0x808080, clNone,     0x666666,  0x666666, 0x666666,    0x1E1F20,     &kOffice2019Gray},
    {tsOffice2019Black,     0x686868, clNone,     0x444444,  0x444444, 0x444444,    0xFFFFFF,     &kOffice2019Black},
}};
// clang-format on

constexpr bool IndexedByStyle()
{
    for (size_t i = 0; i < kPresets.size(); ++i)
        if (int(kPresets[i].Style) != int(i))
            return false;
    return true;
}
static_assert(IndexedByStyle(), "presets must be listed in style order");

void WriteButtons(TButtonAppearance& b, const TButtonPreset& p)
{
    b.SetColorDown(p.ColorDown);
    b.SetColorDownTo(p.ColorDownTo);
    b.SetColorMirrorDown(p.ColorMirrorDown);
    b.SetColorMirrorDownTo(p.ColorMirrorDownTo);
    b.SetColorHot(p.ColorHot);
    b.SetColorHotTo(p.ColorHotTo);
    b.SetColorMirrorHot(p.ColorMirrorHot);
    b.SetColorMirrorHotTo(p.ColorMirrorHotTo);
    b.SetColorNodeHot(p.ColorNodeHot);
    b.SetColorNodeHotTo(p.ColorNodeHotTo);
    b.SetColorMirrorNodeHot(p.ColorMirrorNodeHot);
    b.SetColorMirrorNodeHotTo(p.ColorMirrorNodeHotTo);
    b.SetBorderColorDown(p.BorderColorDown);
    b.SetBorderColorHot(p.BorderColorHot);
    b.SetBorderColorNodeHot(p.BorderColorHot);
    b.SetArrowColorHot(p.Arrow);
    b.SetArrowColorDown(p.Arrow);
}

void WriteFrame(TExpTreeviewAppearance& a, const TStylePreset& p, TColor frame)
{
    a.SetOuterBorderColor(p.OuterBorderColor);
    a.SetInnerBorderColor(p.InnerBorderColor == kFrameLine ? frame : p.InnerBorderColor);
    a.SetInnerMostBorderColor(clNone);
    a.SetFocusOuterBorderColor(clNone);
    a.SetFocusInnerBorderColor(frame);
    a.SetColor(p.Color);
    a.SetFocusColor(p.FocusColor);
    a.SetHotColor(p.HotColor);
}

}

void ApplyAppearancePreset(TExpTreeviewAppearance& appearance, TZPXStyle style, TColor frameColor)
{
    const int index = int(style);
    if (index < 0 || index >= int(kPresets.size()) || !kPresets[size_t(index)].Buttons)
        return;
    const TStylePreset& preset = kPresets[size_t(index)];
    TButtonAppearance& buttons = *appearance.ButtonAppearance();
    buttons.Font()->SetColor(clWindowText);
    WriteButtons(buttons, *preset.Buttons);
    WriteFrame(appearance, preset, frameColor);
    buttons.Font()->SetColor(preset.FontColor);
}
