#include "graphics/svg/KestGraphicsSVGRenderState.h"

#include "framework/Rounding.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGElement.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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
                                        float widthScale, const TRectF& bounds) const
{
    const float opacity = Opacity(element);
    // A colour with an alpha ("#rrggbbaa", rgba()) is as transparent as it says.
    const TKestGraphicsSVGElement* fillSource = FillSource(element);
    const TKestGraphicsSVGElement* strokeSource = StrokeSource(element);
    const float fillAlpha = fillSource && FOverrides.CustomOpacity == -1 ? fillSource->FillColorAlpha() : 1;
    const float strokeAlpha = strokeSource && FOverrides.CustomOpacity == -1 ? strokeSource->StrokeColorAlpha() : 1;
    ApplyFill(graphics, element,
              opacity * fillAlpha
                  * PaintOpacity(element, &TKestGraphicsSVGElement::HasFillOpacity, &TKestGraphicsSVGElement::FillOpacity),
              bounds);
    ApplyStroke(graphics, element,
                opacity * strokeAlpha
                    * PaintOpacity(element, &TKestGraphicsSVGElement::HasStrokeOpacity,
                                   &TKestGraphicsSVGElement::StrokeOpacity),
                widthScale);
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
        if (source.HasOpacity())
            opacity *= std::clamp(source.Opacity(), 0.0f, 1.0f);
    }
    return opacity;
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
    if (IsURL(source->FillColorValue()) && source->PatternRef())
        return Painted(FirstStopColor(*source->PatternRef()), FOverrides.CustomFillColor);
    if (!source->HasFillColor() || !IsSet(source->FillColor()))
        return -1;
    return Painted(source->FillColor(), FOverrides.CustomFillColor);
}

void TKestGraphicsSVGRenderState::ApplyFill(TKestGraphics& graphics, const TKestGraphicsSVGElement& element,
                                            float opacity, const TRectF& bounds) const
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
    } else if (IsURL(source->FillColorValue())) {
        // A reference that does not resolve paints nothing.
        if (source->PatternRef() && source->PatternRef()->Type() != etPattern)
            ApplyGradient(fill, *source->PatternRef(), opacity, bounds);
        else
            fill.SetKind(gfkNone);
    } else if (source->HasFillColor() && IsSet(source->FillColor())) {
        fill.SetKind(gfkSolid);
        fill.SetColor(Painted(source->FillColor(), FOverrides.CustomFillColor));
    } else {
        fill.SetKind(gfkNone);
    }
    fill.EndUpdate();
    graphics.SetFill(&fill);
}

void TKestGraphicsSVGRenderState::ApplyGradient(TKestGraphicsFill& fill, const TKestGraphicsSVGElement& gradient,
                                                float opacity, const TRectF& bounds) const
{
    fill.SetKind(gfkGradient);
    fill.SetGradientMode(gfgmCollection);
    fill.ClearGradientItems();
    const TKestGraphicsSVGElement& stops = StopSource(gradient);
    float last = 0;
    for (const auto& child : stops.Elements()) {
        if (child->Type() != etStop)
            continue;
        // Offsets never go back, and stay within the gradient.
        last = std::max(last, std::clamp(child->Offset(), 0.0f, 1.0f));
        const TColor color = child->HasStopColor() ? child->StopColor() : TColor(0);
        const float stopOpacity = child->HasStopOpacity() ? std::clamp(child->StopOpacity(), 0.0f, 1.0f) : 1.0f;
        fill.AddGradientItem(IsSet(color) ? Painted(color, FOverrides.CustomFillColor) : color, last,
                             stopOpacity * opacity);
    }
    if (gradient.Type() == etRadialGradient) {
        fill.SetGradientType(gfgtRadial);
        const float cx = gradient.HasCX() ? gradient.CX() : 50;
        const float cy = gradient.HasCY() ? gradient.CY() : 50;
        fill.SetGradientCenterPoint(
            TPointF(bounds.Left + bounds.Width() * cx / 100, bounds.Top + bounds.Height() * cy / 100));
        return;
    }
    fill.SetGradientType(gfgtLinear);
    fill.SetOrientation(gfoCustom);
    // x, y, width and height hold x1, y1, x2 and y2.
    float angle = std::atan2(gradient.Height() - gradient.Y(), gradient.Width() - gradient.X()) * 180
                  / std::numbers::pi_v<float>;
    if (angle < 0)
        angle += 360;
    fill.SetGradientAngle(angle);
}

void TKestGraphicsSVGRenderState::ApplyStroke(TKestGraphics& graphics, const TKestGraphicsSVGElement& element,
                                              float opacity, float widthScale) const
{
    TKestGraphicsStroke& stroke = *graphics.Stroke();
    const TKestGraphicsSVGElement* source = StrokeSource(element);
    TColor color = -1;
    if (source && IsURL(source->StrokeColorValue())) {
        // Strokes are drawn in one colour: a gradient's first.
        if (source->PatternRef() && source->PatternRef()->Type() != etPattern)
            color = FirstStopColor(*source->PatternRef());
    } else if (source && source->HasStrokeColor()) {
        color = source->StrokeColor();
    }
    const TKestGraphicsSVGElement* widthSource =
        Inherited(element, [](const TKestGraphicsSVGElement& e) { return e.HasStrokeWidth(); });
    const float width = widthSource ? widthSource->StrokeWidth() : 1.0f;
    // A width of 0 (or less) draws no stroke at all.
    if (!IsSet(color) || !(width > 0)) {
        stroke.SetKind(gskNone);
        graphics.SetStroke(&stroke);
        return;
    }
    stroke.SetKind(gskSolid);
    stroke.SetColor(Painted(color, FOverrides.CustomStrokeColor));
    // The drawing library widens pens thinner than a pixel to a pixel; a
    // thinner stroke is drawn a pixel wide with its share of the opacity,
    // which puts down the same ink.
    const float pixels = width * widthScale;
    stroke.SetOpacity(opacity * std::min(1.0f, pixels));
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
