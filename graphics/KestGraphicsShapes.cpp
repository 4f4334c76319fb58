// The canvas's shapes: the shape rule (fill first, then stroke, a texture
// fill drawn over the shape's bounds) and the overloads that convert
// integer and double coordinates to the float forms.

#include "graphics/KestGraphics.h"

#include "graphics/GraphicsCornerPath.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"
#include "pictures/RectFHelpers.h"

namespace {

TRectF ToRectF(double left, double top, double right, double bottom)
{
    return TRectF(float(left), float(top), float(right), float(bottom));
}

TPointF ToPointF(const QPoint& point) { return PointToPointF(point); }

}

bool TKestGraphics::TextureFill() const { return FFill->Kind() == gfkTexture; }

bool TKestGraphics::FillStepRuns() const
{
    return (FFill->Color() != gcNull && FFill->Kind() != gfkNone) || TextureFill();
}

bool TKestGraphics::StrokeStepRuns() const { return FStroke->Color() != gcNull && FStroke->Kind() != gskNone; }

// --- lines ---

void TKestGraphics::DrawLine(const TPointF& fromPoint, const TPointF& toPoint,
                             TKestGraphicsModifyPointMode modifyPointModeFrom,
                             TKestGraphicsModifyPointMode modifyPointModeTo)
{
    if (StrokeStepRuns())
        Context()->DrawLine(FStroke.get(), fromPoint, toPoint, modifyPointModeFrom, modifyPointModeTo);
}

void TKestGraphics::DrawLine(const QPoint& fromPoint, const QPoint& toPoint,
                             TKestGraphicsModifyPointMode modifyPointModeFrom,
                             TKestGraphicsModifyPointMode modifyPointModeTo)
{
    DrawLine(ToPointF(fromPoint), ToPointF(toPoint), modifyPointModeFrom, modifyPointModeTo);
}

// --- focus marks ---

void TKestGraphics::DrawFocusRectangle(int left, int top, int right, int bottom, TColor color,
                                       TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawFocusRectangle(ToRectF(left, top, right, bottom), color, modifyRectMode);
}

void TKestGraphics::DrawFocusRectangle(const QRect& rect, TColor color, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawFocusRectangle(RectToRectF(rect), color, modifyRectMode);
}

void TKestGraphics::DrawFocusRectangle(double left, double top, double right, double bottom, TColor color,
                                       TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawFocusRectangle(ToRectF(left, top, right, bottom), color, modifyRectMode);
}

// --- paths and polygons ---

void TKestGraphics::DrawPolygon(const TKestGraphicsPathPolygon& polygon)
{
    if (FillStepRuns()) {
        if (TextureFill()) {
            TKestGraphicsPath bounds;
            bounds.AddPolygon(polygon);
            DrawTexture(bounds.GetBounds(), FFill->Texture(), FFill->TextureMode());
        } else {
            Context()->FillPolygon(FFill.get(), polygon);
        }
    }
    if (StrokeStepRuns())
        Context()->DrawPolygon(FStroke.get(), polygon);
}

void TKestGraphics::DrawPolyline(const TKestGraphicsPathPolygon& polyline)
{
    // A polyline has no texture case: its fill goes to the back-end.
    if (FFill->Color() != gcNull && FFill->Kind() != gfkNone)
        Context()->FillPolyline(FFill.get(), polyline);
    if (StrokeStepRuns())
        Context()->DrawPolyline(FStroke.get(), polyline);
}

void TKestGraphics::DrawPath(TKestGraphicsPath* path, TKestGraphicsPathDrawMode pathMode)
{
    if (!path)
        return;
    if (FillStepRuns()) {
        if (TextureFill())
            DrawTexture(path->GetBounds(), FFill->Texture(), FFill->TextureMode());
        else
            Context()->FillPath(FFill.get(), path, pathMode);
    }
    if (StrokeStepRuns())
        Context()->DrawPath(FStroke.get(), path, pathMode);
}

// --- arcs ---

void TKestGraphics::DrawArc(const TPointF& center, const TPointF& radius, float startAngle, float sweepAngle)
{
    // Unlike the other shapes, a texture fill needs a colour here too.
    if (FFill->Color() != gcNull && (FFill->Kind() != gfkNone || TextureFill())) {
        if (TextureFill()) {
            TKestGraphicsPath bounds;
            bounds.AddArc(center, radius, startAngle, sweepAngle);
            DrawTexture(bounds.GetBounds(), FFill->Texture(), FFill->TextureMode());
        } else {
            Context()->FillArc(FFill.get(), center, radius, startAngle, sweepAngle);
        }
    }
    if (StrokeStepRuns())
        Context()->DrawArc(FStroke.get(), center, radius, startAngle, sweepAngle);
}

