#include "graphics/svg/KestGraphicsSVGRenderState.h"

#include "framework/Rounding.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGGradient_p.h"

#include <algorithm>
#include <cmath>

namespace {

const QLatin1String DefaultValue("default");

bool IsSet(TColor color) { return color != TColor(-1); }

// The nearest of the element and its ancestors (each through its style
// source) whose value is given; none when every one says "default".
template <typename TGiven>
const TKestGraphicsSVGElement* Inherited(const TKestGraphicsSVGElement& element, TGiven given)
{
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent()) {
        const TKestGraphicsSVGElement& source = TKestGraphicsSVGRenderState::StyleSource(*level);
        if (given(source))
            return &source;
    }
    return nullptr;
}

bool IsURL(const QString& value) { return value.startsWith(QLatin1String("url(")); }

const TKestGraphicsSVGElement* FillSource(const TKestGraphicsSVGElement& element)
{
    return Inherited(element, [](const TKestGraphicsSVGElement& e) { return e.FillColorValue() != DefaultValue; });
}

const TKestGraphicsSVGElement* StrokeSource(const TKestGraphicsSVGElement& element)
{
    return Inherited(element, [](const TKestGraphicsSVGElement& e) { return e.StrokeColorValue() != DefaultValue; });
}

// The gradient whose stops serve: a gradient without stops of its own takes
// those of the one it links to (links followed a bounded number of times,
// so a cycle ends).
const TKestGraphicsSVGElement& StopSource(const TKestGraphicsSVGElement& gradient)
{
    const TKestGraphicsSVGElement* source = &gradient;
    for (int hops = 0; hops < 32 && source->HRefRef(); ++hops) {
        bool hasStops = false;
        for (const auto& child : source->Elements())
            hasStops = hasStops || child->Type() == etStop;
        if (hasStops)
            break;
        source = source->HRefRef();
    }
    return *source;
}

TColor FirstStopColor(const TKestGraphicsSVGElement& gradient)
{
    const TKestGraphicsSVGElement& source = StopSource(gradient);
    for (const auto& child : source.Elements())
        if (child->Type() == etStop)
            return child->HasStopColor() ? child->StopColor() : TColor(0);
    return -1;
}

}

TKestGraphicsSVGRenderState::TKestGraphicsSVGRenderState(const TKestGraphicsSVGOverrides& overrides)
    : FOverrides(overrides)
{
}

const TKestGraphicsSVGElement& TKestGraphicsSVGRenderState::StyleSource(const TKestGraphicsSVGElement& element)
{
    return element.ClassRef() ? *element.ClassRef() : element;
}

void TKestGraphicsSVGRenderState::Apply(TKestGraphics& graphics, const TKestGraphicsSVGElement& element,
                                        float widthScale, const TRectF& box) const
{
    const float opacity = Opacity(element);
    // A colour with an alpha ("#rrggbbaa", rgba()) is as transparent as it says.
    const TKestGraphicsSVGElement* strokeSource = StrokeSource(element);
    const float strokeAlpha = strokeSource && FOverrides.CustomOpacity == -1 ? strokeSource->StrokeColorAlpha() : 1;
    ApplyFill(graphics, element, FillOpacity(element), box);
    ApplyStroke(graphics, element,
                opacity * strokeAlpha
                    * PaintOpacity(element, &TKestGraphicsSVGElement::HasStrokeOpacity,
                                   &TKestGraphicsSVGElement::StrokeOpacity),
                widthScale, box);
}

TColor TKestGraphicsSVGRenderState::CurrentColor(const TKestGraphicsSVGElement& element)
{
    const TKestGraphicsSVGElement* source =
        Inherited(element, [](const TKestGraphicsSVGElement& e) { return e.ColorValue() != DefaultValue; });
    return source ? source->CurrentColor() : TColor(0);
}

float TKestGraphicsSVGRenderState::FillOpacity(const TKestGraphicsSVGElement& element) const
{
    const TKestGraphicsSVGElement* fillSource = FillSource(element);
    const float fillAlpha = fillSource && FOverrides.CustomOpacity == -1 ? fillSource->FillColorAlpha() : 1;
    return Opacity(element) * fillAlpha
           * PaintOpacity(element, &TKestGraphicsSVGElement::HasFillOpacity, &TKestGraphicsSVGElement::FillOpacity);
}

