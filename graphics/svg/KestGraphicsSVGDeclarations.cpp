#include "graphics/svg/KestGraphicsSVGDeclarations.h"

#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGColor.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGTextDeclarations.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

namespace {

bool IsNoColor(QStringView value)
{
    return value == u"none" || value == u"transparent" || value == u"default";
}

// "url(#name)", the name quoted or not, white space allowed inside the brackets.
bool IsURL(QStringView value)
{
    if (!value.startsWith(QLatin1String("url(")))
        return false;
    QStringView inside = value.mid(4).trimmed();
    if (inside.startsWith(u'\'') || inside.startsWith(u'"'))
        inside = inside.mid(1);
    return inside.startsWith(u'#');
}

bool IsCurrentColor(QStringView value) { return value.compare(u"currentColor", Qt::CaseInsensitive) == 0; }

// The colour after a paint reference ("url(#a) green"), used when the
// reference paints nothing; -1 when none is given.
TColor FallbackColor(QStringView value)
{
    const qsizetype close = value.indexOf(u')');
    const QStringView rest = close < 0 ? QStringView() : value.mid(close + 1).trimmed();
    if (rest.isEmpty() || IsNoColor(rest))
        return gcNull;
    int alpha = 255;
    return TKestGraphicsSVGColor::Parse(rest, alpha);
}

// "fill", "stroke" and "stop-color": the value as written and its colour.
// A fully transparent rgba() keeps "none" as its value. A malformed colour
// is -1 and leaves the value as it was, so the paint is inherited as if the
// declaration were not there.
void ReadColor(QStringView value, QString& kept, TColor& color, QString* urlRef, float* colorAlpha)
{
    if (IsNoColor(value) || IsCurrentColor(value)) {
        kept = IsCurrentColor(value) ? QStringLiteral("currentColor") : value.toString();
        color = gcNull;
        *colorAlpha = 1;
        return;
    }
    if (urlRef && IsURL(value)) {
        kept = value.toString();
        *urlRef = TKestGraphicsSVGDeclarations::ReferenceName(value);
        color = FallbackColor(value);
        *colorAlpha = 1;
        return;
    }
    int alpha = 255;
    color = TKestGraphicsSVGColor::Parse(value, alpha);
    if (color == gcNull)
        return;
    kept = value.toString();
    *colorAlpha = 1;
    if (value.startsWith(QLatin1String("rgb")) && alpha == 0)
        kept = QStringLiteral("none");
    else
        *colorAlpha = float(alpha) / 255;
}

// A stop's offset: a number or a percentage; anything else is 0.
float StopOffset(QStringView value)
{
    float offset = 0;
    if (value.endsWith(u'%'))
        return TKestGraphicsSVGValues::TryNumber(value.chopped(1), offset) ? offset / 100 : 0;
    return TKestGraphicsSVGValues::TryNumber(value, offset) ? offset : 0;
}

bool IsGradient(const TKestGraphicsSVGElement& element)
{
    return element.Type() == etLinearGradient || element.Type() == etRadialGradient;
}

bool IsGradientAttribute(QStringView name)
{
    static const char* const names[] = {"x1", "y1", "x2", "y2", "cx", "cy", "r", "fx", "fy", "fr",
                                        "gradientUnits", "spreadMethod", "gradientTransform"};
    for (const char* known : names)
        if (name == QLatin1String(known))
            return true;
    return false;
}

// An opacity: a number, or a percentage of full opacity.
void ReadOpacity(QStringView value, QString& kept, float& opacity)
{
    kept = value.toString();
    if (value == u"default")
        return;
    opacity = TKestGraphicsSVGValues::Length(value);
    if (TKestGraphicsSVGValues::IsPercentage(value))
        opacity /= 100;
}

void ReadFontFamily(QStringView value, QString& family, TFontStyles& style)
{
    TFontStyles derived;
    if (value.contains(QLatin1String("Bold")))
        derived |= fsBold;
    if (value.contains(QLatin1String("Italic")))
        derived |= fsItalic;
    QStringView name = value;
    const auto names = value.split(u',');
    if (names.size() > 1)
        name = names[1];
    name = name.trimmed();
    if (name.size() >= 2 && (name.front() == u'\'' || name.front() == u'"') && name.back() == name.front())
        name = name.mid(1, name.size() - 2).trimmed();
    if (name.endsWith(QLatin1String("MT")))
        name.chop(2);
    family = name.toString();
    if (style == TFontStyles())
        style = derived;
}

}

