#include "gdiplus/classes/GPPath.h"

#include "gdiplus/classes/GPMatrix.h"
#include "gdiplus/classes/GPPen.h"

namespace KestGDIPlusClasses {

TGPGraphicsPath::TGPGraphicsPath(FillMode fillMode)
{
    lastResult = AdoptNative(nativePath, GDIPLUS_API(GdipCreatePath), fillMode);
}

TGPGraphicsPath::TGPGraphicsPath(GpPath* native, Status status) : lastResult(status) { nativePath.reset(native); }

TGPGraphicsPath* TGPGraphicsPath::Clone()
{
    GpPath* copy = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipClonePath)(Native(), &copy));
    return new TGPGraphicsPath(copy, status);
}

Status TGPGraphicsPath::Reset() { return SetStatus(GDIPLUS_API(GdipResetPath)(Native())); }

FillMode TGPGraphicsPath::GetFillMode()
{
    return ReadProperty<FillMode>(lastResult, Native(), GDIPLUS_API(GdipGetPathFillMode));
}

Status TGPGraphicsPath::SetFillMode(FillMode fillMode)
{
    return SetStatus(GDIPLUS_API(GdipSetPathFillMode)(Native(), fillMode));
}

Status TGPGraphicsPath::StartFigure() { return SetStatus(GDIPLUS_API(GdipStartPathFigure)(Native())); }

Status TGPGraphicsPath::CloseFigure() { return SetStatus(GDIPLUS_API(GdipClosePathFigure)(Native())); }

Status TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) { return AddLine(pt1.X, pt1.Y, pt2.X, pt2.Y); }

Status TGPGraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
    return SetStatus(GDIPLUS_API(GdipAddPathLine)(Native(), x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLine(INT x1, INT y1, INT x2, INT y2)
{
    return SetStatus(GDIPLUS_API(GdipAddPathLineI)(Native(), x1, y1, x2, y2));
}

Status TGPGraphicsPath::AddLines(const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipAddPathLine2)(Native(), points, count));
}

Status TGPGraphicsPath::AddArc(const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return AddArc(rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

Status TGPGraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    return SetStatus(GDIPLUS_API(GdipAddPathArc)(Native(), x, y, width, height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                  const TGPPointF& pt4)
{
    return SetStatus(
        GDIPLUS_API(GdipAddPathBezier)(Native(), pt1.X, pt1.Y, pt2.X, pt2.Y, pt3.X, pt3.Y, pt4.X, pt4.Y));
}

Status TGPGraphicsPath::AddCurve(const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipAddPathCurve)(Native(), points, count));
}

Status TGPGraphicsPath::AddRectangle(const TGPRectF& rect)
{
    return SetStatus(GDIPLUS_API(GdipAddPathRectangle)(Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddRectangle(const TGPRect& rect)
{
    return SetStatus(GDIPLUS_API(GdipAddPathRectangleI)(Native(), rect.X, rect.Y, rect.Width, rect.Height));
}

Status TGPGraphicsPath::AddEllipse(const TGPRectF& rect) { return AddEllipse(rect.X, rect.Y, rect.Width, rect.Height); }

Status TGPGraphicsPath::AddEllipse(REAL x, REAL y, REAL width, REAL height)
{
    return SetStatus(GDIPLUS_API(GdipAddPathEllipse)(Native(), x, y, width, height));
}

Status TGPGraphicsPath::AddPie(const TGPRectF& rect, REAL startAngle, REAL sweepAngle)
{
    return SetStatus(
        GDIPLUS_API(GdipAddPathPie)(Native(), rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle));
}

Status TGPGraphicsPath::AddPolygon(const TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipAddPathPolygon)(Native(), points, count));
}

Status TGPGraphicsPath::AddPolygon(const TGPPoint* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipAddPathPolygonI)(Native(), points, count));
}

Status TGPGraphicsPath::AddPath(const TGPGraphicsPath* addingPath, bool connect)
{
    return SetStatus(GDIPLUS_API(GdipAddPathPath)(Native(), NativeOf(addingPath), BOOL(connect)));
}

Status TGPGraphicsPath::Transform(const TGPMatrix* matrix)
{
    return SetStatus(GDIPLUS_API(GdipTransformPath)(Native(), NativeOf(matrix)));
}

Status TGPGraphicsPath::GetBounds(TGPRectF& bounds, const TGPMatrix* matrix, const TGPPen* pen)
{
    return SetStatus(GDIPLUS_API(GdipGetPathWorldBounds)(Native(), &bounds, NativeOf(matrix), NativeOf(pen)));
}

INT TGPGraphicsPath::GetPointCount()
{
    return ReadProperty<INT>(lastResult, Native(), GDIPLUS_API(GdipGetPointCount));
}

Status TGPGraphicsPath::GetPathPoints(TGPPointF* points, INT count)
{
    return SetStatus(GDIPLUS_API(GdipGetPathPoints)(Native(), points, count));
}

Status TGPGraphicsPath::GetPathTypes(BYTE* types, INT count)
{
    return SetStatus(GDIPLUS_API(GdipGetPathTypes)(Native(), types, count));
}

Status TGPGraphicsPath::GetPathData(TPathData& pathData)
{
    pathData = TPathData{};
    INT count = GetPointCount();
    if (count <= 0)
        return lastResult;
    pathData.Points.resize(size_t(count));
    pathData.Types.resize(size_t(count));
    Status status = GetPathPoints(pathData.Points.data(), count);
    if (status == Ok)
        status = GetPathTypes(pathData.Types.data(), count);
    pathData.Count = status == Ok ? count : 0;
    return status;
}

bool TGPGraphicsPath::IsVisible(REAL x, REAL y)
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsVisiblePathPoint)(Native(), x, y, nullptr, &result));
    return result != 0;
}

}
