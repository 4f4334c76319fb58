#include "graphics/svg/KestGraphicsSVGParser.h"

#include "graphics/svg/KestGraphicsSVGDeclarations.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImage.h"
#include "graphics/svg/KestGraphicsSVGPathData.h"
#include "graphics/svg/KestGraphicsSVGStyleSheet.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGValues.h"
#include "graphics/svg/KestGraphicsSVGViewport_p.h"
#include "graphics/svg/KestGraphicsSVGXmlNode.h"

#include <QHash>
#include <algorithm>
#include <cmath>

namespace {

bool MovesContent(TKestGraphicsSVGElementType kind)
{
    return kind == etContainer || kind == etText || kind == etTextSpan || kind == etTextPath;
}

bool IsText(TKestGraphicsSVGElementType kind)
{
    return kind == etText || kind == etTextSpan || kind == etTextSpanChild || kind == etTextPath;
}

// Text as SVG shows it by default: line breaks dropped, tabs as spaces,
// runs of spaces as one.
QString CollapsedText(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c == u'\n' || c == u'\r')
            continue;
        if (c == u'\t')
            c = u' ';
        if (c == u' ' && (out.isEmpty() || out.back() == u' '))
            continue;
        out.append(c);
    }
    if (out.endsWith(u' '))
        out.chop(1);
    return out;
}

// A length; a percentage takes its share of reference.
float LengthOf(QStringView value, float reference)
{
    const float length = TKestGraphicsSVGValues::Length(value);
    return TKestGraphicsSVGValues::IsPercentage(value) ? length * reference / 100 : length;
}

// The reference of a percentage that is neither horizontal nor vertical (a radius).
float Diagonal(float width, float height) { return std::sqrt((width * width + height * height) / 2); }

// The "#name" of a use's reference (href wins over xlink:href); empty when it names no element here.
QString ReferencedID(const TKestGraphicsSVGXmlNode& node)
{
    QString reference = node.Attribute(QStringLiteral("href"));
    if (reference.isNull())
        reference = node.Attribute(QStringLiteral("xlink:href"));
    reference = reference.trimmed();
    return reference.startsWith(u'#') ? reference.mid(1) : QString();
}

// A style sheet of a type other than CSS is not read.
bool IsCSS(const TKestGraphicsSVGXmlNode& style)
{
    const QString type = style.Attribute(QStringLiteral("type")).trimmed();
    return type.isEmpty() || type == QLatin1String("text/css");
}

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
    IndexIDs(root);
    TContext context;
    TRectF view;
    if (TKestGraphicsSVGViewport::ReadViewBox(root.Attribute(QStringLiteral("viewBox")), view)) {
        context.ViewWidth = view.Width();
        context.ViewHeight = view.Height();
    } else {
        if (root.HasAttribute(QStringLiteral("width")))
            context.ViewWidth = TKestGraphicsSVGValues::Length(root.Attribute(QStringLiteral("width")));
        if (root.HasAttribute(QStringLiteral("height")))
            context.ViewHeight = TKestGraphicsSVGValues::Length(root.Attribute(QStringLiteral("height")));
    }
    FPath.push_back({&root, true});
    if (NeedsRootGroup(root))
        ParseRootGroup(root, context);
    else
        ParseChildren(root, FLists.ElementList, context);
    FPath.pop_back();
}

// The document element draws like a group when it gives presentation of its
// own (opacity, paint, clip path...) or fits its view box into its size.
bool TKestGraphicsSVGParser::NeedsRootGroup(const TKestGraphicsSVGXmlNode& root)
{
    static const QStringList structural = {QStringLiteral("id"), QStringLiteral("version"),
                                           QStringLiteral("baseProfile"), QStringLiteral("width"),
                                           QStringLiteral("height"), QStringLiteral("viewBox"),
                                           QStringLiteral("preserveAspectRatio"), QStringLiteral("x"),
                                           QStringLiteral("y"), QStringLiteral("class"), QStringLiteral("zoomAndPan")};
    TRectF viewBox, size;
    if (TKestGraphicsSVGViewport::FitsViewBox(root, viewBox, size))
        return true;
    for (const auto& [name, value] : root.Attributes())
        if (!structural.contains(name) && !name.startsWith(QLatin1String("xmlns")) && !name.startsWith(QLatin1String("xml:")))
            return true;
    return false;
}

