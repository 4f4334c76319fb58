#include "graphics/svg/KestGraphicsSVGClipMask_p.h"

#include "framework/VectorClones_p.h"
#include "graphics/GraphicsPath.h"
#include "graphics/svg/KestGraphicsSVGDrawing.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGPixels_p.h"
#include "graphics/svg/KestGraphicsSVGQtTransform_p.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

bool ClipsWith(TKestGraphicsSVGElementType kind)
{
    switch (kind) {
    case etRect:
    case etCircle:
    case etEllipse:
    case etPath:
    case etPolyline:
    case etPolygon:
    case etText:
        return true;
    default:
        return false;
    }
}

const TKestGraphicsSVGElement* ClipPathOf(const TKestGraphicsSVGElement& clip)
{
    if (clip.Type() == etClipPath)
        return &clip;
    return clip.Parent() && clip.Parent()->Type() == etClipPath ? clip.Parent() : nullptr;
}

// Built twice; internal, so its load-time choice stays within the library.
KEST_VECTOR_CLONES QRect CoveredPixels(const QImage& mask)
{
    const int width = mask.width(), height = mask.height();
    int left = width, top = height, right = -1, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = y;
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool IsHidden(const TKestGraphicsSVGElement& element)
{
    return TKestGraphicsSVGRenderState::StyleSource(element).DisplayValue() == QLatin1String("none");
}

}

TKestGraphicsSVGClipMask::TKestGraphicsSVGClipMask(const QSize& size)
    : FSize(size)
{
}

QImage TKestGraphicsSVGClipMask::Empty() const
{
    QImage mask(FSize, QImage::Format_ARGB32_Premultiplied);
    mask.fill(Qt::transparent);
    return mask;
}

QRect TKestGraphicsSVGClipMask::Covered(const QImage& mask) { return CoveredPixels(mask); }

QPainterPath TKestGraphicsSVGClipMask::ToPainterPath(const TKestGraphicsPath& path, bool evenOdd)
{
    QPainterPath result;
    result.setFillRule(evenOdd ? Qt::OddEvenFill : Qt::WindingFill);
    const auto& points = path.PathData();
    for (size_t i = 0; i < points.size(); ++i) {
        const QPointF point(points[i].Point.X, points[i].Point.Y);
        switch (points[i].Kind) {
        case gppMoveTo:
            result.moveTo(point);
            break;
        case gppLineTo:
            result.lineTo(point);
            break;
        case gppCurveTo:
            if (i + 2 < points.size()) {
                result.cubicTo(point, QPointF(points[i + 1].Point.X, points[i + 1].Point.Y),
                               QPointF(points[i + 2].Point.X, points[i + 2].Point.Y));
                i += 2;
            }
            break;
        case gppClose:
            result.closeSubpath();
            break;
        }
    }
    return result;
}

bool TKestGraphicsSVGClipMask::EvenOdd(const TKestGraphicsSVGElement& element)
{
    for (const TKestGraphicsSVGElement* level = &element; level; level = level->Parent()) {
        const QString& rule = TKestGraphicsSVGRenderState::StyleSource(*level).ClipRuleValue();
        if (rule != QLatin1String("default"))
            return rule == QLatin1String("evenodd");
    }
    return false;
}

