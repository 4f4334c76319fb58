#include "graphics/svg/KestGraphicsSVGDrawing.h"

#include "framework/Bitmap.h"
#include "framework/Picture.h"
#include "graphics/GraphicsPath.h"
#include "graphics/GraphicsSaveState.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/svg/KestGraphicsSVGClipMask_p.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGGradient_p.h"
#include "graphics/svg/KestGraphicsSVGNativeSetUp.h"
#include "graphics/svg/KestGraphicsSVGPixels_p.h"
#include "graphics/svg/KestGraphicsSVGReach_p.h"
#include "graphics/svg/KestGraphicsSVGScratch_p.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"
#include "pictures/KestBitmap.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace {

bool MovesContent(TKestGraphicsSVGElementType kind)
{
    return kind == etContainer || kind == etText || kind == etTextSpan || kind == etTextPath;
}

// Keeps the image's pixels inside the device path (the image's top left at
// origin), anti-aliased.
void CutToShape(QImage& image, const TKestGraphicsPath& path, const QPoint& origin)
{
    TKestGraphicsSVGScratch scratch(image.size());
    QImage& mask = scratch.Image();
    {
        QPainter painter(&mask);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(TKestGraphicsSVGClipMask::ToPainterPath(path, false).translated(-origin), Qt::black);
    }
    KestGraphicsSVGPixels::KeepCoverage(image, mask);
}

bool HasBakedMatrix(TKestGraphicsSVGElementType kind)
{
    return kind == etPath || kind == etPolyline || kind == etPolygon;
}

// One list being drawn: where it stands, the matrices of the elements
// around it and the canvas state to return to when it is done.
struct TFrame {
    const TKestGraphicsSVGElementList* List;
    size_t Index;
    TKestGraphicsMatrix Ancestors;
    std::unique_ptr<TKestGraphicsSaveState> State;
};

}

TKestGraphicsSVGDrawing::TKestGraphicsSVGDrawing(TKestGraphics& graphics, TKestGraphicsSVGRenderState& state,
                                                 const TKestGraphicsMatrix& drawing,
                                                 const TKestGraphicsMatrix& textMatrix, float scale)
    : FGraphics(graphics), FState(state), FDrawing(drawing), FTextMatrix(textMatrix), FScale(scale)
{
}

bool TKestGraphicsSVGDrawing::IsShape(TKestGraphicsSVGElementType kind)
{
    switch (kind) {
    case etRect:
    case etLine:
    case etCircle:
    case etEllipse:
    case etPath:
    case etPolyline:
    case etPolygon:
        return true;
    default:
        return false;
    }
}

bool TKestGraphicsSVGDrawing::DrawsChildren(const TKestGraphicsSVGElement& element)
{
    // A text element lays out and draws its spans itself.
    return MovesContent(element.Type()) && element.Type() != etText;
}

TKestGraphicsMatrix TKestGraphicsSVGDrawing::OwnMatrix(const TKestGraphicsSVGElement& element)
{
    return HasBakedMatrix(element.Type()) ? MatrixIdentity() : element.Matrix();
}

bool TKestGraphicsSVGDrawing::ShapePath(const TKestGraphicsSVGElement& element, TKestGraphicsPath& path)
{
    switch (element.Type()) {
    case etRect: {
        if (!(element.Width() > 0 && element.Height() > 0))
            return false;
        // One radius given serves both; neither exceeds half the side.
        float rx = element.Rx() > 0 ? element.Rx() : element.Ry();
        float ry = element.Ry() > 0 ? element.Ry() : element.Rx();
        rx = std::clamp(rx, 0.0f, element.Width() / 2);
        ry = std::clamp(ry, 0.0f, element.Height() / 2);
        path.AddRectangle(
            TRectF(element.X(), element.Y(), element.X() + element.Width(), element.Y() + element.Height()), rx, ry);
        return true;
    }
    case etLine:
        // x, y, width and height hold x1, y1, x2 and y2.
        path.MoveTo(TPointF(element.X(), element.Y()));
        path.LineTo(TPointF(element.Width(), element.Height()));
        return true;
    case etCircle:
    case etEllipse:
        if (!(element.Rx() > 0 && element.Ry() > 0))
            return false;
        path.AddEllipse(TRectF(element.X() - element.Rx(), element.Y() - element.Ry(), element.X() + element.Rx(),
                               element.Y() + element.Ry()));
        return true;
    case etPath:
    case etPolyline:
    case etPolygon:
        for (const auto& part : element.Paths())
            path.AddPath(*part);
        return path.Count() > 0;
    case etText:
        return TKestGraphicsSVGTextLayout::Outline(element, path);
    default:
        return false;
    }
}

