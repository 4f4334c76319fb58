#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QXmlStreamReader>

namespace {

const QLatin1String SVGNamespace("http://www.w3.org/2000/svg");

// The namespace prefixes the open elements declare, innermost last. An
// element of the SVG namespace, or of none, is named by its local name; one
// of another namespace by "{namespace}name", which no SVG kind matches.
class TNamespaces {
public:
    void Open(const QXmlStreamAttributes& attributes, int depth)
    {
        for (const QXmlStreamAttribute& attribute : attributes) {
            const QStringView name = attribute.qualifiedName();
            if (name == QLatin1String("xmlns"))
                FDeclared.push_back({depth, QString(), attribute.value().toString()});
            else if (name.startsWith(QLatin1String("xmlns:")))
                FDeclared.push_back({depth, name.mid(6).toString(), attribute.value().toString()});
        }
    }
    void Close(int depth)
    {
        while (!FDeclared.empty() && FDeclared.back().Depth >= depth)
            FDeclared.pop_back();
    }
    QString ElementName(QStringView qualified) const
    {
        const qsizetype colon = qualified.indexOf(u':');
        const QStringView prefix = colon < 0 ? QStringView() : qualified.left(colon);
        const QStringView local = qualified.mid(colon + 1);
        for (auto it = FDeclared.rbegin(); it != FDeclared.rend(); ++it) {
            if (it->Prefix != prefix)
                continue;
            if (it->URI.isEmpty() || it->URI == SVGNamespace)
                return local.toString();
            return u'{' + it->URI + u'}' + local.toString();
        }
        // An undeclared prefix keeps the name as written; no prefix means no namespace.
        return colon < 0 ? local.toString() : qualified.toString();
    }

private:
    struct TDeclaration {
        int Depth;
        QString Prefix;
        QString URI;
    };
    std::vector<TDeclaration> FDeclared;
};

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
    TNamespaces namespaces;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::DTD:
            CheckDeclarations(reader);
            break;
        case QXmlStreamReader::StartElement: {
            if (int(open.size()) >= MaxDepth)
                throw EKestGraphicsSVGError(Exception::Format(QString::fromLatin1(KestSVGMessages::TooDeep), MaxDepth));
            auto node = std::make_unique<TKestGraphicsSVGXmlNode>();
            const QXmlStreamAttributes attributes = reader.attributes();
            namespaces.Open(attributes, int(open.size()));
            node->FName = namespaces.ElementName(reader.qualifiedName());
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
            namespaces.Close(int(open.size()));
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
