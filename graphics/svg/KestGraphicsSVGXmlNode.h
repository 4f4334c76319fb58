#pragma once
// The XML document as the SVG engine reads it: elements with their
// attributes in document order, and text nodes. Read with Qt's stream
// reader straight into this tree, so reading stays linear in the document
// and refuses what a hostile document could use: nesting deeper than
// MaxDepth, external entities and entity expansion past Qt's limit.

#include "graphics/svg/KestGraphicsSVGTypes.h"

#include <QString>
#include <memory>
#include <utility>
#include <vector>

#pragma GCC visibility push(default)

class TKestGraphicsSVGXmlNode {
public:
    static constexpr int MaxDepth = 1000;
    // The name a text node reports.
    static inline const QString TextName = QStringLiteral("#text");

    // The document element; raises EKestGraphicsSVGError for a document
    // that is not well-formed or is refused.
    static std::unique_ptr<TKestGraphicsSVGXmlNode> Read(const QString& text);

    const QString& Name() const { return FName; }
    bool IsText() const { return FIsText; }
    // A text node's characters; for an element, the text of its text
    // children joined.
    QString Text() const;
    const std::vector<std::unique_ptr<TKestGraphicsSVGXmlNode>>& Children() const { return FChildren; }
    const std::vector<std::pair<QString, QString>>& Attributes() const { return FAttributes; }
    // The value of the attribute of that exact name; null when absent.
    QString Attribute(const QString& name) const;
    bool HasAttribute(const QString& name) const;

private:
    QString FName;
    bool FIsText = false;
    QString FText;
    std::vector<std::pair<QString, QString>> FAttributes;
    std::vector<std::unique_ptr<TKestGraphicsSVGXmlNode>> FChildren;
};

#pragma GCC visibility pop