void TKestGraphicsSVGParser::ParseRootGroup(const TKestGraphicsSVGXmlNode& root, const TContext& context)
{
    TKestGraphicsSVGElement& group = AddContainer(FLists.ElementList, context);
    TContext inner = context;
    TRectF viewBox, size;
    if (TKestGraphicsSVGViewport::FitsViewBox(root, viewBox, size)) {
        group.FMatrix = TKestGraphicsSVGViewport::ViewBoxMatrix(viewBox, size.Width(), size.Height(),
                                                                root.Attribute(QStringLiteral("preserveAspectRatio")));
        ClipToViewport(group, group.FMatrix, size.Width(), size.Height());
    }
    ReadPresentation(root, group);
    inner.Parent = &group;
    inner.Ancestors = group.FMatrix;
    ParseChildren(root, group.Elements(), inner);
}

void TKestGraphicsSVGParser::IndexIDs(const TKestGraphicsSVGXmlNode& root)
{
    std::vector<const TKestGraphicsSVGXmlNode*> stack{&root};
    while (!stack.empty()) {
        const TKestGraphicsSVGXmlNode* node = stack.back();
        stack.pop_back();
        if (node->Name() == QLatin1String("style") && IsCSS(*node))
            TKestGraphicsSVGSelector::Parse(node->Text(), FSelectorRules);
        const QString id = node->Attribute(QStringLiteral("id"));
        if (!id.isEmpty() && !FByID.contains(id))
            FByID.insert(id, node);
        for (auto it = node->Children().rbegin(); it != node->Children().rend(); ++it)
            stack.push_back(it->get());
    }
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
    bool first = true;
    for (const auto& child : node.Children()) {
        ParseNode(*child, list, context, first);
        first = first && child->IsText();
    }
}

void TKestGraphicsSVGParser::ParseNode(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list,
                                       const TContext& context, bool first)
{
    if (!FUsed.empty() && FUseCopies >= MaxUseCopies)
        return;
    FPath.push_back({&node, first});
    ParseKind(node, list, context);
    FPath.pop_back();
}

void TKestGraphicsSVGParser::ParseKind(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list,
                                       const TContext& context)
{
    if (node.Name() == QLatin1String("svg")) {
        ParseViewport(node, nullptr, list, context);
        return;
    }
    const TKestGraphicsSVGElementType kind = KindOf(node.Name());
    if (kind == etUnknown || (node.IsText() && node.Text().trimmed().isEmpty()))
        return;
    switch (kind) {
    case etSwitch:
        break;
    case etUse:
        ParseUse(node, list, context);
        break;
    case etDefs: {
        TContext defs = context;
        defs.Parent = nullptr;
        defs.Drawing = false;
        defs.Ancestors = MatrixIdentity();
        ParseChildren(node, FLists.DefsList, defs);
        break;
    }
    case etStyle:
        if (!IsCSS(node))
            break;
        for (auto& rule : TKestGraphicsSVGStyleSheet::Parse(node.Text()))
            FLists.DefsList.push_back(std::move(rule));
        break;
    default:
        ParseElement(node, kind, list, context);
    }
}

TKestGraphicsSVGElement& TKestGraphicsSVGParser::AddContainer(TKestGraphicsSVGElementList& list,
                                                              const TContext& context)
{
    if (!FUsed.empty())
        ++FUseCopies;
    list.push_back(std::make_unique<TKestGraphicsSVGElement>());
    TKestGraphicsSVGElement& element = *list.back();
    element.FType = etContainer;
    element.FParent = context.Parent;
    return element;
}

// A use draws a copy of the element it names inside a group of its own:
// moved by its x and y, then by its transform, its style inherited by the copy.
void TKestGraphicsSVGParser::ParseUse(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementList& list,
                                      const TContext& context)
{
    const TKestGraphicsSVGXmlNode* target = FByID.value(ReferencedID(node));
    if (!target || FUsed.size() >= MaxUseDepth || IsCyclic(node))
        return;
    TKestGraphicsSVGElement& group = AddContainer(list, context);
    const float x = LengthOf(node.Attribute(QStringLiteral("x")), context.ViewWidth);
    const float y = LengthOf(node.Attribute(QStringLiteral("y")), context.ViewHeight);
    group.FMatrix = MatrixCreateTranslation(x, y) * TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("transform")));
    ReadPresentation(node, group);
    TContext inner = context;
    inner.Parent = &group;
    inner.Ancestors = group.FMatrix * context.Ancestors;
    FUsed.push_back(target);
    if (target->Name() == QLatin1String("svg") || target->Name() == QLatin1String("symbol"))
        ParseViewport(*target, &node, group.Elements(), inner);
    else
        ParseNode(*target, group.Elements(), inner);
    FUsed.pop_back();
}

