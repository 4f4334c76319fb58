#include "graphics/svg/KestGraphicsSVGTextFont.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTextValues.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace {

constexpr float DefaultSize = 12;
// Sizes beyond this only cost memory and time.
constexpr float MaxSize = 10000;

float KeywordSize(const QString& value, float parent)
{
    static const std::pair<const char*, float> sizes[] = {
        {"xx-small", 9}, {"x-small", 10}, {"small", 13}, {"medium", 16}, {"large", 18}, {"x-large", 24}, {"xx-large", 32},
    };
    for (const auto& [name, size] : sizes)
        if (value == QLatin1String(name))
            return size;
    if (value == QLatin1String("larger"))
        return parent * 1.2f;
    if (value == QLatin1String("smaller"))
        return parent / 1.2f;
    return -1;
}

// One level's font-size against the size it inherits.
float LevelSize(const QString& value, float parent)
{
    if (const float keyword = KeywordSize(value, parent); keyword >= 0)
        return keyword;
    if (TKestGraphicsSVGValues::IsPercentage(value))
        return parent * TKestGraphicsSVGValues::Length(value) / 100;
    const float size = TKestGraphicsSVGTextFont::Length(value, parent);
    return size > 0 ? size : parent;
}

QStringList Families(const QString& list)
{
    QStringList families;
    for (QString name : list.split(u',')) {
        name = name.trimmed();
        if (name.size() >= 2 && (name.front() == u'\'' || name.front() == u'"') && name.back() == name.front())
            name = name.mid(1, name.size() - 2).trimmed();
        if (!name.isEmpty())
            families.append(name);
    }
    return families;
}

int Weight(const TKestGraphicsSVGElement& element)
{
    // Walked from the top, so bolder and lighter step from what they inherit.
    std::vector<const TKestGraphicsSVGElement*> chain;
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent())
        chain.push_back(&TKestGraphicsSVGRenderState::StyleSource(*level));
    int weight = 400;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const TKestGraphicsSVGTextValues* values = (*it)->TextValues();
        const QString value = values ? values->FontWeight : QString();
        if (value == QLatin1String("bold"))
            weight = 700;
        else if (value == QLatin1String("normal"))
            weight = 400;
        else if (value == QLatin1String("bolder"))
            weight = std::min(900, weight + 300);
        else if (value == QLatin1String("lighter"))
            weight = std::max(100, weight - 300);
        else if (float number = 0; TKestGraphicsSVGValues::TryNumber(value, number))
            weight = int(std::clamp(number, 1.0f, 1000.0f));
    }
    return weight;
}

}

QString TKestGraphicsSVGTextFont::Inherited(const TKestGraphicsSVGElement& element,
                                            QString TKestGraphicsSVGTextValues::*field)
{
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent()) {
        const TKestGraphicsSVGTextValues* values = TKestGraphicsSVGRenderState::StyleSource(*level).TextValues();
        if (values && !(values->*field).isEmpty() && values->*field != QLatin1String("inherit"))
            return values->*field;
    }
    return QString();
}

float TKestGraphicsSVGTextFont::Length(const QString& text, float fontSize)
{
    const QString trimmed = text.trimmed();
    if (trimmed.endsWith(QLatin1String("em")))
        return TKestGraphicsSVGValues::Number(QStringView(trimmed).chopped(2)) * fontSize;
    if (trimmed.endsWith(QLatin1String("ex")))
        return TKestGraphicsSVGValues::Number(QStringView(trimmed).chopped(2)) * fontSize / 2;
    return TKestGraphicsSVGValues::Length(trimmed);
}

float TKestGraphicsSVGTextFont::Size(const TKestGraphicsSVGElement& element)
{
    std::vector<const TKestGraphicsSVGElement*> chain;
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent())
        chain.push_back(&TKestGraphicsSVGRenderState::StyleSource(*level));
    float size = DefaultSize;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        if ((*it)->HasFontSize())
            size = LevelSize((*it)->FontSizeValue().trimmed(), size);
    return std::clamp(size, 0.0f, MaxSize);
}

QFont TKestGraphicsSVGTextFont::Font(const TKestGraphicsSVGElement& element)
{
    QFont font;
    QStringList families = Families(Inherited(element, &TKestGraphicsSVGTextValues::FontFamilies));
    if (families.isEmpty())
        families.append(QStringLiteral("Arial"));
    font.setFamilies(families);
    font.setPixelSize(ShapingSize);
    font.setWeight(QFont::Weight(Weight(element)));
    const QString style = Inherited(element, &TKestGraphicsSVGTextValues::FontStyle);
    font.setStyle(style == QLatin1String("italic")    ? QFont::StyleItalic
                  : style == QLatin1String("oblique") ? QFont::StyleOblique
                                                      : QFont::StyleNormal);
    // Outlines are scaled afterwards: hinting at the shaping size would
    // bend them.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
