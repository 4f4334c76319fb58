#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QXmlStreamReader>

namespace {

[[noreturn]] void Refuse(const QXmlStreamReader& reader, const QString& why)
{
    throw EKestGraphicsSVGError(Exception::Format(QString::fromLatin1(KestSVGMessages::XmlError),
                                                  int(reader.lineNumber()), int(reader.columnNumber()), why));
}

void CheckDeclarations(const QXmlStreamReader& reader)
{
    for (const QXmlStreamEntityDeclaration& entity : reader.entityDeclarations())
        if (!entity.systemId().isEmpty() || !entity.publicId().isEmpty())
            throw EKestGraphicsSVGError(
                Exception::Format(QString::fromLatin1(KestSVGMessages::ExternalEntity), entity.name().toString()));
}

}

QString TKestGraphicsSVGXmlNode::Text() const
{
    if (FIsText)
        return FText;
    QString text;
    for (const auto& child : FChildren)
        if (child->FIsText)
            text += child->FText;
    return text;
}

QString TKestGraphicsSVGXmlNode::Attribute(const QString& name) const
{
    for (const auto& [key, value] : FAttributes)
        if (key == name)
            return value;
    return QString();
}

bool TKestGraphicsSVGXmlNode::HasAttribute(const QString& name) const
{
    for (const auto& attribute : FAttributes)
        if (attribute.first == name)
            return true;
    return false;
}

std::unique_ptr<TKestGraphicsSVGXmlNode> TKestGraphicsSVGXmlNode::Read(const QString& text)
{
    QXmlStreamReader reader(text);
    // Names stay as written ("xlink:href"), whether or not a prefix is
    // declared, as the engine matches them exactly.
    reader.setNamespaceProcessing(false);
    std::unique_ptr<TKestGraphicsSVGXmlNode> root;
    // The open elements, innermost last; they are owned by root.
    std::vector<TKestGraphicsSVGXmlNode*> open;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            CheckDeclarations(reader);
            break;
        case QXmlStreamReader::StartElement: {
            if (int(open.size()) >= MaxDepth)
                throw EKestGraphicsSVGError(Exception::Format(QString::fromLatin1(KestSVGMessages::TooDeep), MaxDepth));
            auto node = std::make_unique<TKestGraphicsSVGXmlNode>();
            node->FName = reader.qualifiedName().toString();
            const QXmlStreamAttributes attributes = reader.attributes();
            node->FAttributes.reserve(size_t(attributes.size()));
            for (const QXmlStreamAttribute& attribute : attributes)
                node->FAttributes.emplace_back(attribute.qualifiedName().toString(), attribute.value().toString());
            TKestGraphicsSVGXmlNode* raw = node.get();
            if (open.empty())
                root = std::move(node);
            else
                open.back()->FChildren.push_back(std::move(node));
            open.push_back(raw);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!open.empty())
                open.pop_back();
            break;
        case QXmlStreamReader::Characters: {
            if (open.empty())
                break;
            auto& children = open.back()->FChildren;
            // Entity references split one run of text into several tokens.
            if (!children.empty() && children.back()->FIsText) {
                children.back()->FText += reader.text();
                break;
            }
            auto node = std::make_unique<TKestGraphicsSVGXmlNode>();
            node->FName = TextName;
            node->FIsText = true;
            node->FText = reader.text().toString();
            children.push_back(std::move(node));
            break;
        }
        case QXmlStreamReader::EntityReference:
            throw EKestGraphicsSVGError(
                Exception::Format(QString::fromLatin1(KestSVGMessages::UnresolvedEntity), reader.name().toString()));
        default:
            break;
        }
    }
    if (reader.hasError())
        Refuse(reader, reader.errorString());
    if (!root)
        Refuse(reader, QStringLiteral("no document element"));
    return root;
}
