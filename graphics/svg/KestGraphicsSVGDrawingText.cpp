// The text part of the element drawing: glyph outlines are drawn as paths,
// so text takes fills, strokes, gradients and opacities as shapes do.
#include "graphics/svg/KestGraphicsSVGDrawing.h"

#include "graphics/GraphicsPath.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGGradient_p.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"

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
        if (const auto gradient = FState.FillGradient(*piece.Style, box))
            PaintGradient(*gradient, *piece.Path, matrix, box, FState.FillOpacity(*piece.Style));
        FGraphics.DrawPath(piece.Path.get(), pdmPath);
    }
}
