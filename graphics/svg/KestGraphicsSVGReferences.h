#pragma once
// Resolves, after parsing, the references elements make by name: fill and
// stroke "url(#id)" to gradients and patterns, "href" between gradients,
// "clip-path" to the shape of a clip path, and classes to their style
// rules. Lookups go through hash tables, so resolving is linear.

#include "graphics/svg/KestGraphicsSVGParser.h"

#include <QHash>
#include <QMultiHash>
#include <QSet>

#pragma GCC visibility push(default)

class TKestGraphicsSVGReferences {
public:
    static void Resolve(const TKestGraphicsSVGDocumentLists& lists);

private:
    using TByName = QHash<QString, TKestGraphicsSVGElement*>;

    explicit TKestGraphicsSVGReferences(const TKestGraphicsSVGDocumentLists& lists) : FLists(lists) {}
    void ResolvePaints();
    void ResolveGradientLinks();
    void IndexDefs();
    void MatchWithDefs(TKestGraphicsSVGElement& element);

    const TKestGraphicsSVGDocumentLists& FLists;
    TByName FDefsByClass;
    TByName FDefsByID;
    TByName FDefsGradientByID;
    QMultiHash<QString, TKestGraphicsSVGElement*> FDefsByURLRef;
    QMultiHash<QString, TKestGraphicsSVGElement*> FDefsByClipRef;
    // An element is matched once, however many of its ancestors lead to it.
    QSet<const TKestGraphicsSVGElement*> FMatched;
};

#pragma GCC visibility pop
