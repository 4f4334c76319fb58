#pragma once
// One-pixel lines the way the canvas draws them: from the first pixel up to
// but not including the last, the same pixels whichever way a line runs,
// with an optional on/off pattern running on from line to line.

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <vector>

#pragma GCC visibility push(default)

class QPainter;

class TPixelLines {
public:
    // dashes: pixels on, off, on, off ...; empty for a solid line. Pixels
    // outside bounds are left out.
    TPixelLines(const QList<qreal>& dashes, const QRect& bounds);

    void Line(QPoint from, QPoint to);
    void Paint(QPainter& painter, const QColor& color) const;

private:
    void Plot(int x, int y);
    void Skip(long long pixels);

    QList<int> FDashes;
    int FDashTotal = 0;
    int FDashPos = 0;
    QRect FBounds;
    std::vector<QPoint> FPixels;
    std::vector<QRect> FRuns;
};

#pragma GCC visibility pop
