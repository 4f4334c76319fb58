#include "framework/Canvas.h"

#include "framework/DeviceContext.h"
#include "framework/Graphic.h"
#include "framework/PixelLines.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The dash patterns of one-pixel pens, in pixels.
QList<qreal> DashPattern(TPenStyle style)
{
    switch (style) {
    case psDash:
        return {18, 6};
    case psDot:
        return {3, 3};
    case psDashDot:
        return {9, 6, 3, 6};
    case psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    case psAlternate:
        return {1, 1};
    default:
        return {};
    }
}

QPen QtPenOf(const TPen& pen)
{
    if (pen.Style() == psClear)
        return QPen(Qt::NoPen);
    const int width = std::max(1, pen.Width());
    QPen result(ColorToQColor(pen.Color()), width);
    if (width == 1) {
        // A flat cap leaves out the end pixel of a line.
        result.setCapStyle(Qt::FlatCap);
        result.setJoinStyle(Qt::MiterJoin);
        const QList<qreal> dashes = DashPattern(pen.Style());
        if (!dashes.isEmpty())
            result.setDashPattern(dashes);
    } else {
        // Wide pens draw solid with round ends, whatever their style.
        result.setCapStyle(Qt::RoundCap);
        result.setJoinStyle(Qt::RoundJoin);
    }
    return result;
}

// (left, top, right, bottom) with left <= right and top <= bottom.
TRect Normalized(int left, int top, int right, int bottom)
{
    return TRect(std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom));
}

// The rectangle whose one-pixel outline covers the columns left..right-1
// and rows top..bottom-1.
QRectF OutlineBox(const TRect& r) { return QRectF(r.Left, r.Top, r.Width() - 1, r.Height() - 1); }

// The path with its curves cut into straight pieces between whole pixels.
// Lines between whole pixels are drawn exactly as LineTo draws them, so
// arcs and round corners meet the straight edges drawn beside them.
QPainterPath PixelPath(const QPainterPath& path)
{
    QPainterPath result;
    result.setFillRule(path.fillRule());
    for (const QPolygonF& figure : path.toSubpathPolygons()) {
        QPoint last;
        for (qsizetype i = 0; i < figure.size(); ++i) {
            const QPoint point = figure[i].toPoint();
            if (i == 0)
                result.moveTo(point);
            else if (point != last)
                result.lineTo(point);
            last = point;
        }
    }
    return result;
}

double AngleOf(const QPointF& center, int x, int y)
{
    return std::atan2(-(y - center.y()), x - center.x()) * 180.0 / std::numbers::pi;
}

}

TCanvas::TCanvas(TDeviceContext& dc) : FHandle(dc), FFont(std::make_unique<TFont>()), FQtPen(QtPenOf(FPen))
{
    FFont->OnChange = [this](QObject*) { FQtFont.reset(); };
}

TCanvas::~TCanvas() = default;

QPainter* TCanvas::Painter()
{
    if (FPainter)
        return FPainter.get();
    if (FHandle.Image().isNull())
        return nullptr;
    FPainter = std::make_unique<QPainter>(&FHandle.Image());
    ApplyClip();
    return FPainter.get();
}

void TCanvas::Refresh() { FPainter.reset(); }

QPainter* TCanvas::Prepared(bool withPen, bool withBrush)
{
    QPainter* painter = Painter();
    if (!painter)
        return nullptr;
    if (withPen) {
        if (!(FQtPenOf == FPen)) {
            FQtPen = QtPenOf(FPen);
            FQtPenOf = FPen;
        }
        painter->setPen(FQtPen);
    } else {
        painter->setPen(Qt::NoPen);
    }
    if (withBrush && BrushVisible())
        painter->setBrush(ColorToQColor(FBrush.Color()));
    else
        painter->setBrush(Qt::NoBrush);
    return painter;
}

void TCanvas::ApplyClip()
{
    if (!FPainter)
        return;
    if (!FClip)
        FPainter->setClipping(false);
    else if (FClip->isEmpty())
        // An empty clip lets nothing through.
        FPainter->setClipRect(QRect(-1, -1, 1, 1));
    else
        FPainter->setClipRect(*FClip);
}

void TCanvas::MoveTo(int x, int y)
{
    FPenPos = QPoint(x, y);
    if (FPathState == TPathState::Building)
        FPath.moveTo(x, y);
}

