#include "graphics/KestGraphicsContextGeneral.h"

#include "framework/Canvas.h"
#include "framework/Graphic.h"
#include "framework/Rounding.h"
#include "graphics/GraphicsColors.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsGradientStrips.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsPathWalk.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/GraphicsStroke.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

using Kest::Round;

TRect Rounded(const TRectF& r) { return TRect(Round(r.Left), Round(r.Top), Round(r.Right), Round(r.Bottom)); }

std::vector<QPoint> RoundedPoints(const TKestGraphicsPathPolygon& points)
{
    std::vector<QPoint> result;
    result.reserve(points.size());
    for (const TPointF& p : points)
        result.emplace_back(Round(p.X), Round(p.Y));
    return result;
}

TPenStyle PenStyleOf(TKestGraphicsStrokeKind kind)
{
    switch (kind) {
    case gskNone:
        return psClear;
    case gskDash:
        return psDash;
    case gskDot:
        return psDot;
    case gskDashDot:
        return psDashDot;
    case gskDashDotDot:
        return psDashDotDot;
    default:
        return psSolid;
    }
}

bool HasMirror(const TKestGraphicsFill& fill) { return fill.ColorMirror() != gcNull && fill.ColorMirrorTo() != gcNull; }

// The corners of the set among the two given.
TKestGraphicsCorners Among(TKestGraphicsCorners corners, TKestGraphicsCorner a, TKestGraphicsCorner b)
{
    TKestGraphicsCorners result;
    if (corners.Contains(a))
        result.Include(a);
    if (corners.Contains(b))
        result.Include(b);
    return result;
}

constexpr double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

}

TKestGraphicsContextGeneral::TKestGraphicsContextGeneral(TKestGraphics* graphics)
    : TKestGraphicsContext(graphics), FFont(std::make_unique<TFont>())
{
}

TKestGraphicsContextGeneral::~TKestGraphicsContextGeneral() = default;

std::unique_ptr<TKestGraphicsContext> TKestGraphicsContextGeneral::Make(TKestGraphics* graphics)
{
    return std::make_unique<TKestGraphicsContextGeneral>(graphics);
}

// --- state ---

TCanvas* TKestGraphicsContextGeneral::Target()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return nullptr;
    // Pen and brush are two small values: written every time, they can
    // never be stale. The font is written when the canvas is a new one.
    canvas->Pen() = FPen;
    canvas->Brush() = FBrush;
    if (canvas != FFontCanvas) {
        canvas->Font().Assign(FFont.get());
        FFontCanvas = canvas;
    }
    return canvas;
}

void TKestGraphicsContextGeneral::WritePen()
{
    if (TCanvas* canvas = Canvas())
        canvas->Pen() = FPen;
}

void TKestGraphicsContextGeneral::WriteBrush()
{
    if (TCanvas* canvas = Canvas())
        canvas->Brush() = FBrush;
}

void TKestGraphicsContextGeneral::WriteFont()
{
    if (TCanvas* canvas = Canvas()) {
        canvas->Font().Assign(FFont.get());
        FFontCanvas = canvas;
    }
}

void TKestGraphicsContextGeneral::SetSize(float, float)
{
    // A new surface may have come with a new framework canvas.
    FFontCanvas = nullptr;
    Target();
}

void TKestGraphicsContextGeneral::SetShowAcceleratorChar(bool showAcceleratorChar)
{
    FShowAcceleratorChar = showAcceleratorChar;
}

void TKestGraphicsContextGeneral::BeginPrinting() { FPrinting = true; }

void TKestGraphicsContextGeneral::EndPrinting() { FPrinting = false; }

void TKestGraphicsContextGeneral::SetFill(TKestGraphicsFill* fill)
{
    if (!fill)
        return;
    FBrush.SetColor(fill->Color());
    SetFillKind(fill->Kind());
}

void TKestGraphicsContextGeneral::SetFillKind(TKestGraphicsFillKind kind)
{
    if (kind == gfkNone)
        FBrush.SetStyle(bsClear);
    else if (kind == gfkSolid || kind == gfkGradient)
        FBrush.SetStyle(bsSolid);
    WriteBrush();
}

