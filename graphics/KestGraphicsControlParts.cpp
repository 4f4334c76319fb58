// The control parts the canvas draws in a flat style: buttons with their
// glyphs, check boxes, radio buttons and progress bars.

#include "graphics/KestGraphics.h"

#include "pictures/RectFHelpers.h"

void TKestGraphics::SetDefaultGraphicColors() {}

void TKestGraphics::DrawButton(const TRectF&, bool, bool, bool, bool, double) {}
void TKestGraphics::DrawCloseButton(const TRectF&, bool, bool, bool, bool, double) {}
void TKestGraphics::DrawExpanderButton(const TRectF&, TKestGraphicsExpanderState, bool, bool, bool, bool, double) {}
void TKestGraphics::DrawCompactButton(const TRectF&, TKestGraphicsCompactState, bool, bool, bool, bool, double) {}
void TKestGraphics::DrawDropDownButton(const TRectF&, bool, bool, bool, bool, bool, double) {}
void TKestGraphics::DrawCheckBox(const TRectF&, bool, bool, bool, double) {}
void TKestGraphics::DrawRadioButton(const TRectF&, bool, bool, bool, double) {}
void TKestGraphics::DrawProgressBar(const TRectF&, float, const QString&, float, TColor, TColor, bool, bool, double) {}

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