void TCanvas::LineTo(int x, int y)
{
    const QPoint from = FPenPos;
    FPenPos = QPoint(x, y);
    if (FPathState == TPathState::Building) {
        FPath.lineTo(x, y);
        return;
    }
    StrokeFigure(QPolygon({from, FPenPos}));
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    const TRect r = Normalized(left, top, right, bottom);
    if (r.IsEmpty() || (!PenVisible() && !BrushVisible()))
        return;
    QPainter* painter = Prepared(true, false);
    if (!painter)
        return;
    if (BrushVisible())
        painter->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ColorToQColor(FBrush.Color()));
    // A one-pixel solid outline in the brush colour would change nothing
    // (one-pixel strips of gradients are drawn this way).
    const bool outlineShows = PenVisible() && !(BrushVisible() && FPen.Style() == psSolid && FPen.Width() <= 1 &&
                                                ColorToRGB(FPen.Color()) == ColorToRGB(FBrush.Color()));
    if (!outlineShows)
        return;
    if (FPen.Width() > 1) {
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(OutlineBox(r));
        return;
    }
    // Corner to corner clockwise, so a pattern runs on round the corners.
    const int R = r.Right - 1, B = r.Bottom - 1;
    if (R == r.Left || B == r.Top)
        StrokeFigure(QPolygon({QPoint(r.Left, r.Top), QPoint(R, B), QPoint(R + 1, B + 1)}));
    else
        StrokeFigure(QPolygon({QPoint(r.Left, r.Top), QPoint(R, r.Top), QPoint(R, B), QPoint(r.Left, B),
                               QPoint(r.Left, r.Top)}));
}

void TCanvas::FillRect(const TRect& rect)
{
    const TRect r = Normalized(rect.Left, rect.Top, rect.Right, rect.Bottom);
    if (r.IsEmpty() || !BrushVisible())
        return;
    if (QPainter* painter = Painter())
        painter->fillRect(QRect(r.Left, r.Top, r.Width(), r.Height()), ColorToQColor(FBrush.Color()));
}

