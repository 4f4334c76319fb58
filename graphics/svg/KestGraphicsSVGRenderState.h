#pragma once
// What one element is painted with: fill (solid colour or gradient), stroke,
// stroke width and opacity, each from the element (or its class rule) or,
// where it says "default", from the nearest ancestor that gives one, and then
// bent by the importer-wide overrides (grey scale, tint, custom colours,
// custom opacity).

#include "framework/Color.h"
#include "framework/FloatGeometry.h"

#pragma GCC visibility push(default)

class TKestGraphics;
class TKestGraphicsFill;
class TKestGraphicsSVGElement;

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

    // Sets the canvas's fill, stroke and opacity for the element. widthScale
    // turns user units into pixels; bounds is the drawn shape in pixels (a
    // radial gradient is centred in it).
    void Apply(TKestGraphics& graphics, const TKestGraphicsSVGElement& element, float widthScale,
               const TRectF& bounds) const;
    // The colour text is drawn in: the inherited fill colour (black when none).
    TColor TextColor(const TKestGraphicsSVGElement& element) const;
    float Opacity(const TKestGraphicsSVGElement& element) const;

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
                   const TRectF& bounds) const;
    void ApplyStroke(TKestGraphics& graphics, const TKestGraphicsSVGElement& element, float opacity,
                     float widthScale) const;
    void ApplyGradient(TKestGraphicsFill& fill, const TKestGraphicsSVGElement& gradient, float opacity,
                       const TRectF& bounds) const;
    // A document colour after the overrides; custom is the custom colour of
    // its kind.
    TColor Painted(TColor color, TColor custom) const;

    TKestGraphicsSVGOverrides FOverrides;
};

#pragma GCC visibility pop