bool TKestGraphicsSVGClipMask::Bounds(const TKestGraphicsSVGElement& element, TRectF& box)
{
    // Walked with a stack of its own: documents nest deeply.
    struct TItem {
        const TKestGraphicsSVGElement* Element;
        TKestGraphicsMatrix Matrix;
    };
    std::vector<TItem> stack{{&element, MatrixIdentity()}};
    bool any = false;
    while (!stack.empty()) {
        const TItem item = stack.back();
        stack.pop_back();
        TKestGraphicsPath path;
        if (TKestGraphicsSVGDrawing::ShapePath(*item.Element, path)) {
            path.ApplyMatrix(item.Element == &element ? MatrixIdentity()
                                                      : TKestGraphicsSVGDrawing::OwnMatrix(*item.Element) * item.Matrix);
            const TRectF r = path.GetBounds();
            box = any ? TRectF(std::min(box.Left, r.Left), std::min(box.Top, r.Top), std::max(box.Right, r.Right),
                               std::max(box.Bottom, r.Bottom))
                      : r;
            any = true;
        }
        if (item.Element->Type() != etContainer)
            continue;
        const TKestGraphicsMatrix inner =
            item.Element == &element ? MatrixIdentity() : item.Element->Matrix() * item.Matrix;
        for (const auto& child : item.Element->Elements())
            stack.push_back({child.get(), inner});
    }
    return any;
}

QTransform TKestGraphicsSVGClipMask::ContentToDevice(const TKestGraphicsSVGElement& clipPath,
                                                     const QTransform& toDevice, const TRectF& box)
{
    const QTransform content = ToQTransform(clipPath.Matrix()) * toDevice;
    if (clipPath.PaintAttributes().value(QStringLiteral("clipPathUnits")).trimmed()
        != QLatin1String("objectBoundingBox"))
        return content;
    return QTransform(box.Width(), 0, 0, box.Height(), box.Left, box.Top) * content;
}

QRectF TKestGraphicsSVGClipMask::Extent(const TKestGraphicsSVGElement& clip, const QTransform& toDevice,
                                        const TRectF& box)
{
    // The shapes' own bounds: a clip on a shape or on the clip path only
    // takes away from them.
    const TKestGraphicsSVGElement* clipPath = ClipPathOf(clip);
    const QTransform contentToDevice = clipPath ? ContentToDevice(*clipPath, toDevice, box) : toDevice;
    QRectF extent;
    auto add = [&](const TKestGraphicsSVGElement& child) {
        TKestGraphicsPath path;
        if (!ClipsWith(child.Type()) || IsHidden(child) || !TKestGraphicsSVGDrawing::ShapePath(child, path))
            return;
        const TRectF bounds = path.GetBounds();
        const QTransform map = ToQTransform(TKestGraphicsSVGDrawing::OwnMatrix(child)) * contentToDevice;
        extent |= map.mapRect(QRectF(bounds.Left, bounds.Top, bounds.Width(), bounds.Height()));
    };
    if (!clipPath)
        add(clip);
    else
        for (const auto& child : clipPath->Elements())
            add(*child);
    return extent;
}

bool TKestGraphicsSVGClipMask::WholePixelRectangle(const TKestGraphicsSVGElement& clip,
                                                   const TKestGraphicsMatrix& toDevice, const TRectF& box,
                                                   const QRect& limit, QRect& rect)
{
    const TKestGraphicsSVGElement* clipPath = ClipPathOf(clip);
    const TKestGraphicsSVGElement* shape = &clip;
    QTransform device = ToQTransform(toDevice);
    if (clipPath) {
        if (clipPath->ClipPathRef() || clipPath->Elements().size() != 1)
            return false;
        shape = clipPath->Elements().front().get();
        device = ContentToDevice(*clipPath, device, box);
    }
    if (shape->Type() != etRect || shape->ClipPathRef() || IsHidden(*shape) || shape->Rx() > 0 || shape->Ry() > 0
        || !(shape->Width() > 0 && shape->Height() > 0))
        return false;
    const QTransform map = ToQTransform(TKestGraphicsSVGDrawing::OwnMatrix(*shape)) * device;
    if (map.type() > QTransform::TxScale)
        return false;
    const QRectF mapped = map.mapRect(QRectF(shape->X(), shape->Y(), shape->Width(), shape->Height()));
    // Cut to the limit first, so far-off edges stay in range.
    const QRectF cut = mapped.intersected(QRectF(limit));
    const auto whole = [](qreal v) { return std::isfinite(v) && std::abs(v - std::round(v)) < 1e-3; };
    if (!whole(cut.left()) || !whole(cut.top()) || !whole(cut.right()) || !whole(cut.bottom()))
        return false;
    rect = QRect(int(std::lround(cut.left())), int(std::lround(cut.top())), int(std::lround(cut.width())),
                 int(std::lround(cut.height())));
    return true;
}