void TKestGraphicsSVGDrawing::Draw(const TKestGraphicsSVGElementList& elements, const TKestGraphicsMatrix& ancestors)
{
    std::vector<TFrame> stack;
    stack.push_back(TFrame{&elements, 0, ancestors, nullptr});
    while (!stack.empty()) {
        TFrame& frame = stack.back();
        if (frame.Index == frame.List->size()) {
            if (frame.State)
                FGraphics.RestoreState(std::move(frame.State));
            stack.pop_back();
            continue;
        }
        const TKestGraphicsSVGElement& element = *(*frame.List)[frame.Index++];
        const TKestGraphicsMatrix ancestors = frame.Ancestors;
        std::unique_ptr<TKestGraphicsSaveState> state = FGraphics.SaveState();
        if (TKestGraphicsSVGRenderState::StyleSource(element).DisplayValue() == QLatin1String("none")) {
            FGraphics.RestoreState(std::move(state));
            continue;
        }
        if (NeedsLayer(element)) {
            DrawLayer(element, ancestors);
            FGraphics.RestoreState(std::move(state));
            continue;
        }
        DrawElement(element, ancestors);
        const bool hasChildren = DrawsChildren(element) && !element.Elements().empty();
        if (!hasChildren) {
            FGraphics.RestoreState(std::move(state));
            continue;
        }
        // The children draw inside this element's state; it is restored
        // when their list is done. (frame may move with the stack.)
        stack.push_back(TFrame{&element.Elements(), 0, element.Matrix() * ancestors, std::move(state)});
    }
}

bool TKestGraphicsSVGDrawing::NeedsLayer(const TKestGraphicsSVGElement& element) const
{
    constexpr int MaxLayerDepth = 8;
    constexpr qint64 MaxLayerPixels = qint64(4096) * 4096;
    if (FLayerSize.isEmpty() || qint64(FLayerSize.width()) * FLayerSize.height() > MaxLayerPixels
        || FLayerDepth >= MaxLayerDepth)
        return false;
    if (element.ClipPathRef())
        return true;
    if (!(FState.OwnOpacity(element) < 1))
        return false;
    // The framework canvas draws no opacity of its own.
    if (!FGraphics.Native())
        return true;
    // One shape without a stroke, or a group of one such shape, looks the
    // same with its opacity multiplied in. Pictures take no opacity from
    // the canvas; text draws its stroke over its fill and a path per span.
    const TKestGraphicsSVGElement* single = &element;
    while (single->Type() == etContainer && single->Elements().size() == 1)
        single = single->Elements().front().get();
    if (single->Type() == etContainer)
        return !single->Elements().empty();
    return !IsShape(single->Type()) || FState.HasStroke(*single);
}

