#include "framework/PixelLines.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

// Lines longer than this are cut to the bounds first, so that a line to a
// far-away point costs what its visible part costs.
constexpr long long LongLine = 4096;

// The parameters t0 <= t1 of the part of the line from a to b inside box;
// false when none of it is.
bool ClipLine(QPointF a, QPointF b, const QRectF& box, double& t0, double& t1)
{
    t0 = 0;
    t1 = 1;
    const double d[2] = {b.x() - a.x(), b.y() - a.y()};
    const double lo[2] = {box.left() - a.x(), box.top() - a.y()};
    const double hi[2] = {box.right() - a.x(), box.bottom() - a.y()};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (lo[axis] > 0 || hi[axis] < 0)
                return false;
            continue;
        }
        double ta = lo[axis] / d[axis], tb = hi[axis] / d[axis];
        if (ta > tb)
            std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
    }
    return t0 <= t1;
}

}

TPixelLines::TPixelLines(const QList<qreal>& dashes, const QRect& bounds) : FBounds(bounds)
{
    for (qreal d : dashes)
        FDashes.push_back(std::max(1, int(d)));
    for (int d : FDashes)
        FDashTotal += d;
}

void TPixelLines::Skip(long long pixels)
{
    if (FDashTotal > 0)
        FDashPos = int((FDashPos + pixels) % FDashTotal);
}

void TPixelLines::Plot(int x, int y)
{
    bool on = true;
    if (FDashTotal > 0) {
        int pos = FDashPos;
        int i = 0;
        while (pos >= FDashes[i]) {
            pos -= FDashes[i];
            ++i;
        }
        on = i % 2 == 0;
        FDashPos = (FDashPos + 1) % FDashTotal;
    }
    if (on && FBounds.contains(x, y))
        FPixels.emplace_back(x, y);
}

void TPixelLines::Line(QPoint from, QPoint to)
{
    const long long length = std::max(std::llabs((long long)to.x() - from.x()), std::llabs((long long)to.y() - from.y()));
    if (length == 0)
        return;
    if (length > LongLine) {
        double t0, t1;
        const QRectF box = QRectF(FBounds).adjusted(-2, -2, 2, 2);
        if (!ClipLine(from, to, box, t0, t1)) {
            Skip(length);
            return;
        }
        const QPoint a = (QPointF(from) + (QPointF(to) - QPointF(from)) * t0).toPoint();
        const QPoint b = (QPointF(from) + (QPointF(to) - QPointF(from)) * t1).toPoint();
        Skip((long long)std::llround(length * t0));
        if (t1 < 1) {
            // The far end is outside: draw through b, then count the rest.
            Line(a, b);
            Skip(length - (long long)std::llround(length * t1));
        } else {
            Line(a, to);
        }
        return;
    }
    if (FDashTotal == 0 && (from.x() == to.x() || from.y() == to.y())) {
        // A solid straight run: one rectangle.
        const int x0 = std::min(from.x(), to.x() + (to.x() < from.x() ? 1 : 0));
        const int y0 = std::min(from.y(), to.y() + (to.y() < from.y() ? 1 : 0));
        const QRect run = from.y() == to.y() ? QRect(x0, from.y(), int(length), 1) : QRect(from.x(), y0, 1, int(length));
        FRuns.push_back(run.intersected(FBounds));
        return;
    }
    const int dx = std::abs(to.x() - from.x()), sx = from.x() < to.x() ? 1 : -1;
    const int dy = -std::abs(to.y() - from.y()), sy = from.y() < to.y() ? 1 : -1;
    int err = dx + dy;
    int x = from.x(), y = from.y();
    while (x != to.x() || y != to.y()) {
        Plot(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void TPixelLines::Paint(QPainter& painter, const QColor& color) const
{
    for (const QRect& run : FRuns)
        if (!run.isEmpty())
            painter.fillRect(run, color);
    if (FPixels.empty())
        return;
    QPen pen(color, 1);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.drawPoints(FPixels.data(), int(FPixels.size()));
}
