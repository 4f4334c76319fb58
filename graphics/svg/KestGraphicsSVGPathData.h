#pragma once
// Path data ("d"): each move-to starts a new path of the list; lines,
// cubic and quadratic curves and elliptical arcs, absolute and relative,
// with implicit repetition. A command given too few numbers ends the data
// there, as SVG's error handling has it.

#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QStringView>

#pragma GCC visibility push(default)

class TKestGraphicsSVGPathData {
public:
    static void Parse(QStringView data, TKestGraphicsSVGElementPathList& paths);
    // The numbers of a list written as path data writes them ("10-5.5.5"
    // is 10, -5.5 and 0.5), as polyline and polygon points are.
    static std::vector<float> Numbers(QStringView text);
    // The arc from start to end (endpoint form, rotation in degrees) as
    // cubic curves, starting with a move-to when the path is empty, else
    // with a line-to.
    static void AddArc(TKestGraphicsPath& path, const TPointF& start, float rx, float ry, float rotation,
                       bool largeArc, bool sweep, const TPointF& end);
};

#pragma GCC visibility pop
