// The text part of the element drawing: glyph outlines are drawn as paths,
// so text takes fills, strokes, gradients and opacities as shapes do.
#include "graphics/svg/KestGraphicsSVGDrawing.h"

#include "graphics/GraphicsPath.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGGradient_p.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"

#include <algorithm>

namespace {

// Leaves out the figures (glyphs) of a device path lying wholly outside
// keep: a long text on a small picture has most of its glyphs outside.
void KeepFiguresWithin(TKestGraphicsPath& path, const TRectF& keep)
{
    const TKestGraphicsPathPoints& points = path.PathData();
    TKestGraphicsPath kept;
    size_t start = 0;
    while (start < points.size()) {
        size_t end = start + 1;
        while (end < points.size() && points[end].Kind != gppMoveTo)
            ++end;
        // Control points included: the bounds hold the curves. A close
        // carries no point of its own.
        TRectF bounds(points[start].Point.X, points[start].Point.Y, points[start].Point.X, points[start].Point.Y);
        for (size_t i = start + 1; i < end; ++i) {
            if (points[i].Kind == gppClose)
                continue;
            bounds.Left = std::min(bounds.Left, points[i].Point.X);
            bounds.Top = std::min(bounds.Top, points[i].Point.Y);
            bounds.Right = std::max(bounds.Right, points[i].Point.X);
            bounds.Bottom = std::max(bounds.Bottom, points[i].Point.Y);
        }
        const bool shows = bounds.Right >= keep.Left && bounds.Left <= keep.Right && bounds.Bottom >= keep.Top
                           && bounds.Top <= keep.Bottom;
        for (size_t i = start; shows && i < end; ++i) {
            const TKestGraphicsPathPoint& p = points[i];
            switch (p.Kind) {
            case gppMoveTo:
                kept.MoveTo(p.Point);
                break;
            case gppLineTo:
                kept.LineTo(p.Point);
                break;
            case gppCurveTo:
                if (i + 2 < end) {
                    kept.CurveTo(p.Point, points[i + 1].Point, points[i + 2].Point);
                    i += 2;
                } else {
                    kept.LineTo(p.Point);
                }
                break;
            case gppClose:
                kept.ClosePath();
                break;
            }
        }
        start = end;
    }
    if (kept.Count() == path.Count())
        return;
    path.Clear();
    path.AddPath(kept);
}

}

void TKestGraphicsSVGDrawing::DrawText(const TKestGraphicsSVGElement& text, const TKestGraphicsMatrix& transform,
                                       float widthScale)
{
    std::vector<TKestGraphicsSVGTextPiece> pieces = TKestGraphicsSVGTextLayout::Layout(text);
    TKestGraphicsPath whole;
    for (const TKestGraphicsSVGTextPiece& piece : pieces)
        whole.AddPath(*piece.Path);
    if (whole.Count() == 0)
        return;
    // A gradient spans the whole text, whichever span it paints.
    const TRectF box = whole.GetBounds();
    const TKestGraphicsMatrix matrix = transform * FTextMatrix;
    for (TKestGraphicsSVGTextPiece& piece : pieces) {
        if (piece.Path->Count() == 0)
            continue;
        piece.Path->ApplyMatrix(matrix);
        FState.Apply(FGraphics, *piece.Style, widthScale, box);
        if (!FLayerSize.isEmpty()) {
            // A stroke's joins reach at most five widths past the outline.
            const float margin = 6 * FGraphics.Stroke()->Width() + 2;
            KeepFiguresWithin(*piece.Path, TRectF(-margin, -margin, FLayerSize.width() + margin,
                                                  FLayerSize.height() + margin));
        }
        if (const auto gradient = FState.FillGradient(*piece.Style, box))
            PaintGradient(*gradient, *piece.Path, matrix, box, FState.FillOpacity(*piece.Style));
        FGraphics.DrawPath(piece.Path.get(), pdmPath);
    }
}
