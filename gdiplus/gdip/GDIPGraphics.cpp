#include "gdiplus/gdip/GDIPGraphics.h"

#include "gdiplus/common/MeasureText.h"
#include "gdiplus/common/SurfaceBinding.h"
#include "gdiplus/common/WideText.h"
#include "gdiplus/gdip/GDIPBrushes.h"
#include "gdiplus/gdip/GDIPFonts.h"
#include "gdiplus/gdip/GDIPImage.h"
#include "gdiplus/gdip/GDIPMatrix.h"
#include "gdiplus/gdip/GDIPPath.h"
#include "gdiplus/gdip/GDIPPen.h"
#include "gdiplus/gdip/GDIPRegion.h"
#include "gdiplus/gdip/GDIPStringFormat.h"

namespace KestGDIP {

TGPGraphics::TGPGraphics(TDeviceContext& dc)
{
    GpBitmap* surface = nullptr;
    GpGraphics* graphics = nullptr;
    lastResult = BindSurface({&GdipCreateBitmapFromScan0, &GdipGetImageGraphicsContext, &GdipDisposeImage,
                              &GdipDeleteGraphics, &GdipScaleWorldTransform}, dc,
                             &surface, &graphics);
    FSurface.reset(surface);
    nativeGraphics.reset(graphics);
}

TGPGraphics::TGPGraphics(const TGPImage* image)
{
    lastResult = AdoptNative(nativeGraphics, &GdipGetImageGraphicsContext, NativeOf(image));
}

TGPGraphics::~TGPGraphics()
{
    FCachedFont.reset();
    nativeGraphics.reset();
    FSurface.reset();
}

std::unique_ptr<TGPGraphics> TGPGraphics::FromImage(const TGPImage* image)
{
    return std::unique_ptr<TGPGraphics>(new TGPGraphics(image));
}

TStatus TGPGraphics::Flush(FlushIntention intention) { return SetStatus(GdipFlush(Native(), intention)); }

TStatus TGPGraphics::Clear(ARGB color) { return SetStatus(GdipGraphicsClear(Native(), color)); }

TStatus TGPGraphics::SetTransform(const TGPMatrix* matrix)
{
    return SetStatus(GdipSetWorldTransform(Native(), NativeOf(matrix)));
}

TStatus TGPGraphics::ResetTransform() { return SetStatus(GdipResetWorldTransform(Native())); }

TStatus TGPGraphics::MultiplyTransform(const TGPMatrix* matrix, MatrixOrder order)
{
    return SetStatus(GdipMultiplyWorldTransform(Native(), NativeOf(matrix), order));
}

TStatus TGPGraphics::TranslateTransform(REAL dx, REAL dy, MatrixOrder order)
{
    return SetStatus(GdipTranslateWorldTransform(Native(), dx, dy, order));
}

TStatus TGPGraphics::ScaleTransform(REAL sx, REAL sy, MatrixOrder order)
{
    return SetStatus(GdipScaleWorldTransform(Native(), sx, sy, order));
}

TStatus TGPGraphics::RotateTransform(REAL angle, MatrixOrder order)
{
    return SetStatus(GdipRotateWorldTransform(Native(), angle, order));
}

HDC TGPGraphics::GetHDC() { return ReadProperty<HDC>(lastResult, Native(), &GdipGetDC); }

TStatus TGPGraphics::ReleaseHDC(HDC hdc) { return SetStatus(GdipReleaseDC(Native(), hdc)); }

TStatus TGPGraphics::SetCompositingQuality(INT compositingQuality)
{
    return SetStatus(GdipSetCompositingQuality(Native(), compositingQuality));
}

INT TGPGraphics::GetCompositingQuality() { return ReadProperty<INT>(lastResult, Native(), &GdipGetCompositingQuality); }

TStatus TGPGraphics::SetTextRenderingHint(TextRenderingHint newMode)
{
    return SetStatus(GdipSetTextRenderingHint(Native(), newMode));
}

TextRenderingHint TGPGraphics::GetTextRenderingHint()
{
    return ReadProperty<TextRenderingHint>(lastResult, Native(), &GdipGetTextRenderingHint);
}

TStatus TGPGraphics::SetSmoothingMode(INT smoothingMode) { return SetStatus(GdipSetSmoothingMode(Native(), smoothingMode)); }

INT TGPGraphics::GetSmoothingMode() { return ReadProperty<INT>(lastResult, Native(), &GdipGetSmoothingMode); }

TStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path)
{
    return SetStatus(GdipDrawPath(Native(), NativeOf(pen), NativeOf(path)));
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect)
{
    return SetStatus(GdipDrawRectangle(Native(), NativeOf(pen), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, INT x, INT y, INT width, INT height)
{
    return SetStatus(GdipDrawRectangleI(Native(), NativeOf(pen), x, y, width, height));
}

TStatus TGPGraphics::DrawLine(const TGPPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GdipDrawLine(Native(), NativeOf(pen), x1, y1, x2, y2));
}

TStatus TGPGraphics::DrawLine(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2)
{
    return DrawLine(pen, pt1.X, pt1.Y, pt2.X, pt2.Y);
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return SetStatus(
        GdipDrawArc(Native(), NativeOf(pen), rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle));
}

TStatus TGPGraphics::DrawBezier(const TGPPen* pen, const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                const TGPPointF& pt4)
{
    return SetStatus(
        GdipDrawBezier(Native(), NativeOf(pen), pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}

TStatus TGPGraphics::DrawBeziers(const TGPPen* pen, const TGPPointF* points, INT count)
{
    return SetStatus(GdipDrawBeziers(Native(), NativeOf(pen), points, count));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect)
{
    return SetStatus(GdipDrawEllipse(Native(), NativeOf(pen), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::DrawImage(const TGPImage* image, REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipDrawImageRect(Native(), NativeOf(image), x, y, width, height));
}

TStatus TGPGraphics::DrawImageRect(const TGPImage* image, INT x, INT y, INT width, INT height)
{
    return SetStatus(GdipDrawImageRectI(Native(), NativeOf(image), x, y, width, height));
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect)
{
    return SetStatus(GdipFillRectangle(Native(), NativeOf(brush), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, INT x, INT y, INT width, INT height)
{
    return SetStatus(GdipFillRectangleI(Native(), NativeOf(brush), x, y, width, height));
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, INT count, FillMode fillMode)
{
    return SetStatus(GdipFillPolygon(Native(), NativeOf(brush), points, count, fillMode));
}

TStatus TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path)
{
    return SetStatus(GdipFillPath(Native(), NativeOf(brush), NativeOf(path)));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& rect)
{
    return SetStatus(GdipFillEllipse(Native(), NativeOf(brush), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphics::DrawString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                                const TGPStringFormat* stringFormat, const TGPBrush* brush)
{
    return SetStatus(GdipDrawString(Native(), reinterpret_cast<const WCHAR*>(text.utf16()), TextLength(text, length),
                                    NativeOf(font), &layoutRect, NativeOf(stringFormat), NativeOf(brush)));
}

TStatus TGPGraphics::MeasureString(const QString& text, INT length, const TGPFont* font, const TGPRectF& layoutRect,
                                   const TGPStringFormat* stringFormat, TGPRectF& boundingBox)
{
    TMeasureCall call{&GdipMeasureString, Native(), NativeOf(font), NativeOf(stringFormat)};
    return SetStatus(MeasureText(call, text, TextLength(text, length), layoutRect, boundingBox, nullptr, nullptr));
}

TStatus TGPGraphics::SetClip(const TGPRectF& rect, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRect(Native(), rect.X, rect.Y, rect.Width, rect.Height, combineMode));
}

TStatus TGPGraphics::SetClip(const TGPGraphicsPath* path, CombineMode combineMode)
{
    return SetStatus(GdipSetClipPath(Native(), NativeOf(path), combineMode));
}

TStatus TGPGraphics::SetClip(const TGPRegion* region, CombineMode combineMode)
{
    return SetStatus(GdipSetClipRegion(Native(), NativeOf(region), combineMode));
}

TStatus TGPGraphics::ExcludeClip(const TGPRectF& rect) { return SetClip(rect, CombineModeExclude); }

TStatus TGPGraphics::ExcludeClip(const TGPRegion* region) { return SetClip(region, CombineModeExclude); }

TStatus TGPGraphics::ResetClip() { return SetStatus(GdipResetClip(Native())); }

}
