#pragma once
// The coverage of an SVG clip path in device pixels, as SVG defines it: the
// union of its shape children (each with its own transform and clip rule,
// and clipped by its own clip path), in user space or in the clipped
// element's bounding box, moved by the clip path's transform and cut by a
// clip path on the clip path. Elements of other kinds and hidden ones add
// nothing; a reference that comes back to a clip path being built is left
// out, so cycles end.

#include "framework/FloatGeometry.h"
#include "graphics/GraphicsMatrix.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QTransform>
#include <vector>

class TKestGraphicsPath;
class TKestGraphicsSVGElement;
class QPainterPath;

class TKestGraphicsSVGClipMask {
public:
    // clip is what an element's clip reference resolved to (a shape of the
    // clip path, or the clip path itself when it is empty).
    explicit TKestGraphicsSVGClipMask(const QSize& size);

    // The mask for an element whose user space maps to the device by
    // toDevice and whose bounding box there is box; its alpha is the
    // coverage.
    QImage Build(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& toDevice, const TRectF& box);
    // The same mask over only the part of limit (device pixels) the clip's
    // shapes can reach, whose top left comes back in origin; a null image
    // when that is nothing.
    QImage BuildOver(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& toDevice, const TRectF& box,
                     const QRect& limit, QPoint& origin);

    // The bounding box of the element and its content in its own user
    // space; false when it has no geometry.
    static bool Bounds(const TKestGraphicsSVGElement& element, TRectF& box);
    // Whether the clip is one rectangle whose edges lie on whole device
    // pixels: it cuts as exactly as a mask then, so none is needed. rect
    // is its part of limit (empty when it misses limit).
    static bool WholePixelRectangle(const TKestGraphicsSVGElement& clip, const TKestGraphicsMatrix& toDevice,
                                    const TRectF& box, const QRect& limit, QRect& rect);
    // The whole pixels of limit within a pixel of extent; all of limit when
    // extent is not finite.
    static QRect PixelsWithin(const QRectF& extent, const QRect& limit);
    // The smallest rectangle holding every pixel the mask lets through.
    static QRect Covered(const QImage& mask);
    static QPainterPath ToPainterPath(const TKestGraphicsPath& path, bool evenOdd);

private:
    QImage Build(const TKestGraphicsSVGElement& clip, const QTransform& toDevice, const TRectF& box);
    QImage Empty() const;
    // How a clip path's content maps to the device: its own transform, and
    // the clipped element's box for objectBoundingBox units.
    static QTransform ContentToDevice(const TKestGraphicsSVGElement& clipPath, const QTransform& toDevice,
                                      const TRectF& box);
    // The device rectangle the clip's shapes cover at most.
    static QRectF Extent(const TKestGraphicsSVGElement& clip, const QTransform& toDevice, const TRectF& box);
    void AddChild(QImage& mask, const TKestGraphicsSVGElement& child, const QTransform& contentToDevice);
    // The clip rule in force for an element of a clip path.
    static bool EvenOdd(const TKestGraphicsSVGElement& element);

    QSize FSize;
    // The clip paths being built, nearest last.
    std::vector<const TKestGraphicsSVGElement*> FBuilding;
    // Masks still allowed to be built, so a document cannot make the
    // nested clip paths multiply without end.
    int FBudget = 64;
};
