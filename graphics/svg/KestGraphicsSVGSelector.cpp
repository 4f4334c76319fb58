#include "graphics/svg/KestGraphicsSVGSelector_p.h"

#include "graphics/svg/KestGraphicsSVGStyleSheet.h"
#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QStringList>
#include <algorithm>

namespace {

bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == u'-' || c == u'_' || c.unicode() > 127; }

QString ReadName(QStringView text, qsizetype& pos)
{
    const qsizetype start = pos;
    while (pos < text.size() && IsNameChar(text[pos]))
        ++pos;
    return text.mid(start, pos - start).toString();
}

// "[name]" or "[name=value]" with the value bare or quoted; pos is past "[".
bool ReadAttribute(QStringView text, qsizetype& pos, TKestGraphicsSVGSelector::TCompound& compound)
{
    const qsizetype close = text.indexOf(u']', pos);
    if (close < 0)
        return false;
    const QStringView inside = text.mid(pos, close - pos).trimmed();
    pos = close + 1;
    const qsizetype equals = inside.indexOf(u'=');
    const QString name = (equals < 0 ? inside : inside.left(equals)).trimmed().toString();
    if (name.isEmpty() || std::any_of(name.begin(), name.end(), [](QChar c) { return !IsNameChar(c) && c != u':'; }))
        return false;
    QString value;
    if (equals >= 0) {
        value = inside.mid(equals + 1).trimmed().toString();
        if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front())
            value = value.mid(1, value.size() - 2);
    }
    compound.Attributes.emplace_back(name, value);
    compound.Valued.push_back(equals >= 0);
    return true;
}

bool ReadCompound(QStringView text, qsizetype& pos, TKestGraphicsSVGSelector::TCompound& compound)
{
    const qsizetype start = pos;
    if (pos < text.size() && text[pos] == u'*') {
        compound.Type = QStringLiteral("*");
        ++pos;
    } else {
        compound.Type = ReadName(text, pos);
    }
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (c == u'#' || c == u'.') {
            ++pos;
            const QString name = ReadName(text, pos);
            if (name.isEmpty())
                return false;
            (c == u'#' ? compound.IDs : compound.Classes).append(name);
        } else if (c == u'[') {
            ++pos;
            if (!ReadAttribute(text, pos, compound))
                return false;
        } else if (c == u':') {
            ++pos;
            if (ReadName(text, pos) != QLatin1String("first-child"))
                return false;
            compound.FirstChild = true;
        } else {
            break;
        }
    }
    return pos > start;
}

int SpecificityOf(const TKestGraphicsSVGSelector::TCompound& compound)
{
    const int types = compound.Type.isEmpty() || compound.Type == QLatin1String("*") ? 0 : 1;
    return int(compound.IDs.size()) * 10000
           + int(compound.Classes.size() + compound.Attributes.size() + (compound.FirstChild ? 1 : 0)) * 100 + types;
}

bool Matches(const TKestGraphicsSVGSelector::TCompound& compound, const TKestGraphicsSVGSelector::TPlace& place)
{
    const TKestGraphicsSVGXmlNode& node = *place.Node;
    if (!compound.Type.isEmpty() && compound.Type != QLatin1String("*") && compound.Type != node.Name())
        return false;
    if (compound.FirstChild && !place.First)
        return false;
    for (const QString& id : compound.IDs)
        if (node.Attribute(QStringLiteral("id")) != id)
            return false;
    const QStringList classes = node.Attribute(QStringLiteral("class")).split(u' ', Qt::SkipEmptyParts);
    for (const QString& name : compound.Classes)
        if (!classes.contains(name))
            return false;
    for (size_t i = 0; i < compound.Attributes.size(); ++i) {
        const QString value = node.Attribute(compound.Attributes[i].first);
        if (value.isNull() || (compound.Valued[i] && value != compound.Attributes[i].second))
            return false;
    }
    return true;
}

// Right to left: the last compound on the element, each one before it on a
// parent (child combinator) or on some ancestor (descendant combinator).
// Descendant steps take the nearest ancestor that matches, which suffices
// for the selectors style sheets of drawings use.
bool MatchesPath(const TKestGraphicsSVGSelector::TRule& rule, const std::vector<TKestGraphicsSVGSelector::TPlace>& path)
{
    qsizetype at = qsizetype(path.size()) - 1;
    qsizetype index = qsizetype(rule.Compounds.size()) - 1;
    if (at < 0 || !Matches(rule.Compounds[size_t(index)], path[size_t(at)]))
        return false;
    for (; index > 0; --index) {
        const QChar combinator = rule.Compounds[size_t(index)].Combinator;
        const auto& compound = rule.Compounds[size_t(index - 1)];
        --at;
        if (combinator == u'>') {
            if (at < 0 || !Matches(compound, path[size_t(at)]))
                return false;
            continue;
        }
        while (at >= 0 && !Matches(compound, path[size_t(at)]))
            --at;
        if (at < 0)
            return false;
    }
    return true;
}

}

bool TKestGraphicsSVGSelector::ReadSelector(QStringView text, TRule& rule)
{
    text = text.trimmed();
    qsizetype pos = 0;
    QChar combinator = u' ';
    while (pos < text.size()) {
        TCompound compound;
        compound.Combinator = combinator;
        if (!ReadCompound(text, pos, compound))
            return false;
        rule.Specificity += SpecificityOf(compound);
        rule.Compounds.push_back(std::move(compound));
        combinator = u' ';
        while (pos < text.size() && (text[pos].isSpace() || text[pos] == u'>')) {
            if (text[pos] == u'>')
                combinator = u'>';
            ++pos;
        }
    }
    return !rule.Compounds.empty();
}

void TKestGraphicsSVGSelector::Parse(QStringView sheet, std::vector<TRule>& rules)
{
    for (const auto& [selectors, declarations] : TKestGraphicsSVGStyleSheet::Blocks(sheet)) {
        for (QStringView selector : QStringView(selectors).split(u',')) {
            selector = selector.trimmed();
            if (!TKestGraphicsSVGStyleSheet::ClassOf(selector).isEmpty())
                continue;
            TRule rule;
            if (!ReadSelector(selector, rule))
                continue;
            rule.Order = int(rules.size());
            rule.Declarations = declarations;
            rules.push_back(std::move(rule));
        }
    }
}

std::vector<const TKestGraphicsSVGSelector::TRule*> TKestGraphicsSVGSelector::Matching(
    const std::vector<TRule>& rules, const std::vector<TPlace>& path)
{
    std::vector<const TRule*> matching;
    for (const TRule& rule : rules)
        if (MatchesPath(rule, path))
            matching.push_back(&rule);
    std::stable_sort(matching.begin(), matching.end(),
                     [](const TRule* a, const TRule* b) { return a->Specificity < b->Specificity; });
    return matching;
}
