#pragma once
// The device rectangle an element's drawing can touch: the bounds of its
// shapes, pictures and text outlines (its children's included), each
// widened by its stroke's width and joins, and by a pixel of anti-aliasing.
// Clips only take away from that, so they are left out. A layer for the
// element need not be larger.

#include "graphics/GraphicsMatrix.h"

#include <QRectF>

class TKestGraphicsSVGElement;

class TKestGraphicsSVGReach {
public:
    // drawing maps user space onto the device, textMatrix is added to text
    // and scale turns user units into pixels, as the drawing has them.
    TKestGraphicsSVGReach(const TKestGraphicsMatrix& drawing, const TKestGraphicsMatrix& textMatrix, float scale);

    // ancestors maps the element's parent's user space to the root's. An
    // empty rectangle when the element draws nothing; one that is not
    // finite when a coordinate is not.
    QRectF Of(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors) const;

    // How much the transform scales lengths, on average over both axes:
    // strokes are drawn in device pixels this many times their width.
    static float LengthScale(const TKestGraphicsMatrix& matrix);

private:
    // What one element draws itself (not its children).
    QRectF Own(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& user) const;
    // The widest stroke a text or any of its spans draws, in pixels.
    float WidestStroke(const TKestGraphicsSVGElement& text, float widthScale) const;

    TKestGraphicsMatrix FDrawing;
    TKestGraphicsMatrix FTextMatrix;
    float FScale;
};