void TKestGraphicsContextGeneral::SetFillColor(TColor color)
{
    FBrush.SetColor(color);
    WriteBrush();
}

void TKestGraphicsContextGeneral::SetStroke(TKestGraphicsStroke* stroke)
{
    if (!stroke)
        return;
    FPen.SetColor(stroke->Color());
    FPen.SetWidth(Round(stroke->Width()));
    FPen.SetStyle(PenStyleOf(stroke->Kind()));
    WritePen();
}

void TKestGraphicsContextGeneral::SetStrokeKind(TKestGraphicsStrokeKind kind)
{
    FPen.SetStyle(PenStyleOf(kind));
    WritePen();
}

void TKestGraphicsContextGeneral::SetStrokeColor(TColor color)
{
    FPen.SetColor(color);
    WritePen();
}

void TKestGraphicsContextGeneral::SetStrokeWidth(float width)
{
    FPen.SetWidth(Round(std::clamp(width, -1e6f, 1e6f)));
    WritePen();
}

void TKestGraphicsContextGeneral::SetFont(TKestGraphicsFont* font)
{
    if (!font)
        return;
    FFont->Assign(font);
    WriteFont();
}

void TKestGraphicsContextGeneral::SetFontSize(float size)
{
    // A negative size draws at its absolute size; none at the default size.
    const float points = std::min(std::fabs(size), float(TFont::MaxHeight) * 72 / 96);
    FFont->SetSize(points == 0 ? 8 : Round(points));
    WriteFont();
}

void TKestGraphicsContextGeneral::SetFontColor(TColor color)
{
    FFont->SetColor(color);
    WriteFont();
}

void TKestGraphicsContextGeneral::SetFontName(const QString& name)
{
    FFont->SetName(name);
    WriteFont();
}

void TKestGraphicsContextGeneral::SetFontStyles(TFontStyles style)
{
    FFont->SetStyle(style);
    WriteFont();
}

void TKestGraphicsContextGeneral::SaveState(TKestGraphicsSaveState& state)
{
    if (TCanvas* canvas = Canvas())
        state.SetSaveDC(canvas->SaveDC());
}

void TKestGraphicsContextGeneral::RestoreState(TKestGraphicsSaveState& state)
{
    if (TCanvas* canvas = Canvas())
        canvas->RestoreDC(state.SaveDC());
    state.SetSaveDC(0);
}

void TKestGraphicsContextGeneral::ClipRect(const TRectF& rect)
{
    if (TCanvas* canvas = Canvas()) {
        const TRect r = Rounded(rect);
        canvas->IntersectClipRect(r.Left, r.Top, r.Right, r.Bottom);
    }
}

void TKestGraphicsContextGeneral::ClipPath(TKestGraphicsPath* path)
{
    if (path)
        ClipRect(path->GetBounds());
}

// --- queries ---

void* TKestGraphicsContextGeneral::GetNativeCanvas() { return Canvas(); }

std::unique_ptr<TKestGraphicsContextPath> TKestGraphicsContextGeneral::CreatePath()
{
    // The path is built in the framework canvas itself; the token only lets
    // the path conversion run.
    return std::make_unique<TKestGraphicsContextPath>();
}

TColor TKestGraphicsContextGeneral::GetFillColor() { return FBrush.Color(); }

TRectF TKestGraphicsContextGeneral::SetTextAngle(const TRectF& rect, float) { return rect; }

TKestGraphicsMatrix TKestGraphicsContextGeneral::GetMatrix() { return TKestGraphicsMatrix::Identity(); }

void TKestGraphicsContextGeneral::PathMoveTo(TKestGraphicsContextPath&, const TPointF& point)
{
    FFigureHasLine = false;
    if (TCanvas* canvas = Canvas())
        canvas->MoveTo(Round(point.X), Round(point.Y));
}

void TKestGraphicsContextGeneral::PathLineTo(TKestGraphicsContextPath&, const TPointF& point)
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    // A flattened curve gives many points that round to the same pixel; a
    // repeat adds nothing once the figure has a line (a first one may be a
    // dot, which round caps show).
    const QPoint pixel(Round(point.X), Round(point.Y));
    if (FFigureHasLine && pixel == canvas->PenPos())
        return;
    FFigureHasLine = true;
    canvas->LineTo(pixel.x(), pixel.y());
}

