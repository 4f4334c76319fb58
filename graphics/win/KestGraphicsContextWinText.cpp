// Text of the drawing-library back-end: drawing, measuring and the rotation
// of text about the centre of its rectangle.

#include "graphics/win/KestGraphicsContextWin.h"

#include "graphics/GraphicsFont.h"
#include "graphics/win/WinColor.h"
#include "graphics/win/WinFont.h"

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;
using namespace KestGraphicsWin;

namespace {

StringAlignment Alignment(TKestGraphicsTextAlign align)
{
    switch (align) {
    case gtaCenter:
        return StringAlignmentCenter;
    case gtaTrailing:
        return StringAlignmentFar;
    case gtaLeading:
        break;
    }
    return StringAlignmentNear;
}

TGPRectF LayoutRect(const TRectF& rect) { return TGPRectF{rect.Left, rect.Top, rect.Width(), rect.Height()}; }

}

TGPFont& TKestGraphicsContextWin::GPFont()
{
    if (!FGPFont)
        FGPFont = MakeWinFont(*FFont);
    return *FGPFont;
}

// One format serves every text call; each call sets all of it.
TGPStringFormat& TKestGraphicsContextWin::TextFormat(bool wordWrapping, TKestGraphicsTextAlign horizontalAlign,
                                                     TKestGraphicsTextAlign verticalAlign,
                                                     TKestGraphicsTextTrimming trimming)
{
    TGPStringFormat& format = *FGPStringFormat;
    format.SetAlignment(Alignment(horizontalAlign));
    format.SetLineAlignment(Alignment(verticalAlign));
    format.SetFormatFlags(wordWrapping ? StringFormatFlagsNoClip : StringFormatFlagsNoClip | StringFormatFlagsNoWrap);
    switch (trimming) {
    case gttCharacter:
        format.SetTrimming(StringTrimmingCharacter);
        break;
    case gttWord:
        format.SetTrimming(StringTrimmingWord);
        break;
    case gttNone:
        format.SetTrimming(FDefaultTrimming);
        break;
    }
    format.SetHotkeyPrefix(FShowAcceleratorChar ? HotkeyPrefixShow : HotkeyPrefixNone);
    return format;
}

void TKestGraphicsContextWin::DrawText(const QString& text, const TRectF& rect, bool wordWrapping,
                                       TKestGraphicsTextAlign horizontalAlign, TKestGraphicsTextAlign verticalAlign,
                                       TKestGraphicsTextTrimming trimming, float)
{
    if (!FGPGraphics || text.isEmpty())
        return;
    TGPSolidBrush brush(WinColor(FFont->Color(), 1));
    FGPGraphics->DrawString(text, -1, &GPFont(), LayoutRect(rect),
                            &TextFormat(wordWrapping, horizontalAlign, verticalAlign, trimming), &brush);
}

TRectF TKestGraphicsContextWin::CalculateText(const QString& text, const TRectF& rect, bool wordWrapping)
{
    if (!FGPGraphics)
        return TRectF();
    TGPRectF box{};
    FGPGraphics->MeasureString(text, -1, &GPFont(), LayoutRect(rect),
                               &TextFormat(wordWrapping, gtaLeading, gtaLeading, gttNone), box);
    return TRectF(box.X, box.Y, box.X + box.Width, box.Y + box.Height);
}

TRectF TKestGraphicsContextWin::SetTextAngle(const TRectF& rect, float angle)
{
    if (angle == 0 || !FGPGraphics)
        return rect;
    FTextMatrix = std::make_unique<TGPMatrix>();
    FGPGraphics->GetTransform(FTextMatrix.get());
    // A point is turned about the origin, then moved to the centre.
    TGPMatrix turn;
    turn.Translate((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2, MatrixOrderPrepend);
    turn.Rotate(angle, MatrixOrderPrepend);
    FGPGraphics->MultiplyTransform(&turn, MatrixOrderPrepend);
    const float w = rect.Width(), h = rect.Height();
    if (h > w)
        return TRectF(-h / 2, -w / 2, h / 2, w / 2);
    return TRectF(-w / 2, -h / 2, w / 2, h / 2);
}

void TKestGraphicsContextWin::ResetTextAngle(float angle)
{
    if (angle == 0 || !FTextMatrix)
        return;
    if (FGPGraphics)
        FGPGraphics->SetTransform(FTextMatrix.get());
    FTextMatrix.reset();
}
