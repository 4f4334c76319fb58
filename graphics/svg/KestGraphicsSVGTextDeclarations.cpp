#include "graphics/svg/KestGraphicsSVGTextDeclarations.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGTextValues.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

namespace {

bool IsSeparator(QChar c) { return c == u',' || c.isSpace(); }

// Position lists belong to text and its spans; elsewhere x and y are
// plain geometry.
bool TakesPositions(TKestGraphicsSVGElementType kind) { return kind == etText || kind == etTextSpan; }

TKestGraphicsSVGTextValues& Values(std::unique_ptr<TKestGraphicsSVGTextValues>& values)
{
    if (!values)
        values = std::make_unique<TKestGraphicsSVGTextValues>();
    return *values;
}

}

std::vector<QString> TKestGraphicsSVGTextDeclarations::List(QStringView value)
{
    std::vector<QString> items;
    qsizetype index = 0;
    while (index < value.size()) {
        while (index < value.size() && IsSeparator(value[index]))
            ++index;
        const qsizetype start = index;
        while (index < value.size() && !IsSeparator(value[index]))
            ++index;
        if (index > start)
            items.push_back(value.mid(start, index - start).toString());
    }
    return items;
}

bool TKestGraphicsSVGTextDeclarations::Apply(TKestGraphicsSVGElement& element, QStringView name, QStringView value)
{
    auto& values = element.FTextValues;
    if (TakesPositions(element.FType)) {
        if (name == u"x" || name == u"y" || name == u"dx" || name == u"dy") {
            std::vector<QString> list = List(value);
            auto& target = name == u"x" ? Values(values).X
                           : name == u"y" ? Values(values).Y
                           : name == u"dx" ? Values(values).DX
                                           : Values(values).DY;
            target = std::move(list);
            // x and y are geometry too: the text's first position.
            return name == u"dx" || name == u"dy";
        }
        if (name == u"rotate") {
            Values(values).Rotate.clear();
            for (const QString& item : List(value))
                Values(values).Rotate.push_back(TKestGraphicsSVGValues::Number(item));
            return true;
        }
    }
    if (name == u"font-family") {
        Values(values).FontFamilies = value.toString();
        return false;
    }
    if (name == u"font-style") {
        Values(values).FontStyle = value.toString();
        return false;
    }
    QString* field = name == u"font-weight"      ? &Values(values).FontWeight
                     : name == u"text-anchor"    ? &Values(values).TextAnchor
                     : name == u"letter-spacing" ? &Values(values).LetterSpacing
                     : name == u"word-spacing"   ? &Values(values).WordSpacing
                     : name == u"xml:space"      ? &Values(values).XmlSpace
                     : name == u"direction"      ? &Values(values).Direction
                                                 : nullptr;
    if (!field)
        return false;
    *field = value.toString();
    return true;
}
