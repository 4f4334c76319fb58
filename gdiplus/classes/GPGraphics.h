#pragma once
// The graphics object: everything is drawn through it, onto a device
// context's pixels or into an off-screen image.

#include "gdiplus/classes/GPBase.h"

#include <QString>

#pragma GCC visibility push(default)

class TDeviceContext;

namespace KestGDIPlusClasses {

class TGPBrush;
class TGPFont;
class TGPGraphicsPath;
class TGPImage;
class TGPMatrix;
class TGPPen;
class TGPRegion;
class TGPStringFormat;

class TGPGraphics : public TGdiplusBase {
public:
    // Draws onto the surface's pixels; free it before the surface.
    explicit TGPGraphics(TDeviceContext& dc);
    // Draws into the image (an off-screen bitmap).
    explicit TGPGraphics(const TGPImage* image);
    ~TGPGraphics() override;
    static TGPGraphics* FromImage(const TGPImage* image) { return new TGPGraphics(image); }

    Status Flush(FlushIntention intention = FlushIntentionFlush);
    Status Clear(ARGB color);

    Status SetSmoothingMode(INT smoothingMode);
    INT GetSmoothingMode();
    Status SetPixelOffsetMode(INT pixelOffsetMode);
    INT GetPixelOffsetMode();
    Status SetCompositingMode(CompositingMode compositingMode);
    Status SetCompositingQuality(INT compositingQuality);
    INT GetCompositingQuality();
    Status SetTextRenderingHint(TextRenderingHint newMode);
    TextRenderingHint GetTextRenderingHint();
    Status SetInterpolationMode(INT interpolationMode);
    Status SetPageUnit(Unit_ unit);

    // A token for Restore, which returns transform, clip and modes to it.
    GraphicsState Save();
    Status Restore(GraphicsState gstate);

    Status SetClip(const TGPRectF& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPRect& rect, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPGraphicsPath* path, CombineMode combineMode = CombineModeReplace);
    Status SetClip(const TGPRegion* region, CombineMode combineMode = CombineModeReplace);
    Status IntersectClip(const TGPRectF& rect);
    Status ExcludeClip(const TGPRectF& rect);
    Status ResetClip();
    Status GetClipBounds(TGPRectF& rect);
    bool IsClipEmpty();

    Status GetTransform(TGPMatrix* matrix);
    Status SetTransform(const TGPMatrix* matrix);
    Status ResetTransform();
    Status MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order = MatrixOrderPrepend);
    Status TranslateTransform(REAL dx, REAL dy, MatrixOrder order = MatrixOrderPrepend);
    Status ScaleTransform(REAL sx, REAL sy, MatrixOrder order = MatrixOrderPrepend);
    Status RotateTransform(REAL angle, MatrixOrder order = MatrixOrderPrepend);

    Status DrawLine(const TGPPen* pen, REAL x1, REAL y1, REAL x2, REAL y2);
    Status DrawLine(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2);
    Status DrawLine(const TGPPen* pen, INT x1, INT y1, INT x2, INT y2);
    Status DrawLines(const TGPPen* pen, const TGPPointF* points, INT count);
    Status DrawLines(const TGPPen* pen, const TGPPoint* points, INT count);
    Status DrawArc(const TGPPen* pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    Status DrawArc(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    Status DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                      const TGPPointF& pt4);
    Status DrawCurve(const TGPPen* pen, const TGPPointF* points, INT count);
    Status DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
    Status DrawRectangle(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawRectangle(const TGPPen* pen, INT x, INT y, INT width, INT height);
    Status DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
    Status DrawEllipse(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height);
    Status DrawEllipse(const TGPPen* pen, INT x, INT y, INT width, INT height);
    Status DrawPolygon(const TGPPen* pen, const TGPPointF* points, INT count);
    Status DrawPolygon(const TGPPen* pen, const TGPPoint* points, INT count);
    Status DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);

    Status FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
    Status FillRectangle(const TGPBrush* brush, REAL x, REAL y, REAL width, REAL height);
    Status FillRectangle(const TGPBrush* brush, INT x, INT y, INT width, INT height);
    Status FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
    Status FillEllipse(const TGPBrush* brush, REAL x, REAL y, REAL width, REAL height);
    Status FillPolygon(const TGPBrush* brush, const TGPPointF* points, INT count, FillMode fillMode = FillModeAlternate);
    Status FillPolygon(const TGPBrush* brush, const TGPPoint* points, INT count);
    Status FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);
    Status FillRegion(const TGPBrush* brush, const TGPRegion* region);

    Status DrawImage(const TGPImage* image, REAL x, REAL y);
    Status DrawImage(const TGPImage* image, const TGPRectF& rect);
    Status DrawImage(const TGPImage* image, REAL x, REAL y, REAL width, REAL height);
    Status DrawImage(const TGPImage* image, INT x, INT y, INT width, INT height);

    // Text of length characters (all of it when negative; never more than it
    // holds) laid out in the rectangle.
    Status DrawString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                      const TGPStringFormat* stringFormat, const TGPBrush* brush);
    Status MeasureString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                         const TGPStringFormat* stringFormat, TGPRectF& boundingBox,
                         INT* codepointsFitted = nullptr, INT* linesFilled = nullptr);

    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpGraphics* Native() const { return nativeGraphics.get(); }

protected:
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpGraphics, &TGdiplusApiTable::GdipDeleteGraphics> nativeGraphics;
    Status lastResult = Ok;
    // The bitmap over a device context's pixels; it must outlive the
    // graphics object drawing on it.
    TNative<GpImage, &TGdiplusApiTable::GdipDisposeImage> FSurface;
};

}

#pragma GCC visibility pop
