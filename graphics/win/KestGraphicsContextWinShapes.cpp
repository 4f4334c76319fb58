// Shapes of the drawing-library back-end: fills through a brush over the
// shape's path, outlines through the pen. Each does nothing without a
// drawing surface; the modify-rect and modify-point modes change nothing.

#include "graphics/win/KestGraphicsContextWin.h"

#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsCornerPath.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/win/WinBrush.h"
#include "graphics/win/WinColor.h"
#include "graphics/win/WinPen.h"

#include <algorithm>
#include <cmath>
#include <vector>

using namespace GdiplusFlat;
using namespace KestGDIPlusClasses;
using namespace KestGraphicsWin;

namespace {

constexpr float Flatness = 0.25f;

std::vector<TGPPointF> WinPoints(const TKestGraphicsPathPolygon& polygon)
{
    std::vector<TGPPointF> points;
    points.reserve(polygon.size());
    for (const TPointF& p : polygon)
        points.push_back(TGPPointF{p.X, p.Y});
    return points;
}

TGPRectF ArcBox(const TPointF& center, const TPointF& radius)
{
    return TGPRectF{center.X - radius.X, center.Y - radius.Y, 2 * radius.X, 2 * radius.Y};
}

bool SameStroke(const TKestCustomGraphicsStroke& a, const TKestCustomGraphicsStroke& b)
{
    return a.Kind() == b.Kind() && a.Color() == b.Color() && a.Width() == b.Width() && a.Opacity() == b.Opacity();
}

}

// Pens and brushes.

TGPPen& TKestGraphicsContextWin::PenFor(TKestGraphicsStroke* stroke)
{
    if (stroke && stroke != FStroke.get() && !SameStroke(*stroke, *FStroke))
        FStroke->Assign(stroke);
    if (!FGPPen)
        FGPPen = MakeWinPen(*FStroke);
    return *FGPPen;
}

bool TKestGraphicsContextWin::HalfPixelOffset() const
{
    return FGPGraphics->GetPixelOffsetMode() == PixelOffsetModeHalf;
}

void TKestGraphicsContextWin::Outline(TKestGraphicsStroke* stroke, const TOutline& draw)
{
    if (!FGPGraphics)
        return;
    TGPPen& pen = PenFor(stroke);
    // The library strokes half a device pixel right of and below the path
    // whatever the pixel offset mode; in the half-pixel mode the path itself
    // is where pixel edges lie, so the shift is taken back.
    const bool shift = HalfPixelOffset();
    if (shift)
        FGPGraphics->TranslateTransform(-0.5f, -0.5f, MatrixOrderAppend);
    if (pen.GetDashStyle() == DashStyleSolid) {
        draw(pen);
    } else {
        FSmoothingMode = FGPGraphics->GetSmoothingMode();
        FGPGraphics->SetSmoothingMode(0);
        draw(pen);
        FGPGraphics->SetSmoothingMode(FSmoothingMode);
    }
    if (shift)
        FGPGraphics->TranslateTransform(0.5f, 0.5f, MatrixOrderAppend);
}

void TKestGraphicsContextWin::FillShape(TKestGraphicsFill* fill, TGPGraphicsPath& path, const TExactShape& exact)
{
    FGPBrush = MakeWinBrush(fill ? *fill : *FFill, path);
    if (!HalfPixelOffset()) {
        FGPGraphics->FillPath(FGPBrush.get(), &path);
    } else if (exact.Rectangle && WorldKeepsAxes()) {
        // The library fills a rectangle that stays one on the device
        // exactly, and a polygon.
        FGPGraphics->FillRectangle(FGPBrush.get(), exact.Rectangle->Left, exact.Rectangle->Top,
                                   exact.Rectangle->Width(), exact.Rectangle->Height());
    } else if (exact.Polygon) {
        if (!exact.Polygon->empty())
            FGPGraphics->FillPolygon(FGPBrush.get(), exact.Polygon->data(), INT(exact.Polygon->size()),
                                     path.GetFillMode());
    } else {
        FillExactly(path);
    }
}

TMatrixElements TKestGraphicsContextWin::WorldElements() const
{
    TGPMatrix world;
    FGPGraphics->GetTransform(&world);
    TMatrixElements m{};
    world.GetElements(m);
    return m;
}

bool TKestGraphicsContextWin::WorldKeepsAxes() const
{
    const TMatrixElements m = WorldElements();
    return m[1] == 0 && m[2] == 0;
}

