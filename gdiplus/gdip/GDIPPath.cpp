#include "gdiplus/gdip/GDIPPath.h"

#include "gdiplus/common/WideText.h"
#include "gdiplus/gdip/GDIPFonts.h"
#include "gdiplus/gdip/GDIPStringFormat.h"

namespace KestGDIP {

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode) { lastResult = AdoptNative(nativePath, &GdipCreatePath, fillMode); }

TStatus TGPGraphicsPath::Reset() { return SetStatus(GdipResetPath(Native())); }

TStatus TGPGraphicsPath::CloseFigure() { return SetStatus(GdipClosePathFigure(Native())); }

TStatus TGPGraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GdipAddPathLine(Native(), x1, y1, x2, y2));
}

TStatus TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }

TStatus TGPGraphicsPath::AddLines(const TGPPointF* points, INT count)
{
    return SetStatus(GdipAddPathLine2(Native(), points, count));
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GdipAddPathRectangle(Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

TStatus TGPGraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return SetStatus(GdipAddPathArc(Native(), x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GdipAddPathEllipse(Native(), x, y, width, height));
}

TStatus TGPGraphicsPath::AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return SetStatus(GdipAddPathPie(Native(), x, y, width, height, startAngle, sweepAngle));
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, INT count)
{
    return SetStatus(GdipAddPathPolygon(Native(), points, count));
}

TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, INT count)
{
    return SetStatus(GdipAddPathCurve(Native(), points, count));
}

TStatus TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                   const TGPPointF& pt4)
{
    return SetStatus(GdipAddPathBezier(Native(), pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}

TStatus TGPGraphicsPath::AddString(const QString& text, INT length, const TGPFontFamily* family, INT style,
                                   REAL emSize, const TGPRectF& layoutRect, const TGPStringFormat* format)
{
    return SetStatus(GdipAddPathString(Native(), reinterpret_cast<const WCHAR*>(text.utf16()), TextLength(text, length),
                                       NativeOf(family), style, emSize, &layoutRect, NativeOf(format)));
}

TStatus TGPGraphicsPath::GetBounds(TGPRectF& bounds)
{
    return SetStatus(GdipGetPathWorldBounds(Native(), &bounds, nullptr, nullptr));
}

INT TGPGraphicsPath::GetPointCount() { return ReadProperty<INT>(lastResult, Native(), &GdipGetPointCount); }

TStatus TGPGraphicsPath::GetPathPoints(TGPPointF* points, INT count)
{
    return SetStatus(GdipGetPathPoints(Native(), points, count));
}

TStatus TGPGraphicsPath::GetPathTypes(BYTE* types, INT count)
{
    return SetStatus(GdipGetPathTypes(Native(), types, count));
}

}
