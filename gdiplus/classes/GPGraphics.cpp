#include "gdiplus/classes/GPGraphics.h"

#include "gdiplus/classes/GPBrushes.h"
#include "gdiplus/classes/GPFonts.h"
#include "gdiplus/classes/GPImages.h"
#include "gdiplus/classes/GPMatrix.h"
#include "gdiplus/classes/GPPath.h"
#include "gdiplus/classes/GPPen.h"
#include "gdiplus/classes/GPRegion.h"
#include "gdiplus/classes/GPStringFormat.h"
#include "gdiplus/common/MeasureText.h"
#include "gdiplus/common/SurfaceBinding.h"
#include "gdiplus/common/WideText.h"

namespace KestGDIPlusClasses {

TGPGraphics::TGPGraphics(TDeviceContext& dc)
{
    TSurfaceCalls calls{GDIPLUS_API(GdipCreateBitmapFromScan0), GDIPLUS_API(GdipGetImageGraphicsContext),
                        GDIPLUS_API(GdipDisposeImage), GDIPLUS_API(GdipDeleteGraphics),
                        GDIPLUS_API(GdipScaleWorldTransform)};
    GpBitmap* surface = nullptr;
    GpGraphics* graphics = nullptr;
    lastResult = BindSurface(calls, dc, &surface, &graphics);
    FSurface.reset(surface);
    nativeGraphics.reset(graphics);
}

TGPGraphics::TGPGraphics(const TGPImage* image)
{
    lastResult = AdoptNative(nativeGraphics, GDIPLUS_API(GdipGetImageGraphicsContext), NativeOf(image));
}

TGPGraphics::~TGPGraphics()
{
    nativeGraphics.reset();
    FSurface.reset();
}

Status TGPGraphics::Flush(FlushIntention intention)
{
    return SetStatus(GDIPLUS_API(GdipFlush)(Native(), intention));
}

Status TGPGraphics::Clear(ARGB color) { return SetStatus(GDIPLUS_API(GdipGraphicsClear)(Native(), color)); }

Status TGPGraphics::SetSmoothingMode(INT smoothingMode)
{
    return SetStatus(GDIPLUS_API(GdipSetSmoothingMode)(Native(), smoothingMode));
}

INT TGPGraphics::GetSmoothingMode()
{
    return ReadProperty<INT>(lastResult, Native(), GDIPLUS_API(GdipGetSmoothingMode));
}

Status TGPGraphics::SetPixelOffsetMode(INT pixelOffsetMode)
{
    return SetStatus(GDIPLUS_API(GdipSetPixelOffsetMode)(Native(), pixelOffsetMode));
}

INT TGPGraphics::GetPixelOffsetMode()
{
    return ReadProperty<INT>(lastResult, Native(), GDIPLUS_API(GdipGetPixelOffsetMode));
}

Status TGPGraphics::SetCompositingMode(CompositingMode compositingMode)
{
    return SetStatus(GDIPLUS_API(GdipSetCompositingMode)(Native(), compositingMode));
}

Status TGPGraphics::SetCompositingQuality(INT compositingQuality)
{
    return SetStatus(GDIPLUS_API(GdipSetCompositingQuality)(Native(), compositingQuality));
}

INT TGPGraphics::GetCompositingQuality()
{
    return ReadProperty<INT>(lastResult, Native(), GDIPLUS_API(GdipGetCompositingQuality));
}

Status TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GDIPLUS_API(GdipSetTextRenderingHint)(Native(), newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    return ReadProperty<TextRenderingHint>(lastResult, Native(), GDIPLUS_API(GdipGetTextRenderingHint));
}

Status TGPGraphics::SetInterpolationMode(INT interpolationMode)
{
    return SetStatus(GDIPLUS_API(GdipSetInterpolationMode)(Native(), interpolationMode));
}

Status TGPGraphics::SetPageUnit(Unit_ unit) { return SetStatus(GDIPLUS_API(GdipSetPageUnit)(Native(), unit)); }

GraphicsState TGPGraphics::Save()
{
    return ReadProperty<GraphicsState>(lastResult, Native(), GDIPLUS_API(GdipSaveGraphics));
}

Status TGPGraphics::Restore(GraphicsState gstate)
{
    return SetStatus(GDIPLUS_API(GdipRestoreGraphics)(Native(), gstate));
}

Status TGPGraphics::SetClip(const TGPRectF& rect, CombineMode combineMode)
{
    return SetStatus(GDIPLUS_API(GdipSetClipRect)(Native(), rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}

Status TGPGraphics::SetClip(const TGPRect& rect, CombineMode combineMode)
{
    return SetStatus(GDIPLUS_API(GdipSetClipRectI)(Native(), rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}

Status TGPGraphics::SetClip(const TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GDIPLUS_API(GdipSetClipPath)(Native(), NativeOf(path), combineMode));
}

Status TGPGraphics::SetClip(const TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GDIPLUS_API(GdipSetClipRegion)(Native(), NativeOf(region), combineMode));
}

Status TGPGraphics::IntersectClip(const TGPRectF& rect) { return SetClip(rect, CombineModeIntersect); }

Status TGPGraphics::ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }

Status TGPGraphics::ResetClip() { return SetStatus(GDIPLUS_API(GdipResetClip)(Native())); }

Status TGPGraphics::GetClipBounds(TGPRectF& rect) { return SetStatus(GDIPLUS_API(GdipGetClipBounds)(Native(), &rect)); }

bool TGPGraphics::IsClipEmpty() { return ReadProperty<BOOL>(lastResult, Native(), GDIPLUS_API(GdipIsClipEmpty)) != 0; }

Status TGPGraphics::GetTransform(TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipGetWorldTransform)(Native(), NativeOf(matrix)));
}

