// The text helpers of the graphics object: fonts made from framework fonts,
// measuring and text-out.

#include "gdiplus/gdip/GDIPGraphics.h"

#include "framework/Font.h"
#include "framework/Rounding.h"
#include "gdiplus/common/WideText.h"
#include "gdiplus/gdip/GDIPBrushes.h"
#include "gdiplus/gdip/GDIPColors.h"
#include "gdiplus/gdip/GDIPFonts.h"

namespace KestGDIP {

namespace {

const QString FallbackFamily = QStringLiteral("Arial");
constexpr REAL MeasureExtent = 10000;
constexpr REAL CalcRectSlack = 1000;

// The framework's style set uses the drawing library's bit values.
INT StyleBits(const TFont& font) { return INT(font.Style().toInt()); }

// What the text-out leaves off the measured width: more for larger fonts,
// whose measured box carries more side bearing.
int TextPad(const TFont& font)
{
    int size = font.Size();
    return size < 9 ? 2 : 2 + Kest::Round((size - 8) / 1.5);
}

// Measuring drops a trailing blank; an "i" stands in for it.
QString MeasuredText(const QString& text)
{
    if (text.endsWith(QLatin1Char(' ')))
        return text.chopped(1) + QLatin1Char('i');
    return text;
}

}

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont& font) { return MakeFont(font, REAL(font.Size())); }

std::unique_ptr<TGPFont> TGPGraphics::MakeFont(const TFont& font, REAL size)
{
    TGPFontFamily named(font.Name());
    TStatus status = named.GetLastStatus();
    bool missing = status == FontFamilyNotFound || status == FontStyleNotFound;
    auto fallback = missing ? std::make_unique<TGPFontFamily>(FallbackFamily) : nullptr;
    return std::make_unique<TGPFont>(missing ? fallback.get() : &named, size, StyleBits(font), UnitPoint);
}

TGPFont* TGPGraphics::MakeFontEx(const TFont& font) { return MakeFontEx(font, REAL(font.Size())); }

TGPFont* TGPGraphics::MakeFontEx(const TFont& font, REAL size)
{
    bool same = FCachedFont && FCachedFont->GetSize() == size && FCachedFont->GetStyle() == StyleBits(font) &&
                FCachedFontName == font.Name();
    if (!same) {
        FCachedFont = MakeFont(font, size);
        FCachedFontName = font.Name();
    }
    return FCachedFont.get();
}

int TGPGraphics::TextWidth(const QString& text, const TFont& font)
{
    TGPRectF box;
    MeasureString(text, -1, MakeFontEx(font), GPRectFOf(0, 0, MeasureExtent, MeasureExtent), nullptr, box);
    return Kest::Round(box.Width);
}

int TGPGraphics::TextHeight(const QString& text, const TFont& font)
{
    TGPRectF box;
    MeasureString(text, -1, MakeFontEx(font), GPRectFOf(0, 0, MeasureExtent, MeasureExtent), nullptr, box);
    return Kest::Round(box.Height);
}

int TGPGraphics::DrawText(const QString& text, int length, TGPTextRect& rect, const TFont& font, unsigned style,
                          int backgroundColor)
{
    TGPFont* gpFont = MakeFontEx(font);
    QString shown = text.left(TextLength(text, length));
    bool calcRect = (style & DT_CALCRECT) != 0;
    if (calcRect || backgroundColor != clNone) {
        TGPRectF layout = GPRectFOf(REAL(rect.Left), REAL(rect.Top), REAL(rect.Right - rect.Left) + CalcRectSlack,
                                    REAL(rect.Bottom - rect.Top));
        TGPRectF box;
        MeasureString(MeasuredText(shown), -1, gpFont, layout, nullptr, box);
        rect.Right = rect.Left + Kest::Round(box.Width) - TextPad(font);
        rect.Bottom = rect.Top + Kest::Round(box.Height);
        if (backgroundColor != clNone) {
            TGPSolidBrush background(ColorToGPColor(backgroundColor));
            FillRectangle(&background, rect.Left + 1, rect.Top, rect.Right - rect.Left - 1, rect.Bottom - rect.Top);
        }
    }
    if (!calcRect) {
        TGPSolidBrush ink(ColorToGPColor(font.Color()));
        DrawString(shown, -1, gpFont, GPRectFOf(REAL(rect.Left), REAL(rect.Top), 0, 0), nullptr, &ink);
    }
    return rect.Bottom - rect.Top;
}

}