void TKestGraphicsSVGDrawing::DrawLayer(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors)
{
    // The layer covers only what the element's drawing can reach and its
    // clip leaves; nothing is drawn when that is nothing.
    QRect region = TKestGraphicsSVGClipMask::PixelsWithin(
        TKestGraphicsSVGReach(FDrawing, FTextMatrix, FScale).Of(element, ancestors), QRect(QPoint(0, 0), FLayerSize));
    if (region.isEmpty())
        return;
    QImage mask;
    if (element.ClipPathRef() && !CutByClip(element, ancestors, region, mask))
        return;
    QImage content = DrawOnLayer(element, ancestors, region);
    // Scaling every premultiplied channel fades the layer as a whole.
    if (!mask.isNull())
        KestGraphicsSVGPixels::KeepCoverage(content, mask, FState.OwnOpacity(element));
    else
        KestGraphicsSVGPixels::Fade(content, FState.OwnOpacity(element));
    TBitmap bitmap;
    bitmap.SetImage(content);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    FGraphics.SetMatrix(MatrixIdentity());
    FGraphics.DrawBitmap(TRectF(float(region.left()), float(region.top()), float(region.right() + 1),
                                float(region.bottom() + 1)),
                         &picture, false, true, false);
}

bool TKestGraphicsSVGDrawing::CutByClip(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& ancestors,
                                        QRect& region, QImage& mask) const
{
    // The clip path's content lives in the element's user space, its own
    // transform included.
    const TKestGraphicsSVGElement& clip = *element.ClipPathRef();
    TRectF box(0, 0, 0, 0);
    TKestGraphicsSVGClipMask::Bounds(element, box);
    const TKestGraphicsMatrix toDevice = element.Matrix() * ancestors * FDrawing;
    QRect rectangle;
    if (TKestGraphicsSVGClipMask::WholePixelRectangle(clip, toDevice, box, region, rectangle)) {
        // The layer's own edges cut as the clip does.
        region = rectangle;
        return !region.isEmpty();
    }
    QPoint origin;
    mask = TKestGraphicsSVGClipMask(FLayerSize).BuildOver(clip, toDevice, box, region, origin);
    const QRect covered = TKestGraphicsSVGClipMask::Covered(mask);
    if (covered.isEmpty())
        return false;
    if (covered != mask.rect())
        mask = mask.copy(covered);
    region = covered.translated(origin);
    return true;
}

QImage TKestGraphicsSVGDrawing::DrawOnLayer(const TKestGraphicsSVGElement& element,
                                            const TKestGraphicsMatrix& ancestors, const QRect& region)
{
    std::unique_ptr<TKestGraphics> layer =
        TKestGraphics::CreateBitmapCanvas(region.width(), region.height(), FGraphics.Native());
    const TRectF area(0, 0, float(region.width()), float(region.height()));
    if (layer->Native())
        TKestGraphicsSVGNativeSetUp::Begin(*layer, area);
    else
        layer->BeginScene();
    {
        const TKestGraphicsMatrix shift = MatrixCreateTranslation(-region.left(), -region.top());
        TKestGraphicsSVGDrawing inner(*layer, FState, FDrawing * shift, FTextMatrix, FScale);
        inner.FLayerSize = region.size();
        inner.FLayerDepth = FLayerDepth + 1;
        inner.FMasked = &element;
        // The layer takes the element's opacity; what it holds draws without.
        FState.SetComposited(element, true);
        inner.DrawElement(element, ancestors);
        if (DrawsChildren(element))
            inner.Draw(element.Elements(), element.Matrix() * ancestors);
        FState.SetComposited(element, false);
    }
    if (layer->Native())
        TKestGraphicsSVGNativeSetUp::End(*layer);
    else
        layer->EndScene();
    return TKestGraphics::TakeImage(std::move(layer));
}

void TKestGraphicsSVGDrawing::DrawElement(const TKestGraphicsSVGElement& element,
                                          const TKestGraphicsMatrix& ancestors)
{
    const TKestGraphicsMatrix user = OwnMatrix(element) * ancestors;
    const TKestGraphicsMatrix transform = user * FDrawing;
    if (const TKestGraphicsSVGElement* clip = element.ClipPathRef(); clip && &element != FMasked)
        Clip(*clip, transform);
    if (IsShape(element.Type()))
        DrawShape(element, transform, FScale * TKestGraphicsSVGReach::LengthScale(user));
    else if (element.Type() == etImage)
        DrawImage(element, transform);
    else if (element.Type() == etText)
        DrawText(element, transform, FScale * TKestGraphicsSVGReach::LengthScale(user));
}

