#include "graphics/svg/KestGraphicsSVGParser.h"

#include "graphics/svg/KestGraphicsSVGDeclarations.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImage.h"
#include "graphics/svg/KestGraphicsSVGPathData.h"
#include "graphics/svg/KestGraphicsSVGStyleSheet.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGValues.h"
#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QHash>
#include <algorithm>

namespace {

bool MovesContent(TKestGraphicsSVGElementType kind)
{
    return kind == etContainer || kind == etText || kind == etTextSpan || kind == etTextPath;
}

bool IsText(TKestGraphicsSVGElementType kind)
{
    return kind == etText || kind == etTextSpan || kind == etTextSpanChild || kind == etTextPath;
}

// Inside text every text node counts, spaces only too: they separate the
// words of neighbouring spans.
bool KeepsText(const TKestGraphicsSVGElement* parent) { return parent && IsText(parent->Type()); }

TRectF Normalized(float x1, float y1, float x2, float y2)
{
    return TRectF(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

}

TKestGraphicsSVGParser::TKestGraphicsSVGParser(const TKestGraphicsSVGDocumentLists& lists, QString baseFolder)
    : FLists(lists), FBaseFolder(std::move(baseFolder))
{
}

TKestGraphicsSVGElementType TKestGraphicsSVGParser::KindOf(const QString& name)
{
    static const QHash<QString, TKestGraphicsSVGElementType> kinds = {
        {QStringLiteral("g"), etContainer},
        {QStringLiteral("switch"), etSwitch},
        {QStringLiteral("defs"), etDefs},
        {QStringLiteral("stop"), etStop},
        {QStringLiteral("style"), etStyle},
        {QStringLiteral("pattern"), etPattern},
        {QStringLiteral("use"), etUse},
        {QStringLiteral("rect"), etRect},
        {QStringLiteral("line"), etLine},
        {QStringLiteral("polyline"), etPolyline},
        {QStringLiteral("polygon"), etPolygon},
        {QStringLiteral("circle"), etCircle},
        {QStringLiteral("ellipse"), etEllipse},
        {QStringLiteral("path"), etPath},
        {QStringLiteral("image"), etImage},
        {QStringLiteral("text"), etText},
        {QStringLiteral("tspan"), etTextSpan},
        {QStringLiteral("#text"), etTextSpanChild},
        {QStringLiteral("textPath"), etTextPath},
        {QStringLiteral("clipPath"), etClipPath},
        {QStringLiteral("linearGradient"), etLinearGradient},
        {QStringLiteral("radialGradient"), etRadialGradient},
    };
    return kinds.value(name, etUnknown);
}

void TKestGraphicsSVGParser::ParseDocument(const TKestGraphicsSVGXmlNode& root)
{
    TContext context;
    context.Parent = ParseRootStyle(root);
    ParseChildren(root, FLists.ElementList, context);
}

TKestGraphicsSVGElement* TKestGraphicsSVGParser::ParseRootStyle(const TKestGraphicsSVGXmlNode& root)
{
    // What the document element gives (font, fill, ...) is inherited by
    // everything in it; its names and references are not a style's.
    auto style = std::make_unique<TKestGraphicsSVGElement>();
    if (root.HasAttribute(QStringLiteral("style")))
        TKestGraphicsSVGDeclarations::ApplyList(*style, root.Attribute(QStringLiteral("style")));
    for (const auto& [name, value] : root.Attributes())
        TKestGraphicsSVGDeclarations::Apply(*style, name, value);
    style->FID.clear();
    style->FClassRefID.clear();
    style->FURLRefID.clear();
    style->FClipPathRefID.clear();
    style->FHRefID.clear();
    FLists.RootStyle = std::move(style);
    return FLists.RootStyle.get();
}

bool TKestGraphicsSVGParser::Bounds(TRectF& bounds) const
{
    if (FHasBounds)
        bounds = FBounds;
    return FHasBounds;
}

void TKestGraphicsSVGParser::ParseChildren(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list,
                                           const TContext& context)
{
    for (const auto& child : node.Children()) {
        const TKestGraphicsSVGElementType kind = KindOf(child->Name());
        if (kind == etUnknown || (child->IsText() && child->Text().trimmed().isEmpty() && !KeepsText(context.Parent)))
            continue;
        switch (kind) {
        case etSwitch:
        case etUse:
            break;
        case etDefs:
            ParseChildren(*child, FLists.DefsList, TContext{nullptr, false, MatrixIdentity()});
            break;
        case etStyle:
            for (auto& rule : TKestGraphicsSVGStyleSheet::Parse(child->Text()))
                FLists.DefsList.push_back(std::move(rule));
            break;
        default:
            ParseElement(*child, kind, list, context);
        }
    }
}

void TKestGraphicsSVGParser::ParseElement(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementType kind,
                                          TKestGraphicsSVGElementList& list, const TContext& context)
{
    list.push_back(std::make_unique<TKestGraphicsSVGElement>());
    TKestGraphicsSVGElement& element = *list.back();
    element.FType = kind;
    element.FParent = context.Parent;
    if (node.HasAttribute(QStringLiteral("transform")))
        element.FMatrix = TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("transform")));
    if (node.HasAttribute(QStringLiteral("gradientTransform")))
        element.FGradientMatrix = TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("gradientTransform")));
    ReadGeometry(node, element);
    ReadPresentation(node, element);
    ReadContent(node, element, context);
}