// The library's path fill also strokes the outline one device pixel wide
// and shifts it half a pixel, so a shape grows by up to a pixel. In the
// half-pixel mode the fill goes through the path as a clip instead, which
// the library covers exactly: a rectangle reaching a device pixel past the
// path's bounds is filled inside it.
void TKestGraphicsContextWin::FillExactly(TGPGraphicsPath& path)
{
    TGPRectF bounds{};
    if (path.GetBounds(bounds) != Ok)
        return;
    const TMatrixElements m = WorldElements();
    const float det = std::fabs(m[0] * m[3] - m[1] * m[2]);
    if (!(det > 0) || !std::isfinite(det))
        return;
    // One device pixel is at most this long in world units.
    const float pixel = std::sqrt(m[0] * m[0] + m[1] * m[1] + m[2] * m[2] + m[3] * m[3]) / det;
    const GraphicsState state = FGPGraphics->Save();
    FGPGraphics->SetClip(&path, CombineModeIntersect);
    FGPGraphics->FillRectangle(FGPBrush.get(), bounds.X - pixel, bounds.Y - pixel, bounds.Width + 2 * pixel,
                               bounds.Height + 2 * pixel);
    FGPGraphics->Restore(state);
}

// Fills.

void TKestGraphicsContextWin::FillRect(TKestGraphicsFill* fill, const TRectF& rect, TKestGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    TGPGraphicsPath path;
    path.AddRectangle(TGPRectF{rect.Left, rect.Top, rect.Width(), rect.Height()});
    const TRectF box(std::min(rect.Left, rect.Right), std::min(rect.Top, rect.Bottom), std::max(rect.Left, rect.Right),
                     std::max(rect.Top, rect.Bottom));
    FillShape(fill, path, {&box, nullptr});
}

void TKestGraphicsContextWin::FillEllipse(TKestGraphicsFill* fill, const TRectF& rect, TKestGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    TGPGraphicsPath path;
    path.AddEllipse(TGPRectF{rect.Left, rect.Top, rect.Width(), rect.Height()});
    FillShape(fill, path);
}

void TKestGraphicsContextWin::FillArc(TKestGraphicsFill* fill, const TPointF& center, const TPointF& radius,
                                      float startAngle, float sweepAngle)
{
    if (!FGPGraphics || sweepAngle == 0)
        return;
    TGPGraphicsPath path;
    path.AddArc(ArcBox(center, radius), startAngle, sweepAngle);
    FillShape(fill, path);
}

void TKestGraphicsContextWin::FillPolygon(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polygon)
{
    if (!FGPGraphics || polygon.empty())
        return;
    const std::vector<TGPPointF> points = WinPoints(polygon);
    TGPGraphicsPath path;
    path.AddPolygon(points.data(), INT(points.size()));
    FillShape(fill, path);
}

void TKestGraphicsContextWin::FillPolyline(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polyline)
{
    FillPolygon(fill, polyline);
}

void TKestGraphicsContextWin::FillRoundRect(TKestGraphicsFill* fill, const TRectF& rect, float rounding,
                                            TKestGraphicsCorners corners, TKestGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    TKestGraphicsPath path;
    AddCornerRectangle(path, rect, rounding, corners);
    FillPath(fill, &path, pdmPolygon);
}

void TKestGraphicsContextWin::FillPath(TKestGraphicsFill* fill, TKestGraphicsPath* path,
                                       TKestGraphicsPathDrawMode pathMode)
{
    if (!FGPGraphics || !path)
        return;
    if (pathMode == pdmPath) {
        const auto converted = ConvertToPath(*path, Flatness);
        auto& winPath = static_cast<TKestGraphicsContextWinPath&>(*converted);
        const std::vector<TGPPointF> polygon = winPath.Outline.Joined();
        FillShape(fill, winPath.Path, {nullptr, &polygon});
        return;
    }
    TKestGraphicsPathPolygon polygon;
    path->FlattenToPolygon(polygon, Flatness);
    FillPolygon(fill, polygon);
}

// Outlines.

void TKestGraphicsContextWin::DrawLine(TKestGraphicsStroke* stroke, const TPointF& fromPoint, const TPointF& toPoint,
                                       TKestGraphicsModifyPointMode, TKestGraphicsModifyPointMode)
{
    Outline(stroke, [&](TGPPen& pen) { FGPGraphics->DrawLine(&pen, fromPoint.X, fromPoint.Y, toPoint.X, toPoint.Y); });
}

void TKestGraphicsContextWin::RectangleSides(TGPPen& pen, const TRectF& rect, TKestGraphicsSides sides)
{
    // The outline covers left .. right - 1 and top .. bottom - 1.
    const float l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 1;
    if (sides.Contains(gsTop))
        FGPGraphics->DrawLine(&pen, l, t, r, t);
    if (sides.Contains(gsLeft))
        FGPGraphics->DrawLine(&pen, l, t, l, b);
    if (sides.Contains(gsBottom))
        FGPGraphics->DrawLine(&pen, l, b, r, b);
    if (sides.Contains(gsRight))
        FGPGraphics->DrawLine(&pen, r, t, r, b);
}

