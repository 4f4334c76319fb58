#pragma once
// A path's outline kept beside the library's path as it is built: its
// figures as straight sides. The library fills a polygon exactly but grows
// a filled path by up to a pixel; Joined gives every figure as one polygon
// for its exact polygon fill.

#include "gdiplus/classes/GPPath.h"

#include <cstddef>
#include <vector>

#pragma GCC visibility push(default)

namespace KestGraphicsWin {

class TWinPolygonOutline {
public:
    // The next side starts a new figure.
    void BeginFigure();
    // A side from one point to the next; it goes on from the last point
    // when that is where it starts.
    void AddSide(const GdiplusFlat::TGPPointF& from, const GdiplusFlat::TGPPointF& to);
    // The figures that enclose anything, one after another, each closed,
    // joined by bridges from start to start that the polygon goes back
    // along at its end: each bridge is crossed once each way, so it adds
    // nothing to the area under either fill rule. Empty when no figure
    // encloses anything.
    std::vector<GdiplusFlat::TGPPointF> Joined() const;

private:
    std::vector<GdiplusFlat::TGPPointF> FPoints;
    std::vector<size_t> FFigureStarts{0};
};

}

#pragma GCC visibility pop
