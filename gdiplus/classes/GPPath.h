#pragma once
// Graphics paths: figures of lines and curves, filled per their fill mode.

#include "gdiplus/classes/GPBase.h"

#include <vector>

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPMatrix;
class TGPPen;

// A path's points and their point-type bytes.
class TPathData {
public:
    INT Count = 0;
    std::vector<TGPPointF> Points;
    std::vector<BYTE> Types;
};

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);

    TGPGraphicsPath* Clone();
    Status Reset();
    FillMode GetFillMode();
    Status SetFillMode(FillMode fillMode);
    // Consecutive lines join into one figure until it is closed or a new
    // one is started.
    Status StartFigure();
    Status CloseFigure();
    Status AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    Status AddLine(INT x1, INT y1, INT x2, INT y2);
    Status AddLines(const TGPPointF* points, INT count);
    Status AddArc(const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    Status AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    Status AddCurve(const TGPPointF* points, INT count);
    Status AddRectangle(const TGPRectF& rect);
    Status AddRectangle(const TGPRect& rect);
    Status AddEllipse(const TGPRectF& rect);
    Status AddEllipse(REAL x, REAL y, REAL width, REAL height);
    Status AddPie(const TGPRectF& rect, REAL startAngle, REAL sweepAngle);
    Status AddPolygon(const TGPPointF* points, INT count);
    Status AddPolygon(const TGPPoint* points, INT count);
    Status AddPath(const TGPGraphicsPath* addingPath, bool connect);
    Status Transform(const TGPMatrix* matrix);
    Status GetBounds(TGPRectF& bounds, const TGPMatrix* matrix = nullptr, const TGPPen* pen = nullptr);
    INT GetPointCount();
    Status GetPathPoints(TGPPointF* points, INT count);
    Status GetPathTypes(BYTE* types, INT count);
    Status GetPathData(TPathData& pathData);
    bool IsVisible(REAL x, REAL y);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpPath* Native() const { return nativePath.get(); }

protected:
    TGPGraphicsPath(GpPath* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpPath, &TGdiplusApiTable::GdipDeletePath> nativePath;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
