// The text part of the element drawing: glyph outlines are drawn as paths,
// so text takes fills, strokes, gradients and opacities as shapes do.
#include "graphics/svg/KestGraphicsSVGDrawing.h"

#include "graphics/GraphicsPath.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"

void TKestGraphicsSVGDrawing::DrawText(const TKestGraphicsSVGElement& text, const TKestGraphicsMatrix& transform,
                                       float widthScale)
{
    std::vector<TKestGraphicsSVGTextPiece> pieces = TKestGraphicsSVGTextLayout::Layout(text);
    const TKestGraphicsMatrix matrix = transform * FTextMatrix;
    TKestGraphicsPath whole;
    for (TKestGraphicsSVGTextPiece& piece : pieces) {
        piece.Path->ApplyMatrix(matrix);
        whole.AddPath(*piece.Path);
    }
    if (whole.Count() == 0)
        return;
    // A gradient spans the whole text, whichever span it paints.
    const TRectF bounds = whole.GetBounds();
    for (TKestGraphicsSVGTextPiece& piece : pieces) {
        if (piece.Path->Count() == 0)
            continue;
        FState.Apply(FGraphics, *piece.Style, widthScale, bounds);
        FGraphics.DrawPath(piece.Path.get(), pdmPath);
    }
}