void TKestGraphics::DrawArc(const QPoint& center, const QPoint& radius, float startAngle, float sweepAngle)
{
    DrawArc(ToPointF(center), ToPointF(radius), startAngle, sweepAngle);
}

// --- rectangles and ellipses ---

void TKestGraphics::DrawRectangle(const TRectF& rect, TKestGraphicsSides sides,
                                  TKestGraphicsModifyRectMode modifyRectMode)
{
    if (FillStepRuns()) {
        if (TextureFill())
            DrawTexture(rect, FFill->Texture(), FFill->TextureMode());
        else
            Context()->FillRect(FFill.get(), rect, modifyRectMode);
    }
    if (StrokeStepRuns())
        Context()->DrawRect(FStroke.get(), rect, sides, modifyRectMode);
}

void TKestGraphics::DrawRoundRectangle(const TRectF& rect, float rounding, TKestGraphicsCorners corners,
                                       TKestGraphicsModifyRectMode modifyRectMode)
{
    if (FillStepRuns()) {
        if (TextureFill()) {
            TKestGraphicsPath outline;
            AddCornerRectangle(outline, rect, rounding, corners);
            DrawTexture(outline.GetBounds(), FFill->Texture(), FFill->TextureMode());
        } else {
            Context()->FillRoundRect(FFill.get(), rect, rounding, corners, modifyRectMode);
        }
    }
    if (StrokeStepRuns())
        Context()->DrawRoundRect(FStroke.get(), rect, rounding, corners, modifyRectMode);
}

void TKestGraphics::DrawEllipse(const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode)
{
    if (FillStepRuns()) {
        if (TextureFill())
            DrawTexture(rect, FFill->Texture(), FFill->TextureMode());
        else
            Context()->FillEllipse(FFill.get(), rect, modifyRectMode);
    }
    if (StrokeStepRuns())
        Context()->DrawEllipse(FStroke.get(), rect, modifyRectMode);
}

void TKestGraphics::DrawRectangle(const TRectF& rect, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(rect, AllSides(), modifyRectMode);
}

void TKestGraphics::DrawRectangle(double left, double top, double right, double bottom,
                                  TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(ToRectF(left, top, right, bottom), AllSides(), modifyRectMode);
}

void TKestGraphics::DrawRectangle(double left, double top, double right, double bottom, TKestGraphicsSides sides,
                                  TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(ToRectF(left, top, right, bottom), sides, modifyRectMode);
}

void TKestGraphics::DrawRectangle(int left, int top, int right, int bottom, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(ToRectF(left, top, right, bottom), AllSides(), modifyRectMode);
}

void TKestGraphics::DrawRectangle(int left, int top, int right, int bottom, TKestGraphicsSides sides,
                                  TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(ToRectF(left, top, right, bottom), sides, modifyRectMode);
}

void TKestGraphics::DrawRectangle(const QRect& rect, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(RectToRectF(rect), AllSides(), modifyRectMode);
}

void TKestGraphics::DrawRectangle(const QRect& rect, TKestGraphicsSides sides,
                                  TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRectangle(RectToRectF(rect), sides, modifyRectMode);
}

void TKestGraphics::DrawEllipse(double left, double top, double right, double bottom,
                                TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawEllipse(ToRectF(left, top, right, bottom), modifyRectMode);
}

void TKestGraphics::DrawEllipse(int left, int top, int right, int bottom, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawEllipse(ToRectF(left, top, right, bottom), modifyRectMode);
}

void TKestGraphics::DrawEllipse(const QRect& rect, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawEllipse(RectToRectF(rect), modifyRectMode);
}

void TKestGraphics::DrawRoundRectangle(double left, double top, double right, double bottom, float rounding,
                                       TKestGraphicsCorners corners, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRoundRectangle(ToRectF(left, top, right, bottom), rounding, corners, modifyRectMode);
}

void TKestGraphics::DrawRoundRectangle(int left, int top, int right, int bottom, float rounding,
                                       TKestGraphicsCorners corners, TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRoundRectangle(ToRectF(left, top, right, bottom), rounding, corners, modifyRectMode);
}

void TKestGraphics::DrawRoundRectangle(const QRect& rect, float rounding, TKestGraphicsCorners corners,
                                       TKestGraphicsModifyRectMode modifyRectMode)
{
    DrawRoundRectangle(RectToRectF(rect), rounding, corners, modifyRectMode);
}

// --- clipping ---

void TKestGraphics::ClipRect(const QRect& rect) { ClipRect(RectToRectF(rect)); }
