#pragma once
// Small helpers on float rectangles (left, top, right, bottom) and points.
// Rounding goes to the nearest integer, halves to the even neighbour.

#include "framework/FloatGeometry.h"

#include <QPoint>
#include <QRect>

#pragma GCC visibility push(default)

bool RectFIntersects(const TRectF& a, const TRectF& b);
TRectF RectFOffset(const TRectF& r, float dx, float dy);
TRectF RectFInflate(const TRectF& r, float dx, float dy);
bool RectFContainsPoint(const TRectF& r, const TPointF& p);
float RectFWidth(const TRectF& r);
float RectFHeight(const TRectF& r);
// A copy of r centred in bounds, moved by whole pixels.
TRectF RectFCenterAt(const TRectF& r, const TRectF& bounds);
// Left and top cut to the pixel grid of the scale, width and height rounded
// to it; halfPixel moves the result by half a pixel for crisp lines.
TRectF RectFSnapToPixels(const TRectF& r, float scale, bool halfPixel);
// r scaled to fit bounds, keeping its proportions, and centred in them; r
// unchanged (ratio 1) when either rectangle has no positive width and height.
TRectF RectFFitInto(const TRectF& r, const TRectF& bounds, float& ratio);
TRectF RectFFitInto(const TRectF& r, const TRectF& bounds);
// The overlap of a and b, or all zeros when they do not overlap.
bool RectFIntersection(TRectF& result, const TRectF& a, const TRectF& b);
// No width or no height, with a relative tolerance of 1E-4.
bool RectFIsEmpty(const TRectF& r);
float PointFLength(const TPointF& p);
QRect RectFToRect(const TRectF& r);
QPoint PointFToPoint(const TPointF& p);
TRectF RectToRectF(const QRect& r);
TPointF PointToPointF(const QPoint& p);

#pragma GCC visibility pop
