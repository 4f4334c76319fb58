#pragma once
// Draws an element tree on a canvas: per element its transform, paint,
// clip and geometry (shapes, paths, pictures, text). The tree is walked
// with a stack of its own, so documents nested as deep as the reader allows
// draw without deep recursion.

#include "graphics/GraphicsMatrix.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QImage>
#include <QRect>
#include <QSize>

#pragma GCC visibility push(default)

class TKestGraphics;
class TKestGraphicsPath;
class TKestGraphicsSVGGradient;

class TKestGraphicsSVGDrawing {
public:
    // drawing maps the document's view onto the target; scale turns user
    // units into pixels for stroke widths; textMatrix is added to text.
    TKestGraphicsSVGDrawing(TKestGraphics& graphics, TKestGraphicsSVGRenderState& state,
                            const TKestGraphicsMatrix& drawing, const TKestGraphicsMatrix& textMatrix, float scale);

    // The device pixels the target covers, from the origin: an element with
    // an opacity is drawn on a layer of this size and composited once. Empty
    // (the default) multiplies the opacities down the tree instead.
    void SetLayerSize(const QSize& value) { FLayerSize = value; }
    void Draw(const TKestGraphicsSVGElementList& elements, const TKestGraphicsMatrix& ancestors = MatrixIdentity());

    // The element's geometry in its own user space (none for elements
    // without one), as drawn and as clipped with.
    static bool ShapePath(const TKestGraphicsSVGElement& element, TKestGraphicsPath& path);
    // Whether elements of the kind are basic shapes (paths included).
    static bool IsShape(TKestGraphicsSVGElementType kind);
    // Whether the element's children are drawn as part of drawing it.
    static bool DrawsChildren(const TKestGraphicsSVGElement& element);
    // The element's own transform as drawing applies it: paths of path,
    // polyline and polygon elements carry it already.
    static TKestGraphicsMatrix OwnMatrix(const TKestGraphicsSVGElement& element);

private:
    // The element is drawn on a layer: it has a clip path, or an opacity
    // that must apply to it as a whole.
    bool NeedsLayer(const TKestGraphicsSVGElement& element) const;
    // Draws the element and its children on a layer and composites that
    // through its clip path with its opacity.
    void DrawLayer(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors);
    // Cuts the layer's device rectangle region to what the element's clip
    // leaves, with the mask over it (none when the rectangle cuts alone);
    // false when nothing is left.
    bool CutByClip(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors, QRect& region,
                   QImage& mask) const;
    // The element and its children drawn on a transparent layer over the
    // device rectangle region: the layer's pixels.
    QImage DrawOnLayer(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors,
                       const QRect& region);
    // Draws what the element itself shows; its children come after.
    void DrawElement(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors);
    void DrawShape(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& transform, float widthScale);
    // Fills the device path with the gradient, pixel by pixel.
    void PaintGradient(const TKestGraphicsSVGGradient& gradient, TKestGraphicsPath& path,
                       const TKestGraphicsMatrix& transform, const TRectF& box, float opacity);
    void DrawImage(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& transform);
    // A text element with its spans, each span in its own paint.
    void DrawText(const TKestGraphicsSVGElement& text, const TKestGraphicsMatrix& transform, float widthScale);
    void Clip(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& transform);

    TKestGraphics& FGraphics;
    TKestGraphicsSVGRenderState& FState;
    TKestGraphicsMatrix FDrawing;
    TKestGraphicsMatrix FTextMatrix;
    float FScale;
    QSize FLayerSize;
    // Layers inside layers, bounded so deep nesting does not hold a bitmap
    // per level.
    int FLayerDepth = 0;
    // The element this drawing's layer is masked for; its clip is not set
    // on the canvas again.
    const TKestGraphicsSVGElement* FMasked = nullptr;
};

#pragma GCC visibility pop
