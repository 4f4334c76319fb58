// The control parts the canvas draws in a flat style: buttons with their
// glyphs, check boxes, radio buttons and progress bars.

#include "graphics/KestGraphics.h"

#include "framework/FormatString.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsDefaultColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsGlyphs.h"
#include "graphics/GraphicsStroke.h"
#include "pictures/RectFHelpers.h"

#include <QScopeGuard>
#include <algorithm>
#include <cmath>

namespace {

struct TPartColors {
    TColor Border;
    TColor Face;
};

TPartColors ButtonColors(bool focused, bool enabled, bool adaptToStyle)
{
    if (adaptToStyle) {
        const TKestGraphicsDefaultColors& d = KestGraphicsDefaultColors();
        if (!enabled)
            return {d.DefaultDisabledBorderColor, d.DefaultDisabledFillColor};
        if (focused)
            return {d.DefaultFocusBorderColor, d.DefaultFocusFillColor};
        return {d.DefaultBorderColor, d.DefaultFillColor};
    }
    if (!enabled)
        return {0xA9A9A9, 0xD3D3D3};
    if (focused)
        return {0xB17F3C, 0xFBF1E5};
    return {0xA9A9A9, 0xE1E1E1};
}

// The line and face colours of check boxes and radio buttons.
TPartColors MarkColors(bool focused, bool enabled)
{
    const TColor line = !enabled ? TColor(0xA9A9A9) : focused ? TColor(0xB48246) : TColor(0x000000);
    return {line, enabled ? LightenColor(0xD3D3D3, 85) : TColor(0xD3D3D3)};
}

// The face and one-pixel frame of a check box or radio button.
void UseMarkColors(TKestGraphics& graphics, bool focused, bool enabled)
{
    const TPartColors colors = MarkColors(focused, enabled);
    graphics.SetFillKind(gfkSolid);
    graphics.SetFillColor(colors.Face);
    graphics.SetStrokeKind(gskSolid);
    graphics.SetStrokeWidth(1);
    graphics.SetStrokeColor(colors.Border);
}

TRectF Shrunk(const TRectF& r, float dx, float dy) { return TRectF(r.Left + dx, r.Top + dy, r.Right - dx, r.Bottom - dy); }

// Inset by a fifth of the size on each axis.
TRectF Fifth(const TRectF& r) { return Shrunk(r, r.Width() / 5, r.Height() / 5); }

// Glyphs in the style's colour, or the program's glyph documents.
void DrawGlyph(TKestGraphics& graphics, const TRectF& rect, TKestGlyph glyph, const QString& resource,
               bool adaptToStyle, double scale)
{
    if (adaptToStyle) {
        if (TPicture* picture = DrawnGlyph(glyph, scale, KestGraphicsDefaultColors().DefaultGlyphColor))
            graphics.DrawBitmap(rect, picture, true, false, true, false);
        return;
    }
    TPicture* loaded = ResourceGlyph(resource);
    const TRectF target = graphics.GetBitmapDrawRectangle(rect, loaded, true, false, true, false);
    TPicture* picture = ResourceGlyphAt(resource, int(std::lround(target.Width())), int(std::lround(target.Height())));
    graphics.DrawBitmap(rect, picture, true, false, true, false);
}

}

void TKestGraphics::SetDefaultGraphicColors()
{
    KestGraphicsDefaultColors() = {0x000000, 0xA9A9A9, 0xE1E1E1, 0xB17F3C, 0xFBF1E5, 0xA9A9A9, 0xD3D3D3};
}

void TKestGraphics::DrawButton(const TRectF& rect, bool down, bool focused, bool enabled, bool adaptToStyle, double)
{
    SetStrokeKind(gskSolid);
    SetStrokeWidth(1);
    SetFillKind(gfkSolid);
    const TPartColors colors = ButtonColors(focused, enabled, adaptToStyle);
    SetFillColor(colors.Face);
    SetStrokeColor(colors.Border);
    DrawRectangle(rect, gcrmShrinkAll);
    // A pressed button gets a light inner frame; otherwise it is the face.
    SetFillKind(gfkNone);
    SetStrokeColor(down ? LightenColor(colors.Border, 40) : colors.Face);
    DrawRectangle(Shrunk(rect, 1, 1), gcrmShrinkAll);
}