// Pieces within a twentieth of a pixel of the curve are finer than the
// whole pixels the framework canvas draws on; the walk's quarter-pixel steps
// only add points that round to the same pixels and joins for a stroke.
void TKestGraphicsContextGeneral::PathCurveTo(TKestGraphicsContextPath& path,
                                              const TKestGraphicsPathCubicBezier& curve, int pointCount)
{
    TKestGraphicsContext::PathCurveTo(path, curve, KestPathWalk::CurvePointCountWithin(curve, 0.05, pointCount));
}

void TKestGraphicsContextGeneral::PathClose(TKestGraphicsContextPath&)
{
    FFigureHasLine = false;
    if (TCanvas* canvas = Canvas())
        canvas->CloseFigure();
}

// --- shapes ---

template <typename F>
void TKestGraphicsContextGeneral::Outline(F&& body)
{
    if (TCanvas* canvas = Target()) {
        canvas->Brush().SetStyle(bsClear);
        body(*canvas);
        canvas->Brush() = FBrush;
    }
}

template <typename F>
void TKestGraphicsContextGeneral::Filled(F&& body)
{
    if (TCanvas* canvas = Target()) {
        canvas->Pen().SetStyle(psClear);
        body(*canvas);
        canvas->Pen() = FPen;
    }
}

void TKestGraphicsContextGeneral::DrawLine(TKestGraphicsStroke*, const TPointF& fromPoint, const TPointF& toPoint,
                                           TKestGraphicsModifyPointMode, TKestGraphicsModifyPointMode)
{
    if (TCanvas* canvas = Target()) {
        canvas->MoveTo(Round(fromPoint.X), Round(fromPoint.Y));
        canvas->LineTo(Round(toPoint.X), Round(toPoint.Y));
    }
}

void TKestGraphicsContextGeneral::DrawRect(TKestGraphicsStroke* stroke, const TRectF& rect, TKestGraphicsSides sides,
                                           TKestGraphicsModifyRectMode)
{
    const TRect r = Rounded(rect);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        DrawLine(stroke, TPointF(float(x1), float(y1)), TPointF(float(x2), float(y2)), gcpmNone, gcpmNone);
    };
    if (sides.Contains(gsTop))
        line(r.Left, r.Top, r.Right - 1, r.Top);
    if (sides.Contains(gsLeft))
        line(r.Left, r.Top, r.Left, r.Bottom - 1);
    if (sides.Contains(gsBottom))
        line(r.Left, r.Bottom - 1, r.Right - 1, r.Bottom - 1);
    if (sides.Contains(gsRight))
        line(r.Right - 1, r.Top, r.Right - 1, r.Bottom);
}

void TKestGraphicsContextGeneral::DrawEllipse(TKestGraphicsStroke*, const TRectF& rect, TKestGraphicsModifyRectMode)
{
    const TRect r = Rounded(rect);
    Outline([&](TCanvas& c) { c.Ellipse(r.Left, r.Top, r.Right, r.Bottom); });
}

void TKestGraphicsContextGeneral::FillEllipse(TKestGraphicsFill*, const TRectF& rect, TKestGraphicsModifyRectMode)
{
    const TRect r = Rounded(rect);
    Filled([&](TCanvas& c) { c.Ellipse(r.Left, r.Top, r.Right, r.Bottom); });
}