std::unique_ptr<TKestGraphicsSVGGradient> TKestGraphicsSVGRenderState::Gradient(const TKestGraphicsSVGElement& source,
                                                                                 TColor custom) const
{
    const TKestGraphicsSVGElement* target = source.PatternRef();
    if (!target || (target->Type() != etLinearGradient && target->Type() != etRadialGradient))
        return nullptr;
    return std::make_unique<TKestGraphicsSVGGradient>(*target, FViewport,
                                                      [this, custom](TColor color) { return Painted(color, custom); });
}

TColor TKestGraphicsSVGRenderState::PaintColor(const TKestGraphicsSVGElement& element,
                                               const TKestGraphicsSVGElement& source, const QString& value,
                                               TColor color, TColor custom, const TRectF& box, float& alpha,
                                               bool& varies) const
{
    alpha = 1;
    varies = false;
    if (value == QLatin1String("currentColor"))
        return Painted(CurrentColor(element), custom);
    if (!IsURL(value))
        return IsSet(color) && value != QLatin1String("none") && value != QLatin1String("transparent")
                   ? Painted(color, custom)
                   : TColor(-1);
    // A reference that paints nothing falls back to the colour after it,
    // or to none.
    const std::unique_ptr<TKestGraphicsSVGGradient> gradient = Gradient(source, custom);
    if (!gradient || gradient->PaintsNothing(box))
        return IsSet(color) ? Painted(color, custom) : TColor(-1);
    int solidAlpha = 255;
    TColor solid = -1;
    if (gradient->IsSolid(solid, solidAlpha)) {
        alpha = float(solidAlpha) / 255;
        return solid;
    }
    varies = true;
    return Painted(FirstStopColor(*source.PatternRef()), custom);
}

std::unique_ptr<TKestGraphicsSVGGradient> TKestGraphicsSVGRenderState::FillGradient(
    const TKestGraphicsSVGElement& element, const TRectF& box) const
{
    const TKestGraphicsSVGElement* source = FillSource(element);
    if (!source || !IsURL(source->FillColorValue()))
        return nullptr;
    float alpha = 1;
    bool varies = false;
    PaintColor(element, *source, source->FillColorValue(), source->FillColor(), FOverrides.CustomFillColor, box, alpha,
               varies);
    return varies ? Gradient(*source, FOverrides.CustomFillColor) : nullptr;
}

float TKestGraphicsSVGRenderState::Opacity(const TKestGraphicsSVGElement& element) const
{
    if (FOverrides.CustomOpacity != -1)
        return FOverrides.CustomOpacity;
    // A group's opacity carries over to what it holds, so the given
    // opacities along the way multiply.
    float opacity = 1;
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent()) {
        const TKestGraphicsSVGElement& source = StyleSource(*level);
        if (source.HasOpacity() && !FComposited.contains(level))
            opacity *= std::clamp(source.Opacity(), 0.0f, 1.0f);
    }
    return opacity;
}

float TKestGraphicsSVGRenderState::OwnOpacity(const TKestGraphicsSVGElement& element) const
{
    const TKestGraphicsSVGElement& source = StyleSource(element);
    if (FOverrides.CustomOpacity != -1 || !source.HasOpacity())
        return 1;
    return std::clamp(source.Opacity(), 0.0f, 1.0f);
}

float TKestGraphicsSVGRenderState::StrokeWidth(const TKestGraphicsSVGElement& element)
{
    const TKestGraphicsSVGElement* source =
        Inherited(element, [](const TKestGraphicsSVGElement& e) { return e.HasStrokeWidth(); });
    return source ? source->StrokeWidth() : 1.0f;
}

bool TKestGraphicsSVGRenderState::HasStroke(const TKestGraphicsSVGElement& element)
{
    const TKestGraphicsSVGElement* source = StrokeSource(element);
    return source && (source->HasStrokeColor() || IsURL(source->StrokeColorValue()));
}

void TKestGraphicsSVGRenderState::SetComposited(const TKestGraphicsSVGElement& element, bool composited)
{
    if (composited)
        FComposited.insert(&element);
    else
        FComposited.remove(&element);
}

float TKestGraphicsSVGRenderState::PaintOpacity(const TKestGraphicsSVGElement& element, TGivenOpacity given,
                                                TOpacityValue value) const
{
    // The overall override stands for every opacity; the fill's and the
    // stroke's own are inherited, the nearest given one counting.
    if (FOverrides.CustomOpacity != -1)
        return 1;
    const TKestGraphicsSVGElement* source =
        Inherited(element, [given](const TKestGraphicsSVGElement& e) { return (e.*given)(); });
    return source ? std::clamp((source->*value)(), 0.0f, 1.0f) : 1.0f;
}