bool TKestGraphicsSVGParser::IsCyclic(const TKestGraphicsSVGXmlNode& use)
{
    const TKestGraphicsSVGXmlNode* target = FByID.value(ReferencedID(use));
    return target && DrawsCycle(*target, 0);
}

// Walks the target's subtree for uses and follows each; meeting an element
// still being walked closes a cycle. Each element is walked once.
bool TKestGraphicsSVGParser::DrawsCycle(const TKestGraphicsSVGXmlNode& target, size_t depth)
{
    const int state = FCycleState.value(&target);
    if (state != 0)
        return state != 2;
    if (depth >= MaxUseDepth)
        return false;
    FCycleState.insert(&target, 1);
    bool cyclic = false;
    std::vector<const TKestGraphicsSVGXmlNode*> stack{&target};
    while (!stack.empty() && !cyclic) {
        const TKestGraphicsSVGXmlNode* node = stack.back();
        stack.pop_back();
        if (node->Name() == QLatin1String("use"))
            if (const TKestGraphicsSVGXmlNode* next = FByID.value(ReferencedID(*node)))
                cyclic = DrawsCycle(*next, depth + 1);
        for (const auto& child : node->Children())
            stack.push_back(child.get());
    }
    FCycleState.insert(&target, cyclic ? 3 : 2);
    return cyclic;
}

// A viewport: a group moved to x, y, its view box fitted into width x height
// and, unless its overflow is visible, clipped to that rectangle.
void TKestGraphicsSVGParser::ParseViewport(const TKestGraphicsSVGXmlNode& node, const TKestGraphicsSVGXmlNode* use,
                                           TKestGraphicsSVGElementList& list, const TContext& context)
{
    auto sizeOf = [&](const char* name, float reference) {
        QString value = use ? use->Attribute(QLatin1String(name)) : QString();
        if (value.isNull())
            value = node.Attribute(QLatin1String(name));
        return value.isNull() ? reference : LengthOf(value, reference);
    };
    const bool symbol = node.Name() == QLatin1String("symbol");
    const float x = symbol ? 0 : LengthOf(node.Attribute(QStringLiteral("x")), context.ViewWidth);
    const float y = symbol ? 0 : LengthOf(node.Attribute(QStringLiteral("y")), context.ViewHeight);
    const float width = sizeOf("width", context.ViewWidth);
    const float height = sizeOf("height", context.ViewHeight);
    if (!(width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height)))
        return;
    TKestGraphicsSVGElement& group = AddContainer(list, context);
    TContext inner = context;
    inner.ViewWidth = width;
    inner.ViewHeight = height;
    TKestGraphicsMatrix fit = MatrixIdentity();
    TRectF viewBox;
    if (TKestGraphicsSVGViewport::ReadViewBox(node.Attribute(QStringLiteral("viewBox")), viewBox)) {
        if (!(viewBox.Width() > 0 && viewBox.Height() > 0))
            return;
        fit = TKestGraphicsSVGViewport::ViewBoxMatrix(viewBox, width, height,
                                                      node.Attribute(QStringLiteral("preserveAspectRatio")));
        inner.ViewWidth = viewBox.Width();
        inner.ViewHeight = viewBox.Height();
    }
    group.FMatrix = fit * MatrixCreateTranslation(x, y) * TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("transform")));
    ReadPresentation(node, group);
    const QString overflow = node.Attribute(QStringLiteral("overflow")).trimmed();
    if (overflow != QLatin1String("visible") && overflow != QLatin1String("auto"))
        ClipToViewport(group, fit, width, height);
    inner.Parent = &group;
    inner.Ancestors = group.FMatrix * context.Ancestors;
    ParseChildren(node, group.Elements(), inner);
}