void TKestGraphics::DrawCloseButton(const TRectF& rect, bool down, bool focused, bool enabled, bool adaptToStyle,
                                    double scaleFactor)
{
    DrawButton(rect, down, focused, enabled, adaptToStyle, scaleFactor);
    const float s = float(scaleFactor);
    DrawGlyph(*this, adaptToStyle ? rect : Shrunk(rect, 6 * s, 6 * s), TKestGlyph::Close,
              QStringLiteral("KestGRAPHICSCLOSESVG"), adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawExpanderButton(const TRectF& rect, TKestGraphicsExpanderState state, bool down, bool focused,
                                       bool enabled, bool adaptToStyle, double scaleFactor)
{
    DrawButton(rect, down, focused, enabled, adaptToStyle, scaleFactor);
    const float s = float(scaleFactor);
    const bool collapsed = state == gesCollapsed;
    DrawGlyph(*this, adaptToStyle ? rect : Shrunk(rect, 4 * s, 4 * s), collapsed ? TKestGlyph::Down : TKestGlyph::Up,
              collapsed ? QStringLiteral("KestGRAPHICSDOWNSVG") : QStringLiteral("KestGRAPHICSUPSVG"), adaptToStyle,
              scaleFactor);
}

void TKestGraphics::DrawCompactButton(const TRectF& rect, TKestGraphicsCompactState state, bool down, bool focused,
                                      bool enabled, bool adaptToStyle, double scaleFactor)
{
    DrawButton(rect, down, focused, enabled, adaptToStyle, scaleFactor);
    const float s = float(scaleFactor);
    const bool collapsed = state == gcsCollapsed;
    DrawGlyph(*this, adaptToStyle ? rect : Shrunk(rect, 4 * s, 4 * s),
              collapsed ? TKestGlyph::Right : TKestGlyph::Left,
              collapsed ? QStringLiteral("KestGRAPHICSRIGHTSVG") : QStringLiteral("KestGRAPHICSLEFTSVG"), adaptToStyle,
              scaleFactor);
}

void TKestGraphics::DrawDropDownButton(const TRectF& rect, bool down, bool focused, bool enabled, bool center,
                                       bool adaptToStyle, double scaleFactor)
{
    DrawButton(rect, down, focused, enabled, adaptToStyle, scaleFactor);
    const float s = float(scaleFactor);
    TRectF glyphRect = rect;
    if (adaptToStyle) {
        const float glyphWidth = std::round(7 * s);
        const float left = rect.Right - glyphWidth - 10 * s;
        if (!center && left > rect.Left)
            glyphRect.Left = left;
    } else if (center) {
        glyphRect = Shrunk(rect, 4 * s, 4 * s);
    } else {
        glyphRect = Shrunk(TRectF(rect.Right - 16 * s, rect.Top, rect.Right - 2 * s, rect.Bottom), 2 * s, 2 * s);
    }
    DrawGlyph(*this, glyphRect, TKestGlyph::DropDown, QStringLiteral("KestGRAPHICSEXPANDSVG"), adaptToStyle,
              scaleFactor);
}

void TKestGraphics::DrawCheckBox(const TRectF& rect, bool checked, bool focused, bool enabled, double)
{
    TRectF r = Shrunk(rect, 1, 1);
    UseMarkColors(*this, focused, enabled);
    DrawRectangle(r, gcrmShrinkAll);
    r = Fifth(r);
    SetStrokeWidth(2);
    if (checked) {
        DrawLine(TPointF(r.Left, r.Top), TPointF(r.Right - 1, r.Bottom - 1));
        DrawLine(TPointF(r.Right - 1, r.Top), TPointF(r.Left, r.Bottom - 1));
    }
}

void TKestGraphics::DrawRadioButton(const TRectF& rect, bool checked, bool focused, bool enabled, double)
{
    TRectF r = Shrunk(rect, 1, 1);
    UseMarkColors(*this, focused, enabled);
    DrawEllipse(r, gcrmShrinkAll);
    r = Fifth(r);
    SetFillColor(MarkColors(focused, enabled).Border);
    if (checked)
        DrawEllipse(r, gcrmShrinkAll);
}

void TKestGraphics::DrawProgressBar(const TRectF& rect, float value, const QString& format, float max, TColor color,
                                    TColor textColor, bool showText, bool enabled, double)
{
    const TColor fillColor = FFill->Color();
    auto restoreFill = qScopeGuard([&] { SetFillColor(fillColor); });
    SetFillKind(gfkSolid);
    SetFillColor(enabled ? LightenColor(0xD3D3D3, 75) : TColor(0xD3D3D3));
    SetStrokeKind(gskSolid);
    SetStrokeColor(0xA9A9A9);
    DrawRectangle(rect, gcrmShrinkAll);

    // Beyond the maximum: a full bar; negative or not a number: none.
    float v = value > max ? max : value;
    if (!(v > 0))
        v = 0;
    if (!(max > 0))
        return;
    const TRectF inner = Shrunk(rect, 1, 1);
    TRectF bar = inner;
    bar.Right = inner.Left + inner.Width() * v / max;
    SetFillColor(color);
    SetStrokeColor(color);
    // A bar of no width would still show its outline as a line.
    if (v > 0)
        DrawRectangle(bar, gcrmShrinkAll);
    if (!showText)
        return;
    const TColor fontColor = FFont->Color();
    auto restoreFont = qScopeGuard([&] { SetFontColor(fontColor); });
    SetFontColor(textColor);
    const QString text = FormatString(format, {double(v) / max * 100});
    DrawText(rect, text, false, gtaCenter, gtaCenter, gttNone, 0, -1, -1, true);
}

void TKestGraphics::DrawCheckBox(const QRect& rect, bool checked, bool focused, bool enabled, double scaleFactor)
{
    DrawCheckBox(RectToRectF(rect), checked, focused, enabled, scaleFactor);
}

void TKestGraphics::DrawButton(const QRect& rect, bool down, bool focused, bool enabled, bool adaptToStyle,
                               double scaleFactor)
{
    DrawButton(RectToRectF(rect), down, focused, enabled, adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawCloseButton(const QRect& rect, bool down, bool focused, bool enabled, bool adaptToStyle,
                                    double scaleFactor)
{
    DrawCloseButton(RectToRectF(rect), down, focused, enabled, adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawExpanderButton(const QRect& rect, TKestGraphicsExpanderState state, bool down, bool focused,
                                       bool enabled, bool adaptToStyle, double scaleFactor)
{
    DrawExpanderButton(RectToRectF(rect), state, down, focused, enabled, adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawCompactButton(const QRect& rect, TKestGraphicsCompactState state, bool down, bool focused,
                                      bool enabled, bool adaptToStyle, double scaleFactor)
{
    DrawCompactButton(RectToRectF(rect), state, down, focused, enabled, adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawDropDownButton(const QRect& rect, bool down, bool focused, bool enabled, bool center,
                                       bool adaptToStyle, double scaleFactor)
{
    DrawDropDownButton(RectToRectF(rect), down, focused, enabled, center, adaptToStyle, scaleFactor);
}

void TKestGraphics::DrawRadioButton(const QRect& rect, bool checked, bool focused, bool enabled, double scaleFactor)
{
    DrawRadioButton(RectToRectF(rect), checked, focused, enabled, scaleFactor);
}

void TKestGraphics::DrawProgressBar(const QRect& rect, float value, const QString& format, float max, TColor color,
                                    TColor textColor, bool showText, bool enabled, double scaleFactor)
{
    DrawProgressBar(RectToRectF(rect), value, format, max, color, textColor, showText, enabled, scaleFactor);
}