void TKestGraphicsSVGParser::ReadGeometry(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element)
{
    auto length = [&node](const char* name, float& field) {
        const QString value = node.Attribute(QLatin1String(name));
        if (!value.isNull())
            field = TKestGraphicsSVGValues::Length(value);
        return !value.isNull();
    };
    switch (element.FType) {
    case etCircle:
        length("cx", element.FXV);
        length("cy", element.FYV);
        if (length("r", element.FRx))
            element.FRy = element.FRx;
        break;
    case etEllipse:
        length("cx", element.FXV);
        length("cy", element.FYV);
        length("rx", element.FRx);
        length("ry", element.FRy);
        break;
    case etLine:
    case etLinearGradient:
        length("x1", element.FXV);
        length("y1", element.FYV);
        length("x2", element.FWidth);
        length("y2", element.FHeight);
        break;
    case etRadialGradient:
        element.FHasCX = length("cx", element.FCX);
        element.FHasCY = length("cy", element.FCY);
        break;
    default:
        length("x", element.FXV);
        length("y", element.FYV);
        length("width", element.FWidth);
        length("height", element.FHeight);
        length("rx", element.FRx);
        length("ry", element.FRy);
    }
}

void TKestGraphicsSVGParser::ReadPresentation(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element)
{
    // The style attribute first, then every attribute, so an attribute
    // given both ways wins.
    if (node.HasAttribute(QStringLiteral("style")))
        TKestGraphicsSVGDeclarations::ApplyList(element, node.Attribute(QStringLiteral("style")));
    for (const auto& [name, value] : node.Attributes())
        TKestGraphicsSVGDeclarations::Apply(element, name, value);
    const TKestGraphicsSVGElementType parentKind = element.FParent ? element.FParent->FType : etContainer;
    const bool inPaint = parentKind == etLinearGradient || parentKind == etRadialGradient || parentKind == etPattern;
    if (!element.FClassRefID.isEmpty() && !inPaint)
        FLists.ElementClassList.push_back(&element);
}