void TKestGraphicsContextGeneral::Arc(const TPointF& center, const TPointF& radius, float startAngle,
                                      float sweepAngle, bool chord)
{
    // No sweep is no arc (the framework arc would draw the whole ellipse).
    if (sweepAngle == 0 || !std::isfinite(sweepAngle) || !std::isfinite(startAngle))
        return;
    const double cx = center.X, cy = center.Y, rx = radius.X, ry = radius.Y;
    const int left = int(std::floor(cx - rx)), top = int(std::floor(cy - ry));
    const int right = int(std::floor(cx + rx)), bottom = int(std::floor(cy + ry));
    // The framework arc takes only the directions of its two points: they
    // are taken far out along the radials, so that rounding them to whole
    // pixels does not turn a short arc into a nearly whole ellipse.
    const double far = std::max(1.0, 65536.0 / std::max({std::fabs(rx), std::fabs(ry), 1.0}));
    const auto point = [&](double degrees) {
        return QPoint(int(std::floor(cx + far * rx * std::cos(Radians(degrees)))),
                      int(std::floor(cy + far * ry * std::sin(Radians(degrees)))));
    };
    // Counter-clockwise on screen from the later angle to the earlier one;
    // for a negative sweep the two swap, so the arc covers the sweep.
    const bool whole = std::fabs(sweepAngle) >= 360;
    if (whole)
        startAngle = 0;
    QPoint first = point(double(startAngle) + sweepAngle), second = point(startAngle);
    if (sweepAngle < 0)
        std::swap(first, second);
    if (whole)
        second = first;
    const auto draw = [&](TCanvas& c) {
        if (whole)
            c.Ellipse(left, top, right, bottom);
        else if (chord)
            c.Chord(left, top, right, bottom, first.x(), first.y(), second.x(), second.y());
        else
            c.Arc(left, top, right, bottom, first.x(), first.y(), second.x(), second.y());
    };
    if (chord)
        Filled(draw);
    else
        Outline(draw);
}

void TKestGraphicsContextGeneral::DrawArc(TKestGraphicsStroke*, const TPointF& center, const TPointF& radius,
                                          float startAngle, float sweepAngle)
{
    Arc(center, radius, startAngle, sweepAngle, false);
}

void TKestGraphicsContextGeneral::FillArc(TKestGraphicsFill*, const TPointF& center, const TPointF& radius,
                                          float startAngle, float sweepAngle)
{
    // Closed by its chord, as the platform back-end fills it.
    Arc(center, radius, startAngle, sweepAngle, true);
}

void TKestGraphicsContextGeneral::DrawPolygon(TKestGraphicsStroke*, const TKestGraphicsPathPolygon& polygon)
{
    const std::vector<QPoint> points = RoundedPoints(polygon);
    Outline([&](TCanvas& c) { c.Polygon(points); });
}

void TKestGraphicsContextGeneral::FillPolygon(TKestGraphicsFill*, const TKestGraphicsPathPolygon& polygon)
{
    const std::vector<QPoint> points = RoundedPoints(polygon);
    Filled([&](TCanvas& c) { c.Polygon(points); });
}

void TKestGraphicsContextGeneral::DrawPolyline(TKestGraphicsStroke*, const TKestGraphicsPathPolygon& polyline)
{
    const std::vector<QPoint> points = RoundedPoints(polyline);
    Outline([&](TCanvas& c) { c.Polyline(points); });
}

void TKestGraphicsContextGeneral::FillPolyline(TKestGraphicsFill* fill, const TKestGraphicsPathPolygon& polyline)
{
    // Closed as a polygon, as the platform back-end fills it.
    FillPolygon(fill, polyline);
}

