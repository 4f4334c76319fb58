#pragma once
// Builds the element tree from the XML tree: element kinds, geometry,
// transforms, presentation, style rules, paths, images and text. Gradients,
// patterns and clip paths are listed for reference resolution; style rules
// and the content of "defs" go to the defs list. Elements drawn directly
// register their bounds, which give the view rectangle of a document that
// states none.

#include "graphics/GraphicsMatrix.h"
#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QString>
#include <memory>

#pragma GCC visibility push(default)

class TKestGraphicsSVGElement;
class TKestGraphicsSVGXmlNode;

struct TKestGraphicsSVGDocumentLists {
    TKestGraphicsSVGElementClassList& ElementClassList;
    TKestGraphicsSVGElementClassList& ElementPatternList;
    TKestGraphicsSVGElementClassList& ElementClipPathList;
    TKestGraphicsSVGElementList& ElementList;
    TKestGraphicsSVGElementList& DefsList;
    std::unique_ptr<TKestGraphicsSVGElement>& RootStyle;
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
    };

    // The document element's presentation, as the parent of the top level.
    TKestGraphicsSVGElement* ParseRootStyle(const TKestGraphicsSVGXmlNode& root);
    void ParseChildren(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list, const TContext& context);
    void ParseElement(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementType kind,
                      TKestGraphicsSVGElementList& list, const TContext& context);
    void ReadGeometry(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element);
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
};

#pragma GCC visibility pop