QString TKestGraphicsSVGDeclarations::ReferenceName(QStringView value)
{
    const qsizetype hash = value.indexOf(u'#');
    if (hash < 0)
        return QString();
    QStringView name = value.mid(hash + 1);
    const qsizetype close = name.indexOf(u')');
    if (close >= 0)
        name = name.left(close);
    name = name.trimmed();
    while (!name.isEmpty() && (name.back() == u'\'' || name.back() == u'"'))
        name.chop(1);
    return name.trimmed().toString();
}

void TKestGraphicsSVGDeclarations::Apply(TKestGraphicsSVGElement& e, QStringView name, QStringView value)
{
    value = value.trimmed();
    if (TKestGraphicsSVGTextDeclarations::Apply(e, name, value))
        return;
    if (name == u"display") {
        e.FDisplayValue = value.toString().toLower();
    } else if (name == u"fill") {
        ReadColor(value, e.FFillColorValue, e.FFillColor, &e.FURLRefID, &e.FFillColorAlpha);
    } else if (name == u"stroke") {
        ReadColor(value, e.FStrokeColorValue, e.FStrokeColor, &e.FURLRefID, &e.FStrokeColorAlpha);
    } else if (name == u"stroke-width") {
        e.FStrokeWidthValue = value.toString();
        // A length, as SVG has it ("2px" is common).
        if (value != u"default")
            e.FStrokeWidth = TKestGraphicsSVGValues::Length(value);
    } else if (name == u"opacity") {
        ReadOpacity(value, e.FOpacityValue, e.FOpacity);
    } else if (name == u"fill-opacity") {
        ReadOpacity(value, e.FFillOpacityValue, e.FFillOpacity);
    } else if (name == u"stroke-opacity") {
        ReadOpacity(value, e.FStrokeOpacityValue, e.FStrokeOpacity);
    } else if (name == u"font-family") {
        ReadFontFamily(value, e.FFontFamily, e.FFontStyle);
    } else if (name == u"font-style") {
        if (value == u"italic" && e.FFontStyle == TFontStyles())
            e.FFontStyle |= fsItalic;
    } else if (name == u"font-size") {
        e.FFontSizeValue = value.toString();
        if (value != u"default")
            e.FFontSize = TKestGraphicsSVGValues::Length(value);
    } else if (name == u"preserveAspectRatio") {
        e.FPreserveAspectRatioValue = value.toString();
        e.FPreserveAspectRatio = value == u"none" ? parNone : parOther;
    } else if (name == u"offset") {
        e.FOffsetValue = value.toString();
        e.FOffset = StopOffset(value);
    } else if (name == u"stop-color") {
        ReadColor(value, e.FStopColorValue, e.FStopColor, nullptr, &e.FStopColorAlpha);
    } else if (name == u"stop-opacity") {
        ReadOpacity(value, e.FStopOpacityValue, e.FStopOpacity);
    } else if (name == u"href" || name == u"xlink:href") {
        const qsizetype hash = value.indexOf(u'#');
        e.FHRefID = hash < 0 ? QString() : value.mid(hash + 1).toString();
    } else if (name == u"id") {
        e.FID = value.toString();
    } else if (name == u"clip-path") {
        e.FClipPathRefID = ReferenceName(value);
    } else if (name == u"clip-rule") {
        if (value == u"nonzero" || value == u"evenodd")
            e.FClipRuleValue = value.toString();
    } else if (name == u"color") {
        int alpha = 255;
        const TColor color = TKestGraphicsSVGColor::Parse(value, alpha);
        if (color != gcNull || IsCurrentColor(value)) {
            e.FColorValue = IsCurrentColor(value) ? QStringLiteral("default") : value.toString();
            e.FCurrentColor = color;
        }
    } else if ((IsGradient(e) && IsGradientAttribute(name)) || (e.Type() == etClipPath && name == u"clipPathUnits")) {
        e.FPaintAttributes.insert(name.toString(), value.toString());
    } else if (name == u"class") {
        e.FClassRefID = value.toString();
    }
}

void TKestGraphicsSVGDeclarations::ApplyList(TKestGraphicsSVGElement& element, QStringView declarations)
{
    for (QStringView part : declarations.split(u';')) {
        part = part.trimmed();
        if (part.isEmpty())
            continue;
        qsizetype colon = part.indexOf(u':');
        if (part.startsWith(QLatin1String("xlink:href")))
            colon = part.indexOf(u':', 6);
        if (colon < 0)
            continue;
        Apply(element, part.left(colon).trimmed(), part.mid(colon + 1));
    }
}
