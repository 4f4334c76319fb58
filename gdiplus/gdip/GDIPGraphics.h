#pragma once
// The graphics object: everything is drawn through it, onto a device
// context's pixels or into an image; plus the font and text helpers the
// path bar and the picture container use.

#include "gdiplus/gdip/GDIPBase.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TDeviceContext;
class TFont;

namespace KestGDIP {

class TGPBrush;
class TGPFont;
class TGPGraphicsPath;
class TGPImage;
class TGPMatrix;
class TGPPen;
class TGPRegion;
class TGPStringFormat;

// A text rectangle as the text-out helpers take it: right and bottom are
// exclusive.
struct TGPTextRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// DrawText style bit: only compute the rectangle, draw nothing.
inline constexpr unsigned DT_CALCRECT = 0x400;

class TGPGraphics : public TGdiplusBase {
public:
    // Draws onto the surface's pixels; free it before the surface.
    explicit TGPGraphics(TDeviceContext& dc);
    explicit TGPGraphics(const TGPImage* image);
    ~TGPGraphics() override;
    static std::unique_ptr<TGPGraphics> FromImage(const TGPImage* image);

    TStatus Flush(FlushIntention intention = FlushIntentionFlush);
    TStatus Clear(ARGB color);
    TStatus SetTransform(const TGPMatrix* matrix);
    TStatus ResetTransform();
    TStatus MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    TStatus TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    TStatus ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    TStatus RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);
    HDC GetHDC();
    TStatus ReleaseHDC(HDC hdc);
    TStatus SetCompositingQuality(INT compositingQuality);
    INT GetCompositingQuality();
    TStatus SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    TStatus SetSmoothingMode(INT smoothingMode);
    INT GetSmoothingMode();

    // A font for the framework font: its family (else "Arial"), its point
    // size unless one is given, its style bits, in points. The caller owns it.
    std::unique_ptr<TGPFont> MakeFont(const TFont& font);
    std::unique_ptr<TGPFont> MakeFont(const TFont& font, REAL size);
    // The same, kept by the graphics object and made again only when size,
    // style or family name change.
    TGPFont* MakeFontEx(const TFont& font);
    TGPFont* MakeFontEx(const TFont& font, REAL size);
    int TextWidth(const QString& text, const TFont& font);
    int TextHeight(const QString& text, const TFont& font);
    // Text out at the rectangle's top-left; with DT_CALCRECT or a background
    // colour (not clNone) the rectangle is first fitted to the text. Returns
    // the rectangle's height.
    int DrawText(const QString& text, int length, TGPTextRect& rect, const TFont& font, unsigned style,
                 int backgroundColor);

    TStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
    TStatus DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    TStatus DrawRectangle(const TGPPen* pen, INT x, INT y, INT width, INT height);
    TStatus DrawLine(const TGPPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
    TStatus DrawLine(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2);
    TStatus DrawArc(const TGPPen* pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    TStatus DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                       const TGPPointF& pt4);
    TStatus DrawBeziers(const TGPPen* pen, const TGPPointF* points, INT count);
    TStatus DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
    TStatus DrawImage(const TGPImage* image, REAL x, REAL y, REAL width, REAL height);
    TStatus DrawImageRect(const TGPImage* image, INT x, INT y, INT width, INT height);
    TStatus FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    TStatus FillRectangle(const TGPBrush* brush, INT x, INT y, INT width, INT height);
    TStatus FillPolygon(const TGPBrush* brush, const TGPPointF* points, INT count, FillMode fillMode = FillModeAlternate);
    TStatus FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);
    TStatus FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
    // Text of length characters (all of it when negative; never more than it
    // holds) laid out in the rectangle.
    TStatus DrawString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                       const TGPStringFormat* stringFormat, const TGPBrush* brush);
    TStatus MeasureString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                          const TGPStringFormat* stringFormat, TGPRectF& boundingBox);

    TStatus SetClip(const TGPRectF& rect, CombineMode combineMode = CombineModeReplace);
    TStatus SetClip(const TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    TStatus SetClip(const TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    TStatus ExcludeClip(const TGPRectF& rect);
    TStatus ExcludeClip(const TGPRegion* region);
    TStatus ResetClip();

    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpGraphics* Native() const { return nativeGraphics.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    std::unique_ptr<TGPFont> FCachedFont;
    TNative<GpGraphics, &GdipDeleteGraphics> nativeGraphics;
    TStatus lastResult = Ok;
    // The bitmap over a device context's pixels; it must outlive the
    // graphics object drawing on it.
    TNative<GpImage, &GdipDisposeImage> FSurface;
    // The family name the cached font was asked for (it may have fallen back
    // to another family, whose name then differs).
    QString FCachedFontName;
};

}

#pragma GCC visibility pop