void TKestGraphicsContextGeneral::DrawRoundRect(TKestGraphicsStroke*, const TRectF& rect, float rounding,
                                                TKestGraphicsCorners corners, TKestGraphicsModifyRectMode)
{
    TRect r = Rounded(rect);
    const int radius = Round(std::clamp(rounding, -1e6f, 1e6f));
    const bool all = corners.Contains(gcTopLeft) && corners.Contains(gcTopRight) && corners.Contains(gcBottomLeft) &&
                     corners.Contains(gcBottomRight);
    if (all) {
        Outline([&](TCanvas& c) { c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 2 * radius, 2 * radius); });
        return;
    }
    const int q = radius - 1;
    if (corners.IsEmpty() || q <= 0) {
        Outline([&](TCanvas& c) { c.Rectangle(r); });
        return;
    }
    r.Right -= 1;
    r.Bottom -= 1;
    // A quarter arc about (cx, cy) from the angle start + 90 back to start.
    const auto quarter = [q](TCanvas& c, int cx, int cy, int start) {
        const auto at = [&](int degrees) {
            return QPoint(cx + Round(q * std::cos(Radians(degrees))), cy + Round(q * std::sin(Radians(degrees))));
        };
        const QPoint from = at(start + 90), to = at(start);
        c.Arc(cx - q, cy - q, cx + q, cy + q, from.x(), from.y(), to.x(), to.y());
    };
    const bool bl = corners.Contains(gcBottomLeft), tl = corners.Contains(gcTopLeft);
    const bool tr = corners.Contains(gcTopRight), br = corners.Contains(gcBottomRight);
    Outline([&](TCanvas& c) {
        const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
        if (bl) {
            c.MoveTo(L + q, B);
            quarter(c, L + q, B - q, -270);
            c.MoveTo(L, B - q);
        } else {
            c.MoveTo(L, B);
        }
        if (tl) {
            c.LineTo(L, T + q - 2);
            quarter(c, L + q, T + q, -180);
            c.MoveTo(L + q, T);
        } else {
            c.LineTo(L, T);
        }
        if (tr) {
            c.LineTo(R - q, T);
            quarter(c, R - q, T + q, -90);
            c.MoveTo(R, T + q);
        } else {
            c.LineTo(R, T);
        }
        if (br) {
            c.LineTo(R, B - q + 1);
            quarter(c, R - q, B - q + 1, 0);
            c.MoveTo(R - q, B);
        } else {
            c.LineTo(R, B);
        }
        c.LineTo(bl ? L + q - 2 : L, B);
    });
}

void TKestGraphicsContextGeneral::FillRect(TKestGraphicsFill* fill, const TRectF& rect, TKestGraphicsModifyRectMode)
{
    if (!fill)
        return;
    const TRect r = Rounded(rect);
    if (fill->Kind() == gfkSolid && fill->Color() != gcNull) {
        Filled([&](TCanvas& c) { c.Rectangle(r); });
        return;
    }
    if (fill->Kind() != gfkGradient || fill->Color() == gcNull || fill->ColorTo() == gcNull)
        return;
    TCanvas* canvas = Target();
    if (!canvas)
        return;
    const TKestGraphicsFillOrientation orientation = fill->Orientation();
    if (!HasMirror(*fill)) {
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), r, 0, {}, orientation == gfoHorizontal);
    } else if (orientation == gfoHorizontal) {
        const int split = r.Left + (r.Right - r.Left) / 2;
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), TRect(r.Left, r.Top, split, r.Bottom), 0, {},
                           true);
        FillGradientStrips(*canvas, fill->ColorMirror(), fill->ColorMirrorTo(), TRect(split, r.Top, r.Right, r.Bottom),
                           0, {}, true);
    } else if (orientation == gfoVertical) {
        const int split = r.Top + (r.Bottom - r.Top) / 2;
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), TRect(r.Left, r.Top, r.Right, split), 0, {},
                           false);
        FillGradientStrips(*canvas, fill->ColorMirror(), fill->ColorMirrorTo(), TRect(r.Left, split, r.Right, r.Bottom),
                           0, {}, false);
    }
}

void TKestGraphicsContextGeneral::FillRoundRect(TKestGraphicsFill* fill, const TRectF& rect, float rounding,
                                                TKestGraphicsCorners corners, TKestGraphicsModifyRectMode)
{
    if (!fill)
        return;
    TCanvas* canvas = Target();
    if (!canvas)
        return;
    const TRect r1 = Rounded(rect);
    const TRect r2(r1.Left, r1.Top, r1.Right - 1, r1.Bottom - 1);
    const TKestGraphicsFillOrientation orientation = fill->Orientation();
    if (fill->Kind() == gfkSolid && fill->Color() != gcNull) {
        FillGradientStrips(*canvas, fill->Color(), fill->Color(), r1, rounding, corners, orientation == gfoHorizontal);
        return;
    }
    if (fill->Kind() != gfkGradient || fill->Color() == gcNull || fill->ColorTo() == gcNull)
        return;
    if (!HasMirror(*fill)) {
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), r2, rounding, corners,
                           orientation == gfoHorizontal);
    } else if (orientation == gfoVertical) {
        const int split = r2.Top + (r2.Bottom - r2.Top) / 2;
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), TRect(r2.Left, r2.Top, r2.Right, split), rounding,
                           Among(corners, gcTopLeft, gcTopRight), false);
        FillGradientStrips(*canvas, fill->ColorMirror(), fill->ColorMirrorTo(),
                           TRect(r2.Left, split, r2.Right, r2.Bottom), rounding,
                           Among(corners, gcBottomLeft, gcBottomRight), false);
    } else if (orientation == gfoHorizontal) {
        const int split = r2.Left + (r2.Right - r2.Left) / 2;
        FillGradientStrips(*canvas, fill->Color(), fill->ColorTo(), TRect(r2.Left, r2.Top, split, r2.Bottom), rounding,
                           Among(corners, gcTopLeft, gcBottomLeft), true);
        FillGradientStrips(*canvas, fill->ColorMirror(), fill->ColorMirrorTo(),
                           TRect(split, r2.Top, r2.Right, r2.Bottom), rounding,
                           Among(corners, gcTopRight, gcBottomRight), true);
    }
}