// The clip rectangle is kept among the defs, which own it but never draw it;
// it stands in the group's own units, so undoes the view box fit.
void TKestGraphicsSVGParser::ClipToViewport(TKestGraphicsSVGElement& group, const TKestGraphicsMatrix& fit,
                                            float width, float height)
{
    const TPointF origin = TPointF(0, 0) * fit;
    const TPointF unit = TPointF(1, 1) * fit;
    const float sx = unit.X - origin.X;
    const float sy = unit.Y - origin.Y;
    if (!(sx > 0 && sy > 0))
        return;
    auto clip = std::make_unique<TKestGraphicsSVGElement>();
    clip->FType = etRect;
    clip->FXV = -origin.X / sx;
    clip->FYV = -origin.Y / sy;
    clip->FWidth = width / sx;
    clip->FHeight = height / sy;
    group.FClipPathRef = clip.get();
    FLists.DefsList.push_back(std::move(clip));
}

void TKestGraphicsSVGParser::ParseElement(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElementType kind,
                                          TKestGraphicsSVGElementList& list, const TContext& context)
{
    TKestGraphicsSVGElement& element = AddContainer(list, context);
    element.FType = kind;
    if (node.HasAttribute(QStringLiteral("transform")))
        element.FMatrix = TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("transform")));
    if (node.HasAttribute(QStringLiteral("gradientTransform")))
        element.FGradientMatrix = TKestGraphicsSVGTransform::Parse(node.Attribute(QStringLiteral("gradientTransform")));
    ReadGeometry(node, element, context);
    ReadPresentation(node, element);
    ReadContent(node, element, context);
}

void TKestGraphicsSVGParser::ReadGeometry(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element,
                                          const TContext& context)
{
    // Gradients keep their numbers as written: their percentages are of the
    // box they paint, which only the drawing knows.
    const bool shape = element.FType != etLinearGradient && element.FType != etRadialGradient;
    auto lengthIn = [&node, shape](const char* name, float& field, float reference) {
        const QString value = node.Attribute(QLatin1String(name));
        if (!value.isNull())
            field = shape ? LengthOf(value, reference) : TKestGraphicsSVGValues::Length(value);
        return !value.isNull();
    };
    const char* const horizontal[] = {"x", "cx", "x1", "x2", "width", "rx"};
    auto length = [&](const char* name, float& field) {
        const bool across = std::any_of(std::begin(horizontal), std::end(horizontal),
                                        [name](const char* h) { return qstrcmp(h, name) == 0; });
        const bool radius = qstrcmp(name, "r") == 0;
        const float reference = radius ? Diagonal(context.ViewWidth, context.ViewHeight)
                                       : across ? context.ViewWidth : context.ViewHeight;
        return lengthIn(name, field, reference);
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
        ReadEllipseRadii(length("rx", element.FRx), length("ry", element.FRy), element);
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

// A radius missing or negative is "auto": it takes the other one.
void TKestGraphicsSVGParser::ReadEllipseRadii(bool hasRx, bool hasRy, TKestGraphicsSVGElement& element)
{
    const bool rxAuto = !hasRx || element.FRx < 0;
    const bool ryAuto = !hasRy || element.FRy < 0;
    if (rxAuto && !ryAuto)
        element.FRx = element.FRy;
    else if (ryAuto && !rxAuto)
        element.FRy = element.FRx;
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
    ApplySelectorRules(node, element);
}

// Rules beat presentation attributes and yield to the style attribute.
void TKestGraphicsSVGParser::ApplySelectorRules(const TKestGraphicsSVGXmlNode& node, TKestGraphicsSVGElement& element)
{
    if (FSelectorRules.empty() || FPath.empty() || FPath.back().Node != &node)
        return;
    const auto matching = TKestGraphicsSVGSelector::Matching(FSelectorRules, FPath);
    if (matching.empty())
        return;
    for (const TKestGraphicsSVGSelector::TRule* rule : matching)
        TKestGraphicsSVGDeclarations::ApplyList(element, rule->Declarations);
    if (node.HasAttribute(QStringLiteral("style")))
        TKestGraphicsSVGDeclarations::ApplyList(element, node.Attribute(QStringLiteral("style")));
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
    std::vector<float> numbers = TKestGraphicsSVGPathData::Numbers(node.Attribute(QStringLiteral("points")));
    // An odd last coordinate is passed over; the points before it stand.
    numbers.resize(numbers.size() - numbers.size() % 2);
    if (numbers.empty())
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
    if (node.IsText()) {
        element.FText = CollapsedText(node.Text());
        return;
    }
    const auto& children = node.Children();
    if (element.FType == etText && children.size() == 1 && children.front()->IsText()) {
        element.FText = CollapsedText(children.front()->Text()).trimmed();
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
