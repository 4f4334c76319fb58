#pragma once
// Builds the element tree from the XML tree: element kinds, geometry,
// transforms, presentation, style rules, paths, images and text. Gradients,
// patterns and clip paths are listed for reference resolution; style rules
// and the content of "defs" go to the defs list. Elements drawn directly
// register their bounds, which give the view rectangle of a document that
// states none.

#include "graphics/GraphicsMatrix.h"
#include "graphics/svg/KestGraphicsSVGSelector_p.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QHash>
#include <QString>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;
class TKestGraphicsSVGXmlNode;

struct TKestGraphicsSVGDocumentLists {
    TKestGraphicsSVGElementClassList& ElementClassList;
    TKestGraphicsSVGElementClassList& ElementPatternList;
    TKestGraphicsSVGElementClassList& ElementClipPathList;
    TKestGraphicsSVGElementList& ElementList;
    TKestGraphicsSVGElementList& DefsList;
};

class TKestGraphicsSVGParser {
public:
    // Relative image file names are looked up in baseFolder (may be empty).
    TKestGraphicsSVGParser(const TKestGraphicsSVGDocumentLists& lists, QString baseFolder);

    // The children of the document element into the element list.
    void ParseDocument(const TKestGraphicsSVGXmlNode& root);
    // The union of the registered bounds; false when nothing registered.
    bool Bounds(TRectF& bounds) const;

    static TKestGraphicsSVGElementType KindOf(const QString& name);

private:
    // The context a child list is parsed in.
    struct TContext {
        TKestGraphicsSVGElement* Parent = nullptr;
        bool Drawing = true;
        // The matrices of the ancestors that move their content, nearest
        // first, as one matrix.
        TKestGraphicsMatrix Ancestors = MatrixIdentity();
        // The size percentages of the nearest viewport refer to.
        float ViewWidth = 100;
        float ViewHeight = 100;
    };
    // Copies a use makes in the whole document, so nested uses that multiply
    // (each drawing the one before ten times) stay bounded.
    static constexpr int MaxUseCopies = 100000;
    // Uses drawn inside uses at most; deeper ones draw nothing, so parsing
    // never recurses without bound.
    static constexpr size_t MaxUseDepth = 64;

    void ParseChildren(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list, const TContext& context);
    void ParseNode(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list, const TContext& context,
                   bool first = false);
    void ParseKind(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list, const TContext& context);
    void ApplySelectorRules(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element);
    void ParseUse(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list, const TContext& context);
    // A nested svg (or a symbol or svg a use draws, with the use's size).
    void ParseViewport(const TKestGraphicsSVGXmlNode& node, const TKestGraphicsSVGXmlNode* use,
                       TKestGraphicsSVGElementList& list, const TContext& context);
    void ClipToViewport(TKestGraphicsSVGElement& group, const TKestGraphicsMatrix& fit, float width, float height);
    // The use draws, directly or through other uses, an element it stands in.
    bool IsCyclic(const TKestGraphicsSVGXmlNode& use);
    bool DrawsCycle(const TKestGraphicsSVGXmlNode& target, size_t depth);
    static bool NeedsRootGroup(const TKestGraphicsSVGXmlNode& root);
    void ParseRootGroup(const TKestGraphicsSVGXmlNode& root, const TContext& context);
    void IndexIDs(const TKestGraphicsSVGXmlNode& root);
    TKestGraphicsSVGElement& AddContainer(TKestGraphicsSVGElementList& list, const TContext& context);
    void ParseElement(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementType kind,
                      TKestGraphicsSVGElementList& list, const TContext& context);
    void ReadGeometry(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element, const TContext& context);
    static void ReadEllipseRadii(bool hasRx, bool hasRy, TKestGraphicsSVGElement& element);
    void ReadPresentation(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element);
    void ReadContent(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element, const TContext& context);
    void ReadPoints(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element, const TContext& context);
    void ReadPathData(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element, const TContext& context);
    void ReadText(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element, const TContext& context);
    void ReadStyleSheet(const TKestGraphicsSVGXmlNode& node);
    void RegisterPaths(TKestGraphicsSVGElement& element, const TContext& context);
    void Register(const TRectF& rect, const TContext& context);

    TKestGraphicsSVGDocumentLists FLists;
    QString FBaseFolder;
    bool FHasBounds = false;
    TRectF FBounds;
    // Elements by id, first in document order; a use finds what it draws here.
    QHash<QString, const TKestGraphicsSVGXmlNode*> FByID;
    // The elements uses are drawing now, outermost first: one met again is a cycle.
    std::vector<const TKestGraphicsSVGXmlNode*> FUsed;
    int FUseCopies = 0;
    // The rules of every style sheet that select by more than a class.
    std::vector<TKestGraphicsSVGSelector::TRule> FSelectorRules;
    // The element being parsed and its ancestors, outermost first.
    std::vector<TKestGraphicsSVGSelector::TPlace> FPath;
    // Per element a use draws: 1 while it is being checked, 2 without cycle, 3 with one.
    QHash<const TKestGraphicsSVGXmlNode*, int> FCycleState;
};

#pragma GCC visibility pop