QPen TCanvas::OutlinePen()
{
    if (PenVisible()) {
        if (!(FQtPenOf == FPen)) {
            FQtPen = QtPenOf(FPen);
            FQtPenOf = FPen;
        }
        return FQtPen;
    }
    QPen pen(ColorToQColor(FBrush.Color()), 1);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void TCanvas::DrawShape(const QPainterPath& path)
{
    const QPainterPath pixels = PixelPath(path);
    if (BrushVisible())
        if (QPainter* painter = Prepared(false, true))
            painter->drawPath(pixels);
    if (PenVisible())
        StrokePath(pixels, FPen);
    else if (BrushVisible()) {
        // The brush covers what an outline would.
        TPen edge;
        edge.SetColor(FBrush.Color());
        StrokePath(pixels, edge);
    }
}

void TCanvas::StrokePath(const QPainterPath& pixels, const TPen& pen)
{
    if (pen.Style() == psClear)
        return;
    QPainter* painter = Painter();
    if (!painter)
        return;
    if (pen.Width() > 1) {
        painter->setPen(QtPenOf(pen));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(pixels);
        return;
    }
    TPixelLines lines(DashPattern(pen.Style()), ClipBounds());
    QPoint current;
    for (int i = 0; i < pixels.elementCount(); ++i) {
        const QPainterPath::Element e = pixels.elementAt(i);
        const QPoint point(int(e.x), int(e.y));
        if (!e.isMoveTo())
            lines.Line(current, point);
        current = point;
    }
    lines.Paint(*painter, ColorToQColor(pen.Color()));
}

void TCanvas::StrokeFigure(const QPolygon& points)
{
    QPainterPath path;
    path.addPolygon(points);
    StrokePath(path, FPen);
}

void TCanvas::RoundRect(int left, int top, int right, int bottom, int width, int height)
{
    const TRect r = Normalized(left, top, right, bottom);
    if (r.IsEmpty())
        return;
    QPainterPath path;
    const QRectF box = OutlineBox(r);
    path.addRoundedRect(box, std::min(std::abs(width) / 2.0, box.width() / 2.0),
                        std::min(std::abs(height) / 2.0, box.height() / 2.0));
    DrawShape(path);
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    const TRect r = Normalized(left, top, right, bottom);
    if (r.IsEmpty())
        return;
    if (!PenVisible() && !BrushVisible())
        return;
    QPainter* painter = Prepared(false, true);
    if (!painter)
        return;
    painter->setPen(OutlinePen());
    painter->drawEllipse(QRect(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
}

void TCanvas::ArcPath(QPainterPath& path, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2,
                      bool closed) const
{
    const QRectF box = OutlineBox(Normalized(left, top, right, bottom));
    const QPointF center = box.center();
    const double start = AngleOf(center, x1, y1);
    double sweep = AngleOf(center, x2, y2) - start;
    while (sweep <= 0)
        sweep += 360;
    path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    if (closed)
        path.closeSubpath();
}

void TCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    if (!PenVisible() || Normalized(left, top, right, bottom).IsEmpty())
        return;
    QPainterPath path;
    ArcPath(path, left, top, right, bottom, x1, y1, x2, y2, false);
    StrokePath(PixelPath(path), FPen);
}

void TCanvas::Chord(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    if (Normalized(left, top, right, bottom).IsEmpty())
        return;
    QPainterPath path;
    ArcPath(path, left, top, right, bottom, x1, y1, x2, y2, true);
    DrawShape(path);
}

void TCanvas::Polygon(std::span<const QPoint> points)
{
    if (FPathState == TPathState::Building) {
        if (!points.empty()) {
            FPath.addPolygon(QPolygonF(QPolygon(QList<QPoint>(points.begin(), points.end()))));
            FPath.closeSubpath();
        }
        return;
    }
    if (points.size() < 2 || (!PenVisible() && !BrushVisible()))
        return;
    if (BrushVisible())
        if (QPainter* painter = Prepared(false, true))
            painter->drawPolygon(points.data(), int(points.size()), Qt::OddEvenFill);
    QPolygon closed(QList<QPoint>(points.begin(), points.end()));
    closed.push_back(points.front());
    StrokeFigure(closed);
}

void TCanvas::Polyline(std::span<const QPoint> points)
{
    if (FPathState == TPathState::Building) {
        for (size_t i = 0; i < points.size(); ++i)
            i == 0 ? FPath.moveTo(points[i]) : FPath.lineTo(points[i]);
        return;
    }
    if (points.size() < 2 || !PenVisible())
        return;
    StrokeFigure(QPolygon(QList<QPoint>(points.begin(), points.end())));
}

void TCanvas::StretchDraw(const QRect& Rect, TGraphic* Graphic)
{
    if (Graphic)
        Graphic->Draw(*this, Rect);
}

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (Graphic)
        Graphic->Draw(*this, QRect(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::DrawImage(const QRect& Rect, const QImage& Image)
{
    if (Image.isNull() || Rect.isEmpty())
        return;
    if (QPainter* painter = Painter())
        painter->drawImage(Rect, Image);
}

int TCanvas::SaveDC()
{
    FSaved.push_back({FClip, FPenPos});
    return int(FSaved.size());
}

bool TCanvas::RestoreDC(int savedDC)
{
    const int level = savedDC < 0 ? int(FSaved.size()) + 1 + savedDC : savedDC;
    if (level < 1 || level > int(FSaved.size()))
        return false;
    const TSavedDC& saved = FSaved[size_t(level - 1)];
    FClip = saved.Clip;
    FPenPos = saved.PenPos;
    FSaved.resize(size_t(level - 1));
    ApplyClip();
    return true;
}

void TCanvas::IntersectClipRect(int left, int top, int right, int bottom)
{
    const QRect r = left < right && top < bottom ? QRect(left, top, right - left, bottom - top) : QRect();
    FClip = FClip ? FClip->intersected(r) : r;
    ApplyClip();
}

QRect TCanvas::ClipBounds() const
{
    const double ratio = FHandle.DevicePixelRatio();
    const QRect surface(0, 0, int(std::ceil(FHandle.Width() / ratio)), int(std::ceil(FHandle.Height() / ratio)));
    return FClip ? surface.intersected(*FClip) : surface;
}

void TCanvas::BeginPath()
{
    FPath.clear();
    FPath.setFillRule(Qt::OddEvenFill);
    FPathState = TPathState::Building;
}

void TCanvas::EndPath()
{
    if (FPathState == TPathState::Building)
        FPathState = TPathState::Closed;
}

void TCanvas::CloseFigure()
{
    if (FPathState == TPathState::Building)
        FPath.closeSubpath();
}

void TCanvas::StrokePath()
{
    if (FPathState == TPathState::Closed)
        StrokePath(FPath, FPen);
    AbortPath();
}

void TCanvas::FillPath()
{
    if (FPathState == TPathState::Closed && BrushVisible())
        if (QPainter* painter = Prepared(false, true))
            painter->drawPath(FPath);
    AbortPath();
}

void TCanvas::AbortPath()
{
    FPath.clear();
    FPathState = TPathState::None;
}
