#pragma once
// What one element is painted with: fill (solid colour or gradient), stroke,
// stroke width and opacity, each from the element (or its class rule) or,
// where it says "default", from the nearest ancestor that gives one, and then
// bent by the importer-wide overrides (grey scale, tint, custom colours,
// custom opacity).

#include "framework/Color.h"
#include "framework/FloatGeometry.h"

#include <QSet>
#include <memory>

#pragma GCC visibility push(default)

class TKestGraphics;
class TKestGraphicsFill;
class TKestGraphicsSVGElement;
class TKestGraphicsSVGGradient;

// The importer-wide settings that override the document's paint; -1 means
// not set.
struct TKestGraphicsSVGOverrides {
    bool GrayScale = false;
    TColor TintColor = -1;
    TColor CustomFillColor = -1;
    TColor CustomStrokeColor = -1;
    float CustomOpacity = -1;
};

class TKestGraphicsSVGRenderState {
public:
    explicit TKestGraphicsSVGRenderState(const TKestGraphicsSVGOverrides& overrides);

    // The element's class rule when it has one, else the element itself.
    static const TKestGraphicsSVGElement& StyleSource(const TKestGraphicsSVGElement& element);

    // The view rectangle: user-space percentages of gradients are of it.
    void SetViewport(const TRectF& value) { FViewport = value; }
    // Sets the canvas's fill, stroke and opacity for the element. widthScale
    // turns user units into pixels; box is the shape's bounding box in its
    // own user space. A fill with a gradient sets no fill on the canvas: the
    // caller paints FillGradient.
    void Apply(TKestGraphics& graphics, const TKestGraphicsSVGElement& element, float widthScale,
               const TRectF& box) const;
    // The gradient the element's fill paints pixel by pixel; none when the
    // fill is a colour, nothing, or a gradient that comes down to one colour.
    std::unique_ptr<TKestGraphicsSVGGradient> FillGradient(const TKestGraphicsSVGElement& element,
                                                           const TRectF& box) const;
    // The opacity the fill is painted with: the element's, the fill's own
    // and its colour's alpha.
    float FillOpacity(const TKestGraphicsSVGElement& element) const;
    // The "color" property the element inherits ("currentColor" paints
    // with it); black when none is given.
    static TColor CurrentColor(const TKestGraphicsSVGElement& element);
    // The colour text is drawn in: the inherited fill colour (black when none).
    TColor TextColor(const TKestGraphicsSVGElement& element) const;
    float Opacity(const TKestGraphicsSVGElement& element) const;
    // The opacity the element itself gives (1 under a custom opacity).
    float OwnOpacity(const TKestGraphicsSVGElement& element) const;
    // The stroke width in force for the element, in its user units.
    static float StrokeWidth(const TKestGraphicsSVGElement& element);
    // Whether a stroke is given for the element (itself or inherited).
    static bool HasStroke(const TKestGraphicsSVGElement& element);
    // A composited element's opacity is applied to its layer as a whole, so
    // Opacity leaves it out for what the layer holds.
    void SetComposited(const TKestGraphicsSVGElement& element, bool composited);

    // 0.3 red + 0.6 green + 0.1 blue in every channel.
    static TColor GrayValue(TColor color);
    // Each channel times the tint's, over 255.
    static TColor Tinted(TColor color, TColor tint);

private:
    using TGivenOpacity = bool (TKestGraphicsSVGElement::*)() const;
    using TOpacityValue = float (TKestGraphicsSVGElement::*)() const;

    // The fill's or the stroke's own opacity, over the element's.
    float PaintOpacity(const TKestGraphicsSVGElement& element, TGivenOpacity given, TOpacityValue value) const;
    void ApplyFill(TKestGraphics& graphics, const TKestGraphicsSVGElement& element, float opacity,
                   const TRectF& box) const;
    void ApplyStroke(TKestGraphics& graphics, const TKestGraphicsSVGElement& element, float opacity,
                     float widthScale, const TRectF& box) const;
    // The gradient a paint reference points at, resolved; none when it
    // points at nothing or at something else.
    std::unique_ptr<TKestGraphicsSVGGradient> Gradient(const TKestGraphicsSVGElement& source, TColor custom) const;
    // The single colour a paint value comes to (its alpha 0..1 in alpha),
    // -1 for none; a gradient that varies sets varies and gives its first
    // stop's colour.
    TColor PaintColor(const TKestGraphicsSVGElement& element, const TKestGraphicsSVGElement& source,
                      const QString& value, TColor color, TColor custom, const TRectF& box, float& alpha,
                      bool& varies) const;
    // A document colour after the overrides; custom is the custom colour of
    // its kind.
    TColor Painted(TColor color, TColor custom) const;

    TKestGraphicsSVGOverrides FOverrides;
    TRectF FViewport;
    QSet<const TKestGraphicsSVGElement*> FComposited;
};

#pragma GCC visibility pop
