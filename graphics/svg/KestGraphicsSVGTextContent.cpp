#include "graphics/svg/KestGraphicsSVGTextContent.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "graphics/svg/KestGraphicsSVGTextFont.h"
#include "graphics/svg/KestGraphicsSVGTextValues.h"

#include <QString>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace {

// An element that carries position lists, and the characters it holds.
struct TRange {
    const TKestGraphicsSVGElement* Element;
    size_t Start;
    size_t End;
};

bool Preserves(const TKestGraphicsSVGElement& owner)
{
    return TKestGraphicsSVGTextFont::Inherited(owner, &TKestGraphicsSVGTextValues::XmlSpace)
           == QLatin1String("preserve");
}

// Preserved text turns line breaks and tabs into spaces; otherwise line
// breaks go, tabs become spaces and a space after a space (or at the very
// start) goes.
void Append(TKestGraphicsSVGTextCharacters& chars, const QString& text, const TKestGraphicsSVGElement& owner)
{
    const bool preserve = Preserves(owner);
    for (QChar c : text) {
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (lineBreak && !preserve)
            continue;
        if (lineBreak || c == u'\t')
            c = u' ';
        if (!preserve && c == u' ' && (chars.empty() || chars.back().Char == u' '))
            continue;
        TKestGraphicsSVGTextCharacter character;
        character.Char = c;
        character.Owner = &owner;
        chars.push_back(character);
    }
}

void TrimEnd(TKestGraphicsSVGTextCharacters& chars)
{
    while (!chars.empty() && chars.back().Char == u' ' && !Preserves(*chars.back().Owner))
        chars.pop_back();
}

bool Hidden(const TKestGraphicsSVGElement& element)
{
    return TKestGraphicsSVGRenderState::StyleSource(element).DisplayValue() == QLatin1String("none");
}

// The text and its spans in document order, with the characters each holds.
std::vector<TRange> Walk(const TKestGraphicsSVGElement& text, TKestGraphicsSVGTextCharacters& chars)
{
    std::vector<TRange> ranges;
    // Element and the range it opened (or none); its children follow it.
    struct TStep {
        const TKestGraphicsSVGElement* Element;
        size_t Child;
        size_t Range;
    };
    constexpr size_t NoRange = size_t(-1);
    std::vector<TStep> stack;
    auto enter = [&](const TKestGraphicsSVGElement& element) {
        if (Hidden(element))
            return;
        size_t range = NoRange;
        if (element.Type() == etText || element.Type() == etTextSpan) {
            range = ranges.size();
            ranges.push_back(TRange{&element, chars.size(), chars.size()});
        }
        if (!element.Text().isEmpty()) {
            const TKestGraphicsSVGElement* owner = &element;
            if (element.Type() == etTextSpanChild && element.Parent())
                owner = element.Parent();
            Append(chars, element.Text(), *owner);
        }
        stack.push_back(TStep{&element, 0, range});
    };
    enter(text);
    while (!stack.empty()) {
        TStep& step = stack.back();
        const auto& children = step.Element->Elements();
        if (step.Child < children.size()) {
            enter(*children[step.Child++]);
            continue;
        }
        if (step.Range != NoRange)
            ranges[step.Range].End = chars.size();
        stack.pop_back();
    }
    return ranges;
}

// Position values address code points; a cluster (a letter with its
// combining marks) is drawn as one, placed by its first.
void MarkClusters(TKestGraphicsSVGTextCharacters& chars)
{
    QString text;
    text.reserve(qsizetype(chars.size()));
    for (const auto& c : chars)
        text.append(c.Char);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype i = 1; i < text.size(); ++i) {
        finder.setPosition(i);
        chars[size_t(i)].Joined = !finder.isAtBoundary();
        chars[size_t(i)].Continuation = text[i].isLowSurrogate() && text[i - 1].isHighSurrogate();
    }
}

template <typename TSet>
void ForList(const std::vector<QString>& list, float fontSize, size_t index, TSet set)
{
    if (index < list.size())
        set(TKestGraphicsSVGTextFont::Length(list[index], fontSize));
}

// Each element's lists address its characters from its first one on; the
// spans inside come later in the walk and so override their ancestors.
void Place(TKestGraphicsSVGTextCharacters& chars, const std::vector<TRange>& ranges)
{
    for (const TRange& range : ranges) {
        const TKestGraphicsSVGTextValues* values = range.Element->TextValues();
        if (!values)
            continue;
        const float fontSize = TKestGraphicsSVGTextFont::Size(*range.Element);
        size_t index = 0;
        for (size_t i = range.Start; i < std::min(range.End, chars.size()); ++i) {
            TKestGraphicsSVGTextCharacter& c = chars[i];
            if (c.Continuation)
                continue;
            ForList(values->X, fontSize, index, [&c](float v) { c.X = v, c.HasX = true; });
            ForList(values->Y, fontSize, index, [&c](float v) { c.Y = v, c.HasY = true; });
            ForList(values->DX, fontSize, index, [&c](float v) { c.DX = v; });
            ForList(values->DY, fontSize, index, [&c](float v) { c.DY = v; });
            // The last angle serves the characters beyond the list.
            if (!values->Rotate.empty()) {
                c.Rotate = values->Rotate[std::min(index, values->Rotate.size() - 1)];
                c.HasRotate = true;
            }
            ++index;
        }
    }
}

}

TKestGraphicsSVGTextCharacters TKestGraphicsSVGTextContent::Collect(const TKestGraphicsSVGElement& text)
{
    TKestGraphicsSVGTextCharacters chars;
    const std::vector<TRange> ranges = Walk(text, chars);
    TrimEnd(chars);
    MarkClusters(chars);
    Place(chars, ranges);
    return chars;
}