void TKestGraphicsSVGParser::ReadContent(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element,
                                         const TContext& context)
{
    TContext inner{&element, context.Drawing,
                   MovesContent(element.FType) ? element.FMatrix * context.Ancestors : MatrixIdentity()};
    switch (element.FType) {
    case etContainer:
        ParseChildren(node, element.Elements(), inner);
        break;
    case etClipPath:
    case etLinearGradient:
    case etRadialGradient:
    case etPattern:
        inner.Drawing = false;
        ParseChildren(node, element.Elements(), inner);
        (element.FType == etClipPath ? FLists.ElementClipPathList : FLists.ElementPatternList).push_back(&element);
        break;
    case etRect:
        if (context.Drawing)
            Register(Normalized(element.FXV, element.FYV, element.FXV + element.FWidth, element.FYV + element.FHeight),
                     context);
        break;
    case etLine:
        if (context.Drawing)
            Register(Normalized(element.FXV, element.FYV, element.FWidth, element.FHeight), context);
        break;
    case etCircle:
    case etEllipse:
        if (context.Drawing)
            Register(Normalized(element.FXV - element.FRx, element.FYV - element.FRy, element.FXV + element.FRx,
                                element.FYV + element.FRy),
                     context);
        break;
    case etPolyline:
    case etPolygon:
        ReadPoints(node, element, context);
        break;
    case etPath:
        ReadPathData(node, element, context);
        break;
    case etImage: {
        QString reference = node.Attribute(QStringLiteral("xlink:href"));
        if (reference.isNull())
            reference = node.Attribute(QStringLiteral("href"));
        TKestGraphicsSVGImage::Load(element, reference, FBaseFolder);
        if (context.Drawing)
            Register(Normalized(element.FXV, element.FYV, element.FXV + element.FWidth, element.FYV + element.FHeight),
                     context);
        break;
    }
    default:
        if (IsText(element.FType))
            ReadText(node, element, inner);
        break;
    }
}

void TKestGraphicsSVGParser::ReadPoints(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element,
                                        const TContext& context)
{
    const std::vector<float> numbers = TKestGraphicsSVGPathData::Numbers(node.Attribute(QStringLiteral("points")));
    if (numbers.empty() || numbers.size() % 2 != 0)
        return;
    auto path = std::make_unique<TKestGraphicsPath>();
    path->MoveTo(TPointF(numbers[0], numbers[1]));
    for (size_t i = 2; i < numbers.size(); i += 2)
        path->LineTo(TPointF(numbers[i], numbers[i + 1]));
    if (element.FType == etPolygon)
        path->ClosePath();
    element.Paths().push_back(std::move(path));
    RegisterPaths(element, context);
}

void TKestGraphicsSVGParser::ReadPathData(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element,
                                          const TContext& context)
{
    TKestGraphicsSVGPathData::Parse(node.Attribute(QStringLiteral("d")), element.Paths());
    RegisterPaths(element, context);
}

void TKestGraphicsSVGParser::RegisterPaths(TKestGraphicsSVGElement& element, const TContext& context)
{
    const bool transformed = !(element.FMatrix == MatrixIdentity());
    for (const auto& path : element.Paths()) {
        if (transformed)
            path->ApplyMatrix(element.FMatrix);
        if (context.Drawing && path->Count() > 0)
            Register(path->GetBounds(), context);
    }
}

void TKestGraphicsSVGParser::ReadText(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element,
                                      const TContext& inner)
{
    // The text as written: white space is handled when the text is laid
    // out, where xml:space and the neighbouring spans are known.
    if (node.IsText()) {
        element.FText = node.Text();
        return;
    }
    const auto& children = node.Children();
    if (element.FType == etText && children.size() == 1 && children.front()->IsText()) {
        element.FText = children.front()->Text();
        return;
    }
    TContext drawing = inner;
    drawing.Drawing = true;
    ParseChildren(node, element.Elements(), drawing);
}

void TKestGraphicsSVGParser::Register(const TRectF& rect, const TContext& context)
{
    const TPointF corners[] = {TPointF(rect.Left, rect.Top), TPointF(rect.Right, rect.Top),
                               TPointF(rect.Left, rect.Bottom), TPointF(rect.Right, rect.Bottom)};
    for (const TPointF& corner : corners) {
        const TPointF p = corner * context.Ancestors;
        if (!FHasBounds) {
            FBounds = TRectF(p.X, p.Y, p.X, p.Y);
            FHasBounds = true;
            continue;
        }
        FBounds.Left = std::min(FBounds.Left, p.X);
        FBounds.Top = std::min(FBounds.Top, p.Y);
        FBounds.Right = std::max(FBounds.Right, p.X);
        FBounds.Bottom = std::max(FBounds.Bottom, p.Y);
    }
}