void TKestGraphicsContextGeneral::DrawBitmap(TGraphic* bitmap, const TRectF&, const TRectF& dstRect, float)
{
    if (!bitmap)
        return;
    if (TCanvas* canvas = Target())
        canvas->StretchDraw(QRect(Round(dstRect.Left), Round(dstRect.Top), Round(dstRect.Right - dstRect.Left),
                                  Round(dstRect.Bottom - dstRect.Top)),
                            bitmap);
}

// --- paths ---

void TKestGraphicsContextGeneral::PathShape(TKestGraphicsStroke* stroke, TKestGraphicsFill* fill,
                                            TKestGraphicsPath& path, TKestGraphicsPathDrawMode pathMode, bool filled)
{
    if (pathMode == pdmPath) {
        TCanvas* canvas = Target();
        if (!canvas)
            return;
        canvas->BeginPath();
        ConvertToPath(path, 0.25f);
        canvas->EndPath();
        filled ? canvas->FillPath() : canvas->StrokePath();
        canvas->AbortPath();
        return;
    }
    TKestGraphicsPathPolygon polygon;
    path.FlattenToPolygon(polygon, 0.25f);
    if (filled)
        pathMode == pdmPolygon ? FillPolygon(fill, polygon) : FillPolyline(fill, polygon);
    else
        pathMode == pdmPolygon ? DrawPolygon(stroke, polygon) : DrawPolyline(stroke, polygon);
}

void TKestGraphicsContextGeneral::DrawPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path,
                                           TKestGraphicsPathDrawMode pathMode)
{
    if (path)
        PathShape(stroke, nullptr, *path, pathMode, false);
}

void TKestGraphicsContextGeneral::FillPath(TKestGraphicsFill* fill, TKestGraphicsPath* path,
                                           TKestGraphicsPathDrawMode pathMode)
{
    if (path)
        PathShape(nullptr, fill, *path, pathMode, true);
}

// --- focus marks ---

void TKestGraphicsContextGeneral::StartSpecialPen()
{
    TCanvas* canvas = Canvas();
    if (!canvas)
        return;
    FOldPen = canvas->Pen();
    canvas->Pen().SetStyle(FPrinting ? psDot : psAlternate);
    canvas->Pen().SetWidth(1);
}

void TKestGraphicsContextGeneral::StopSpecialPen()
{
    if (TCanvas* canvas = Canvas())
        canvas->Pen() = FOldPen;
}

void TKestGraphicsContextGeneral::DrawFocusRectangle(TKestGraphicsStroke*, const TRectF& rect, TColor color,
                                                     TKestGraphicsModifyRectMode)
{
    TCanvas* canvas = Target();
    if (!canvas)
        return;
    const TRect r = Rounded(rect);
    canvas->Brush().SetStyle(bsClear);
    canvas->Pen().SetColor(color);
    StartSpecialPen();
    canvas->Rectangle(r);
    StopSpecialPen();
    canvas->Pen() = FPen;
    canvas->Brush() = FBrush;
}

void TKestGraphicsContextGeneral::DrawFocusPath(TKestGraphicsStroke* stroke, TKestGraphicsPath* path, TColor color)
{
    if (!path)
        return;
    const TPen pen = FPen;
    FPen.SetColor(color);
    FPen.SetStyle(FPrinting ? psDot : psAlternate);
    FPen.SetWidth(1);
    DrawPath(stroke, path, pdmPolygon);
    FPen = pen;
    WritePen();
}

