#pragma once
// A path flattened once for its hit tests: the figures as separate closed
// polygons, each with its bounding box, so that an unchanged path is not
// flattened again on every test and figures far from the point cost little.

#include "graphics/GraphicsPath.h"

#include <vector>

class TKestGraphicsPathHitTest {
public:
    TKestGraphicsPathHitTest(const TKestGraphicsPathPoints& points, double step);

    // Even-odd rule over all figures, each closed from its last vertex to
    // its first; a point on a right or bottom edge is outside.
    bool Contains(const TPointF& point) const;
    // Some vertex lies in rect, left and top edges in, right and bottom out.
    bool AnyVertexIn(const TRectF& rect) const;

private:
    struct TFigure {
        int Begin, End; // vertex range [Begin, End)
        TRectF Bounds;
    };
    friend struct THitTestBuilder;

    bool FigureCrossingsOdd(const TFigure& figure, const TPointF& point) const;

    std::vector<TPointF> FVertices;
    std::vector<TFigure> FFigures;
    TRectF FBounds;
};