void TKestGraphicsContextWin::DrawRect(TKestGraphicsStroke* stroke, const TRectF& rect, TKestGraphicsSides sides,
                                       TKestGraphicsModifyRectMode)
{
    Outline(stroke, [&](TGPPen& pen) { RectangleSides(pen, rect, sides); });
}

void TKestGraphicsContextWin::DrawEllipse(TKestGraphicsStroke* stroke, const TRectF& rect,
                                          TKestGraphicsModifyRectMode)
{
    Outline(stroke, [&](TGPPen& pen) {
        FGPGraphics->DrawEllipse(&pen, rect.Left, rect.Top, rect.Width() - 1, rect.Height() - 1);
    });
}

void TKestGraphicsContextWin::DrawArc(TKestGraphicsStroke* stroke, const TPointF& center, const TPointF& radius,
                                      float startAngle, float sweepAngle)
{
    if (sweepAngle == 0)
        return;
    Outline(stroke, [&](TGPPen& pen) { FGPGraphics->DrawArc(&pen, ArcBox(center, radius), startAngle, sweepAngle); });
}

void TKestGraphicsContextWin::PolygonOutline(TGPPen& pen, const TKestGraphicsPathPolygon& polygon)
{
    const std::vector<TGPPointF> points = WinPoints(polygon);
    FGPGraphics->DrawPolygon(&pen, points.data(), INT(points.size()));
}

void TKestGraphicsContextWin::DrawPolygon(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polygon)
{
    if (polygon.empty())
        return;
    Outline(stroke, [&](TGPPen& pen) { PolygonOutline(pen, polygon); });
}

void TKestGraphicsContextWin::DrawPolyline(TKestGraphicsStroke* stroke, const TKestGraphicsPathPolygon& polyline)
{
    if (polyline.empty())
        return;
    Outline(stroke, [&](TGPPen& pen) {
        const std::vector<TGPPointF> points = WinPoints(polyline);
        FGPGraphics->DrawLines(&pen, points.data(), INT(points.size()));
    });
}

void TKestGraphicsContextWin::DrawRoundRect(TKestGraphicsStroke* stroke, const TRectF& rect, float rounding,
                                            TKestGraphicsCorners corners, TKestGraphicsModifyRectMode)
{
    if (!FGPGraphics)
        return;
    TKestGraphicsPath path;
    AddCornerRectangle(path, TRectF(rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1), rounding, corners);
    DrawPath(stroke, &path, pdmPolygon);
}

void TKestGraphicsContextWin::DrawPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path,
                                       TKestGraphicsPathDrawMode pathMode)
{
    if (!FGPGraphics || !path)
        return;
    if (pathMode == pdmPath) {
        const auto winPath = ConvertToPath(*path, Flatness);
        Outline(stroke, [&](TGPPen& pen) {
            FGPGraphics->DrawPath(&pen, &static_cast<TKestGraphicsContextWinPath&>(*winPath).Path);
        });
        return;
    }
    TKestGraphicsPathPolygon polygon;
    path->FlattenToPolygon(polygon, Flatness);
    if (pathMode == pdmPolygon)
        DrawPolygon(stroke, polygon);
    else
        DrawPolyline(stroke, polygon);
}

// Focus marks: a dotted 1-pixel line in the colour, without smoothing, the
// pen given back as it was.

void TKestGraphicsContextWin::FocusOutline(TKestGraphicsStroke* stroke, TColor color, const TOutline& draw)
{
    if (!FGPGraphics)
        return;
    TGPPen& pen = PenFor(stroke);
    const INT smoothing = FGPGraphics->GetSmoothingMode();
    const DashStyle dash = pen.GetDashStyle();
    const REAL width = pen.GetWidth();
    const ARGB penColor = pen.GetColor();
    FGPGraphics->SetSmoothingMode(0);
    pen.SetDashStyle(DashStyleDot);
    pen.SetWidth(1);
    pen.SetColor(WinColor(color, 1));
    draw(pen);
    pen.SetWidth(width);
    pen.SetDashStyle(dash);
    pen.SetColor(penColor);
    FGPGraphics->SetSmoothingMode(smoothing);
}

void TKestGraphicsContextWin::DrawFocusRectangle(TKestGraphicsStroke* stroke, const TRectF& rect, TColor color,
                                                 TKestGraphicsModifyRectMode)
{
    FocusOutline(stroke, color,
                 [&](TGPPen& pen) { RectangleSides(pen, rect, {gsLeft, gsTop, gsRight, gsBottom}); });
}

void TKestGraphicsContextWin::DrawFocusPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path, TColor color)
{
    if (!path)
        return;
    TKestGraphicsPathPolygon polygon;
    path->FlattenToPolygon(polygon, Flatness);
    if (polygon.empty())
        return;
    FocusOutline(stroke, color, [&](TGPPen& pen) { PolygonOutline(pen, polygon); });
}