Status TGPGraphics::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipSetWorldTransform)(Native(), NativeOf(matrix)));
}

Status TGPGraphics::ResetTransform() { return SetStatus(GDIPLUS_API(GdipResetWorldTransform)(Native())); }

Status TGPGraphics::MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipMultiplyWorldTransform)(Native(), NativeOf(matrix), order));
}

Status TGPGraphics::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipTranslateWorldTransform)(Native(), dx, dy, order));
}

Status TGPGraphics::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipScaleWorldTransform)(Native(), sx, sy, order));
}

Status TGPGraphics::RotateTransform(REAL angle, MatrixOrder order)
{
    return SetStatus(GDIPLUS_API(GdipRotateWorldTransform)(Native(), angle, order));
}

Status TGPGraphics::DrawLine(const TGPPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GDIPLUS_API(GdipDrawLine)(Native(), NativeOf(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLine(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}

Status TGPGraphics::DrawLine(const TGPPen* pen, INT x1, INT y1, INT x2, INT y2)
{
    return SetStatus(GDIPLUS_API(GdipDrawLineI)(Native(), NativeOf(pen), x1, y1, x2, y2));
}

Status TGPGraphics::DrawLines(const TGPPen* pen, const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipDrawLines)(Native(), NativeOf(pen), points, count));
}

Status TGPGraphics::DrawLines(const TGPPen* pen, const TGPPoint* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipDrawLinesI)(Native(), NativeOf(pen), points, count));
}

Status TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphics::DrawArc(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                            REAL sweepAngle)
{
    return SetStatus(GDIPLUS_API(GdipDrawArc)(Native(), NativeOf(pen), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphics::DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                               const TGPPointF& pt4)
{
    return SetStatus(GDIPLUS_API(GdipDrawBezier)(Native(), NativeOf(pen), pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y,
                                                 pt4.X, pt4.Y));
}

Status TGPGraphics::DrawCurve(const TGPPen* pen, const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipDrawCurve)(Native(), NativeOf(pen), points, count));
}

Status TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawRectangle(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawRectangle(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipDrawRectangle)(Native(), NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawRectangle(const TGPPen* pen, INT x, INT y, INT width, INT height)
{
    return SetStatus(GDIPLUS_API(GdipDrawRectangleI)(Native(), NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect)
{
    return DrawEllipse(pen, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipDrawEllipse)(Native(), NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawEllipse(const TGPPen* pen, INT x, INT y, INT width, INT height)
{
    return SetStatus(GDIPLUS_API(GdipDrawEllipseI)(Native(), NativeOf(pen), x, y, width, height));
}

Status TGPGraphics::DrawPolygon(const TGPPen* pen, const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipDrawPolygon)(Native(), NativeOf(pen), points, count));
}

Status TGPGraphics::DrawPolygon(const TGPPen* pen, const TGPPoint* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipDrawPolygonI)(Native(), NativeOf(pen), points, count));
}

Status TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path)
{
    return SetStatus(GDIPLUS_API(GdipDrawPath)(Native(), NativeOf(pen), NativeOf(path)));
}

Status TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillRectangle(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillRectangle(const TGPBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipFillRectangle)(Native(), NativeOf(brush), x, y, width, height));
}

Status TGPGraphics::FillRectangle(const TGPBrush* brush, INT x, INT y, INT width, INT height)
{
    return SetStatus(GDIPLUS_API(GdipFillRectangleI)(Native(), NativeOf(brush), x, y, width, height));
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& rect)
{
    return FillEllipse(brush, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::FillEllipse(const TGPBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipFillEllipse)(Native(), NativeOf(brush), x, y, width, height));
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, INT count, FillMode fillMode)
{
    return SetStatus(GDIPLUS_API(GdipFillPolygon)(Native(), NativeOf(brush), points, count, fillMode));
}

Status TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipFillPolygon2I)(Native(), NativeOf(brush), points, count));
}

Status TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path)
{
    return SetStatus(GDIPLUS_API(GdipFillPath)(Native(), NativeOf(brush), NativeOf(path)));
}

Status TGPGraphics::FillRegion(const TGPBrush* brush, const TGPRegion* region)
{
    return SetStatus(GDIPLUS_API(GdipFillRegion)(Native(), NativeOf(brush), NativeOf(region)));
}

Status TGPGraphics::DrawImage(const TGPImage* image, REAL x, REAL y)
{
    return SetStatus(GDIPLUS_API(GdipDrawImage)(Native(), NativeOf(image), x, y));
}

Status TGPGraphics::DrawImage(const TGPImage* image, const TGPRectF& rect)
{
    return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

Status TGPGraphics::DrawImage(const TGPImage* image, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipDrawImageRect)(Native(), NativeOf(image), x, y, width, height));
}

Status TGPGraphics::DrawImage(const TGPImage* image, INT x, INT y, INT width, INT height)
{
    return SetStatus(GDIPLUS_API(GdipDrawImageRectI)(Native(), NativeOf(image), x, y, width, height));
}

Status TGPGraphics::DrawString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                               const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return SetStatus(GDIPLUS_API(GdipDrawString)(Native(), reinterpret_cast<const WCHAR*>(text.utf16()),
                                                 TextLength(text, length), NativeOf(font), &layoutRect,
                                                 NativeOf(stringFormat), NativeOf(brush)));
}

Status TGPGraphics::MeasureString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                                  const TGPStringFormat* stringFormat, TGPRectF& boundingBox, INT* codepointsFitted,
                                  INT* linesFilled)
{
    TMeasureCall call{GDIPLUS_API(GdipMeasureString), Native(), NativeOf(font), NativeOf(stringFormat)};
    return SetStatus(MeasureText(call, text, TextLength(text, length), layoutRect, boundingBox, codepointsFitted,
                                 linesFilled));
}

}