void TKestGraphicsSVGDrawing::DrawShape(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& transform,
                                        float widthScale)
{
    TKestGraphicsPath path;
    if (!ShapePath(element, path))
        return;
    const TRectF box = path.GetBounds();
    path.ApplyMatrix(transform);
    FState.Apply(FGraphics, element, widthScale, box);
    // A line encloses nothing; filling it would only mark its pixels.
    if (element.Type() == etLine)
        FGraphics.SetFillKind(gfkNone);
    else if (const auto gradient = FState.FillGradient(element, box))
        PaintGradient(*gradient, path, transform, box, FState.FillOpacity(element));
    FGraphics.DrawPath(&path, pdmPath);
}

void TKestGraphicsSVGDrawing::PaintGradient(const TKestGraphicsSVGGradient& gradient, TKestGraphicsPath& path,
                                            const TKestGraphicsMatrix& transform, const TRectF& box, float opacity)
{
    // The device pixels the shape covers, within a bound that keeps a huge
    // or far-off shape from allocating without end.
    constexpr int Reach = 8192;
    const TRectF bounds = path.GetBounds();
    // On a bitmap of known size, pixels past its edges are not painted.
    const QRect reach = FLayerSize.isEmpty() ? QRect(-Reach, -Reach, 3 * Reach, 3 * Reach)
                                             : QRect(QPoint(0, 0), FLayerSize);
    const QRect covered =
        QRectF(bounds.Left, bounds.Top, bounds.Width(), bounds.Height()).toAlignedRect().intersected(reach);
    if (covered.isEmpty() || qint64(covered.width()) * covered.height() > qint64(Reach) * Reach / 4)
        return;
    TKestGraphicsSVGScratch scratch(covered.size());
    QImage& image = scratch.Image();
    gradient.Paint(image, covered.topLeft(), transform, box, opacity);
    // The framework canvas clips to rectangles only: the shape cuts the
    // gradient here.
    if (!FGraphics.Native())
        CutToShape(image, path, covered.topLeft());
    TBitmap bitmap;
    bitmap.SetImage(image);
    TPicture picture;
    picture.SetGraphic(&bitmap);
    std::unique_ptr<TKestGraphicsSaveState> state = FGraphics.SaveState();
    FGraphics.Context()->ClipPath(&path);
    FGraphics.SetMatrix(MatrixIdentity());
    FGraphics.DrawBitmap(TRectF(covered.left(), covered.top(), covered.right() + 1, covered.bottom() + 1), &picture,
                         false, true, false);
    FGraphics.RestoreState(std::move(state));
}

void TKestGraphicsSVGDrawing::DrawImage(const TKestGraphicsSVGElement& element, const TKestGraphicsMatrix& transform)
{
    if (!element.HasBitmap() || !(element.Width() > 0 && element.Height() > 0))
        return;
    TKestBitmap* bitmap = const_cast<TKestGraphicsSVGElement&>(element).Bitmap();
    if (!bitmap->Graphic())
        return;
    const TKestGraphicsMatrix before = FGraphics.GetMatrix();
    FGraphics.SetMatrix(transform);
    FGraphics.DrawBitmap(
        TRectF(element.X(), element.Y(), element.X() + element.Width(), element.Y() + element.Height()), bitmap,
        element.PreserveAspectRatio() != parNone, true, true);
    FGraphics.SetMatrix(before);
}

void TKestGraphicsSVGDrawing::Clip(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& transform)
{
    TKestGraphicsPath path;
    if (!ShapePath(clip, path)) {
        // A clip shape without geometry leaves nothing visible.
        path.AddRectangle(TRectF(0, 0, 0, 0));
    }
    path.ApplyMatrix(OwnMatrix(clip) * transform);
    FGraphics.Context()->ClipPath(&path);
}
