#include "graphics/svg/KestGraphicsSVGDeclarations.h"

#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGColor.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
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

// "fill", "stroke" and "stop-color": the value as written and its colour.
// A fully transparent rgba() keeps "none" as its value.
void ReadColor(QStringView value, QString& kept, TColor& color, QString* urlRef, float* colorAlpha = nullptr)
{
    kept = value.toString();
    if (colorAlpha)
        *colorAlpha = 1;
    if (IsNoColor(value)) {
        color = gcNull;
        return;
    }
    if (urlRef && IsURL(value)) {
        *urlRef = TKestGraphicsSVGDeclarations::ReferenceName(value);
        return;
    }
    int alpha = 255;
    color = TKestGraphicsSVGColor::Parse(value, alpha);
    if (value.startsWith(QLatin1String("rgb")) && alpha == 0)
        kept = QStringLiteral("none");
    else if (colorAlpha)
        *colorAlpha = float(alpha) / 255;
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
        e.FOffset = TKestGraphicsSVGValues::Length(value);
        if (TKestGraphicsSVGValues::IsPercentage(value))
            e.FOffset /= 100;
    } else if (name == u"stop-color") {
        ReadColor(value, e.FStopColorValue, e.FStopColor, nullptr);
    } else if (name == u"stop-opacity") {
        ReadOpacity(value, e.FStopOpacityValue, e.FStopOpacity);
    } else if (name == u"href" || name == u"xlink:href") {
        const qsizetype hash = value.indexOf(u'#');
        e.FHRefID = hash < 0 ? QString() : value.mid(hash + 1).toString();
    } else if (name == u"id") {
        e.FID = value.toString();
    } else if (name == u"clip-path") {
        e.FClipPathRefID = ReferenceName(value);
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
