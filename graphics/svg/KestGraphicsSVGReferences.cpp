#include "graphics/svg/KestGraphicsSVGReferences.h"

#include "graphics/svg/KestGraphicsSVGElement.h"

namespace {

using TElements = std::vector<TKestGraphicsSVGElement*>;

bool IsGradient(const TKestGraphicsSVGElement& element)
{
    return element.Type() == etLinearGradient || element.Type() == etRadialGradient;
}

// Every element of the lists and of their subtrees, parents before children,
// without recursion.
TElements AllElements(std::initializer_list<const TKestGraphicsSVGElementList*> lists)
{
    TElements all;
    TElements stack;
    for (auto list = std::rbegin(lists); list != std::rend(lists); ++list)
        for (auto it = (*list)->rbegin(); it != (*list)->rend(); ++it)
            stack.push_back(it->get());
    while (!stack.empty()) {
        TKestGraphicsSVGElement* element = stack.back();
        stack.pop_back();
        all.push_back(element);
        if (element->HasElements())
            for (auto it = element->Elements().rbegin(); it != element->Elements().rend(); ++it)
                stack.push_back(it->get());
    }
    return all;
}

QHash<QString, TKestGraphicsSVGElement*> FirstByID(const TElements& elements, bool (*accept)(const TKestGraphicsSVGElement&))
{
    QHash<QString, TKestGraphicsSVGElement*> byID;
    for (TKestGraphicsSVGElement* element : elements)
        if (!element->ID().isEmpty() && accept(*element) && !byID.contains(element->ID()))
            byID.insert(element->ID(), element);
    return byID;
}

bool Any(const TKestGraphicsSVGElement&) { return true; }

// The shape a clip path clips with: its last child; a clip path without
// children stands for itself (it leaves nothing visible).
TKestGraphicsSVGElement* ClipShape(TKestGraphicsSVGElement* clipPath)
{
    if (!clipPath)
        return nullptr;
    if (!clipPath->HasElements() || clipPath->Elements().empty())
        return clipPath;
    return clipPath->Elements().back().get();
}

}

void TKestGraphicsSVGReferences::Resolve(const TKestGraphicsSVGDocumentLists& lists)
{
    TKestGraphicsSVGReferences references(lists);
    references.ResolvePaints();
    references.ResolveGradientLinks();
    references.IndexDefs();
    for (auto* list : {&lists.ElementPatternList, &lists.ElementClipPathList, &lists.ElementClassList})
        for (TKestGraphicsSVGElement* element : *list)
            references.MatchWithDefs(*element);
}

// Fill and stroke references to gradients and patterns, and clip-path
// references to clip paths, wherever the element stands.
void TKestGraphicsSVGReferences::ResolvePaints()
{
    const TElements patterns(FLists.ElementPatternList.begin(), FLists.ElementPatternList.end());
    const TElements clipPaths(FLists.ElementClipPathList.begin(), FLists.ElementClipPathList.end());
    const TByName patternByID = FirstByID(patterns, Any);
    const TByName clipPathByID = FirstByID(clipPaths, Any);
    for (TKestGraphicsSVGElement* element : AllElements({&FLists.ElementList, &FLists.DefsList})) {
        if (!element->FURLRefID.isEmpty())
            if (TKestGraphicsSVGElement* pattern = patternByID.value(element->FURLRefID))
                element->FPatternRef = pattern;
        if (!element->FClipPathRefID.isEmpty())
            if (TKestGraphicsSVGElement* shape = ClipShape(clipPathByID.value(element->FClipPathRefID)))
                element->FClipPathRef = shape;
    }
}

void TKestGraphicsSVGReferences::ResolveGradientLinks()
{
    const TElements patterns(FLists.ElementPatternList.begin(), FLists.ElementPatternList.end());
    const TByName gradientByID = FirstByID(patterns, IsGradient);
    for (TKestGraphicsSVGElement* element : patterns) {
        if (!IsGradient(*element) || element->FHRefID.isEmpty())
            continue;
        TKestGraphicsSVGElement* target = gradientByID.value(element->FHRefID);
        if (target && target != element)
            element->FHRefRef = target;
    }
}

void TKestGraphicsSVGReferences::IndexDefs()
{
    TElements top;
    for (const auto& element : FLists.DefsList) {
        top.push_back(element.get());
        if (!element->FClassRefID.isEmpty() && !FDefsByClass.contains(element->FClassRefID))
            FDefsByClass.insert(element->FClassRefID, element.get());
        if (!element->FURLRefID.isEmpty())
            FDefsByURLRef.insert(element->FURLRefID, element.get());
        if (!element->FClipPathRefID.isEmpty())
            FDefsByClipRef.insert(element->FClipPathRefID, element.get());
    }
    FDefsByID = FirstByID(top, Any);
    // A gradient is found among the defs elements and, inside one that is
    // not a gradient, among its descendants.
    FDefsGradientByID = FirstByID(AllElements({&FLists.DefsList}), IsGradient);
}

void TKestGraphicsSVGReferences::MatchWithDefs(TKestGraphicsSVGElement& element)
{
    if (FMatched.contains(&element))
        return;
    FMatched.insert(&element);
    if (!element.FClassRefID.isEmpty()) {
        if (TKestGraphicsSVGElement* rule = FDefsByClass.value(element.FClassRefID)) {
            if (!rule->FClipPathRefID.isEmpty())
                if (TKestGraphicsSVGElement* shape = ClipShape(FDefsByID.value(rule->FClipPathRefID)))
                    element.FClipPathRef = shape;
            if (!rule->FURLRefID.isEmpty())
                if (TKestGraphicsSVGElement* gradient = FDefsGradientByID.value(rule->FURLRefID))
                    element.FPatternRef = gradient;
            if (rule->FClipPathRefID.isEmpty() && rule->FURLRefID.isEmpty())
                element.FClassRef = rule;
            return;
        }
    }
    if (!element.FID.isEmpty()) {
        for (auto it = FDefsByURLRef.constFind(element.FID); it != FDefsByURLRef.cend() && it.key() == element.FID; ++it)
            it.value()->FPatternRef = &element;
        if (TKestGraphicsSVGElement* shape = ClipShape(&element))
            for (auto it = FDefsByClipRef.constFind(element.FID); it != FDefsByClipRef.cend() && it.key() == element.FID;
                 ++it)
                it.value()->FClipPathRef = shape;
    }
    if (element.HasElements())
        for (const auto& child : element.Elements())
            MatchWithDefs(*child);
}
