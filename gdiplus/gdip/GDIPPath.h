#pragma once
// Graphics paths: figures of lines and curves.

#include "gdiplus/gdip/GDIPBase.h"

#include <QString>

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPFontFamily;
class TGPStringFormat;

class TGPGraphicsPath : public TGdiplusBase {
public:
    explicit TGPGraphicsPath(FillMode fillMode = FillModeAlternate);

    TStatus Reset();
    TStatus CloseFigure();
    // Consecutive lines join into one figure.
    TStatus AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
    TStatus AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
    TStatus AddLines(const TGPPointF* points, INT count);
    TStatus AddRectangle(const TGPRectF& rect);
    TStatus AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    TStatus AddEllipse(REAL x, REAL y, REAL width, REAL height);
    TStatus AddPie(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
    TStatus AddPolygon(const TGPPointF* points, INT count);
    TStatus AddCurve(const TGPPointF* points, INT count);
    TStatus AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
    TStatus AddString(const QString& text, INT length, const TGPFontFamily* family, INT style, REAL emSize,
                      const TGPRectF& layoutRect, const TGPStringFormat* format);
    TStatus GetBounds(TGPRectF& bounds);
    INT GetPointCount();
    TStatus GetPathPoints(TGPPointF* points, INT count);
    TStatus GetPathTypes(BYTE* types, INT count);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpPath* Native() const { return nativePath.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpPath, &GdipDeletePath> nativePath;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
