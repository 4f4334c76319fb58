#pragma once
// A path flattened once for its hit tests. The edges of every figure (each
// closed from its last vertex to its first) are sorted into bands across
// the path's longer side, so that a test reads only the edges of one band:
// an unchanged path is not flattened again, and a long path is not read
// whole, on every test.

#include "graphics/GraphicsPath.h"

#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsPathHitTest {
public:
    TKestGraphicsPathHitTest(const TKestGraphicsPathPoints& points, double step);
    // Flattens the points again, reusing the buffers of the last build.
    void Build(const TKestGraphicsPathPoints& points, double step);

    // Even-odd rule over all figures; a point on a right or bottom edge is
    // outside, on a left or top edge inside.
    bool Contains(const TPointF& point) const;
    // Some vertex lies in rect, left and top edges in, right and bottom out.
    bool AnyVertexIn(const TRectF& rect) const;

private:
    // A flattened figure: vertices [Begin, End), closed from End - 1 to Begin.
    struct TFigure {
        int Begin, End;
    };
    // An edge in band coordinates: u runs along the bands, v across them.
    struct TEdge {
        double U0, V0, U1, V1;
    };

    // Edges are not stored: edge e < vertex count runs from vertex e - 1 to
    // vertex e, and edge vertex count + f closes figure f. A long path thus
    // costs its vertices and band entries only; fresh memory is what a
    // first test after a change waits for.
    TEdge Edge(int edge) const;
    // Calls visit(edge, TEdge) for every edge that can cross a ray across
    // the bands (edges along the ray never do).
    template <typename Visit>
    void ForEachEdge(Visit&& visit) const;
    void BuildBands();
    int BandOf(double v, int bandCount) const;

    TKestGraphicsPathPolygon FVertices;
    std::vector<TFigure> FFigures;
    TRectF FBounds;
    // A wide path is cut into vertical bands and tested with a ray
    // downwards; a tall one into horizontal bands with a ray to the right.
    bool FTransposed = false;
    double FBandOrigin = 0;
    double FBandScale = 1; // bands per unit of v
    std::vector<int> FBandStart; // band b holds FBandEdges[FBandStart[b] .. FBandStart[b + 1])
    std::vector<int> FBandEdges;
};

#pragma GCC visibility pop