TColor TKestGraphicsSVGRenderState::TextColor(const TKestGraphicsSVGElement& element) const
{
    const TKestGraphicsSVGElement* source = FillSource(element);
    if (!source)
        return Painted(0, FOverrides.CustomFillColor);
    float alpha = 1;
    bool varies = false;
    return PaintColor(element, *source, source->FillColorValue(), source->FillColor(), FOverrides.CustomFillColor,
                      TRectF(0, 0, 1, 1), alpha, varies);
}

void TKestGraphicsSVGRenderState::ApplyFill(TKestGraphics& graphics, const TKestGraphicsSVGElement& element,
                                            float opacity, const TRectF& box) const
{
    TKestGraphicsFill& fill = *graphics.Fill();
    fill.BeginUpdate();
    fill.SetOpacity(opacity);
    const TKestGraphicsSVGElement* source = FillSource(element);
    if (!source) {
        // Nothing given anywhere: black, as bent by the overrides.
        TColor color = 0;
        if (FOverrides.GrayScale)
            color = 0x808080;
        else if (IsSet(FOverrides.TintColor))
            color = FOverrides.TintColor;
        else if (IsSet(FOverrides.CustomFillColor))
            color = FOverrides.CustomFillColor;
        fill.SetKind(gfkSolid);
        fill.SetColor(color);
    } else {
        float alpha = 1;
        bool varies = false;
        const TColor color = PaintColor(element, *source, source->FillColorValue(), source->FillColor(),
                                        FOverrides.CustomFillColor, box, alpha, varies);
        // A gradient that varies is painted by the drawing itself.
        fill.SetKind(IsSet(color) && !varies ? gfkSolid : gfkNone);
        fill.SetColor(IsSet(color) ? color : TColor(0));
        fill.SetOpacity(opacity * alpha);
    }
    fill.EndUpdate();
    graphics.SetFill(&fill);
}

void TKestGraphicsSVGRenderState::ApplyStroke(TKestGraphics& graphics, const TKestGraphicsSVGElement& element,
                                              float opacity, float widthScale, const TRectF& box) const
{
    TKestGraphicsStroke& stroke = *graphics.Stroke();
    const TKestGraphicsSVGElement* source = StrokeSource(element);
    TColor color = -1;
    float alpha = 1;
    if (source) {
        // Strokes are drawn in one colour: a varying gradient's first.
        bool varies = false;
        color = PaintColor(element, *source, source->StrokeColorValue(), source->StrokeColor(),
                           FOverrides.CustomStrokeColor, box, alpha, varies);
    }
    const float width = StrokeWidth(element);
    // A width of 0 (or less) draws no stroke at all.
    if (!IsSet(color) || !(width > 0)) {
        stroke.SetKind(gskNone);
        graphics.SetStroke(&stroke);
        return;
    }
    stroke.SetKind(gskSolid);
    stroke.SetColor(color);
    // The drawing library widens pens thinner than a pixel to a pixel; a
    // thinner stroke is drawn a pixel wide with its share of the opacity,
    // which puts down the same ink.
    const float pixels = width * widthScale;
    stroke.SetOpacity(opacity * alpha * std::min(1.0f, pixels));
    stroke.SetWidth(std::max(1.0f, pixels));
    graphics.SetStroke(&stroke);
}

TColor TKestGraphicsSVGRenderState::Painted(TColor color, TColor custom) const
{
    if (FOverrides.GrayScale)
        return GrayValue(color);
    if (IsSet(FOverrides.TintColor))
        return Tinted(color, FOverrides.TintColor);
    if (IsSet(custom))
        return custom;
    return color;
}

TColor TKestGraphicsSVGRenderState::GrayValue(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    const int gray = Kest::Round(0.3 * GetRValue(rgb) + 0.6 * GetGValue(rgb) + 0.1 * GetBValue(rgb));
    return RGB(gray, gray, gray);
}

TColor TKestGraphicsSVGRenderState::Tinted(TColor color, TColor tint)
{
    const TColor rgb = ColorToRGB(color);
    const TColor by = ColorToRGB(tint);
    return RGB(GetRValue(rgb) * GetRValue(by) / 255, GetGValue(rgb) * GetGValue(by) / 255,
               GetBValue(rgb) * GetBValue(by) / 255);
}