// --- text ---

namespace {

TTextFormat TextFormat(bool wordWrapping, bool showAcceleratorChar)
{
    TTextFormat format = wordWrapping ? TTextFormat(tfWordBreak) : TTextFormat(tfSingleLine);
    if (!showAcceleratorChar)
        format |= tfNoPrefix;
    return format;
}

}

TRectF TKestGraphicsContextGeneral::CalculateText(const QString& text, const TRectF& rect, bool wordWrapping)
{
    TCanvas* canvas = Target();
    if (!canvas)
        return TRectF();
    TRect r = Rounded(rect);
    canvas->TextRect(r, text, TextFormat(wordWrapping, FShowAcceleratorChar) | tfCalcRect);
    return TRectF(float(r.Left), float(r.Top), float(r.Right), float(r.Bottom));
}

void TKestGraphicsContextGeneral::DrawText(const QString& text, const TRectF& rect, bool wordWrapping,
                                           TKestGraphicsTextAlign horizontalAlign,
                                           TKestGraphicsTextAlign verticalAlign, TKestGraphicsTextTrimming trimming,
                                           float angle)
{
    TCanvas* canvas = Target();
    if (!canvas)
        return;
    TRect r = Rounded(rect);
    TTextFormat format = TextFormat(wordWrapping, FShowAcceleratorChar);
    if (horizontalAlign == gtaCenter)
        format |= tfCenter;
    else if (horizontalAlign == gtaTrailing)
        format |= tfRight;
    if (verticalAlign == gtaCenter)
        format |= tfVerticalCenter;
    else if (verticalAlign == gtaTrailing)
        format |= tfBottom;
    if (trimming == gttCharacter)
        format |= tfEndEllipsis;
    else if (trimming == gttWord)
        format |= tfWordEllipsis;
    if (wordWrapping) {
        // The canvas places single lines only: wrapped text is placed here.
        const TRectF measured = CalculateText(text, rect, true);
        const int h = Round(measured.Bottom - measured.Top);
        if (verticalAlign == gtaCenter) {
            r.Top += std::max(0, (r.Bottom - r.Top - h) / 2);
            r.Bottom = std::max(0, std::min(Round(rect.Bottom), r.Top + h));
        } else if (verticalAlign == gtaTrailing) {
            r.Top = r.Bottom - h;
        }
    }
    canvas->Brush().SetStyle(bsClear);
    if (angle == 0)
        canvas->TextRect(r, text, format);
    else
        RotatedText(*canvas, text, r, horizontalAlign, verticalAlign, angle);
    canvas->Brush() = FBrush;
}

void TKestGraphicsContextGeneral::RotatedText(TCanvas& canvas, const QString& text, const TRect& rect,
                                              TKestGraphicsTextAlign horizontalAlign,
                                              TKestGraphicsTextAlign verticalAlign, float angle)
{
    const int oldOrientation = canvas.Font().Orientation();
    canvas.Font().SetOrientation(Round(std::clamp(-10.0 * angle, -1e6, 1e6)));
    const double tw = canvas.TextWidth(text), th = canvas.TextHeight(text);
    const double L = rect.Left, T = rect.Top, R = rect.Right, B = rect.Bottom;
    const bool positive = angle > 0;
    double y = 0, x = 0;
    switch (horizontalAlign) {
    case gtaCenter:
        y = T + (B - T - tw) / 2 + (positive ? 0 : tw);
        break;
    case gtaLeading:
        y = positive ? T : B;
        break;
    case gtaTrailing:
        y = positive ? T + (B - T - tw) : T + tw;
        break;
    }
    switch (verticalAlign) {
    case gtaCenter:
        x = L + (R - L) / 2 + (positive ? th / 2 : -th / 2);
        break;
    case gtaLeading:
        x = positive ? R : L;
        break;
    case gtaTrailing:
        x = positive ? L + th : L + (R - L - th);
        break;
    }
    canvas.TextOut(Round(x), Round(y), text);
    canvas.Font().SetOrientation(oldOrientation);
}