QRect TKestGraphicsSVGClipMask::PixelsWithin(const QRectF& extent, const QRect& limit)
{
    // Anti-aliasing reaches a pixel past the bounds. Far-off bounds are cut
    // to the limit before they become whole pixels, so the numbers stay in
    // range; bounds that are not numbers leave the whole limit.
    const bool finite = std::isfinite(extent.x()) && std::isfinite(extent.y()) && std::isfinite(extent.width())
                        && std::isfinite(extent.height());
    return finite ? extent.adjusted(-1, -1, 1, 1).intersected(QRectF(limit)).toAlignedRect().intersected(limit)
                  : limit;
}

QImage TKestGraphicsSVGClipMask::BuildOver(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& toDevice,
                                           const TRectF& box, const QRect& limit, QPoint& origin)
{
    const QTransform device = ToQTransform(toDevice);
    const QRect area = PixelsWithin(Extent(clip, device, box), limit);
    origin = area.topLeft();
    if (area.isEmpty())
        return QImage();
    FSize = area.size();
    return Build(clip, device * QTransform::fromTranslate(-area.left(), -area.top()), box);
}

void TKestGraphicsSVGClipMask::AddChild(QImage& mask, const TKestGraphicsSVGElement& child,
                                       const QTransform& contentToDevice)
{
    TKestGraphicsPath path;
    if (!ClipsWith(child.Type()) || IsHidden(child) || !TKestGraphicsSVGDrawing::ShapePath(child, path))
        return;
    const QTransform toDevice = ToQTransform(TKestGraphicsSVGDrawing::OwnMatrix(child)) * contentToDevice;
    const QPainterPath shape = toDevice.map(ToPainterPath(path, EvenOdd(child)));
    const TKestGraphicsSVGElement* ownClip = child.ClipPathRef();
    if (!ownClip) {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, Qt::white);
        return;
    }
    // A child with a clip path of its own adds only what that leaves.
    QImage part = Empty();
    {
        QPainter painter(&part);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(shape, Qt::white);
    }
    KestGraphicsSVGPixels::KeepCoverage(part, Build(*ownClip, toDevice, path.GetBounds()));
    QPainter onto(&mask);
    onto.drawImage(0, 0, part);
}

QImage TKestGraphicsSVGClipMask::Build(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& toDevice,
                                       const TRectF& box)
{
    return Build(clip, ToQTransform(toDevice), box);
}

QImage TKestGraphicsSVGClipMask::Build(const TKestGraphicsSVGElement& clip, const QTransform& toDevice,
                                       const TRectF& box)
{
    const TKestGraphicsSVGElement* clipPath = ClipPathOf(clip);
    QImage mask = Empty();
    if (!clipPath) {
        // A shape outside any clip path (a viewport's rectangle) clips alone.
        AddChild(mask, clip, toDevice);
        return mask;
    }
    // A clip path met again while it is built adds no further cut.
    if (std::find(FBuilding.begin(), FBuilding.end(), clipPath) != FBuilding.end() || FBudget <= 0) {
        mask.fill(Qt::white);
        return mask;
    }
    --FBudget;
    FBuilding.push_back(clipPath);
    const QTransform contentToDevice = ContentToDevice(*clipPath, toDevice, box);
    for (const auto& child : clipPath->Elements())
        AddChild(mask, *child, contentToDevice);
    if (const TKestGraphicsSVGElement* outer = clipPath->ClipPathRef()) {
        KestGraphicsSVGPixels::KeepCoverage(mask, Build(*outer, toDevice, box));
    }
    FBuilding.pop_back();
    return mask;
}
