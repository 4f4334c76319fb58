#pragma once
// A linear or radial gradient as SVG defines it, resolved through the
// gradients it links to (each attribute and the stops from the nearest one
// that gives them), and painted pixel by pixel into an image: units
// (objectBoundingBox or userSpaceOnUse, percentages included),
// gradientTransform, the spread methods, and the focal circle of a radial
// gradient.

#include "framework/Color.h"
#include "framework/FloatGeometry.h"
#include "graphics/GraphicsMatrix.h"

#include <QImage>
#include <QRect>
#include <QTransform>
#include <functional>
#include <vector>

class TKestGraphicsSVGElement;

// How a gradient goes on past its ends.
enum TKestGraphicsSVGSpread { gsPad, gsReflect, gsRepeat };

class TKestGraphicsSVGGradient {
public:
    // colorOf turns a stop's colour into the one drawn (the importer-wide
    // overrides); viewport gives user-space percentages their base.
    TKestGraphicsSVGGradient(const TKestGraphicsSVGElement& gradient, const TRectF& viewport,
                             const std::function<TColor(TColor)>& colorOf);

    // Nothing to paint with: no stops, or a bounding box the gradient needs
    // that has no area.
    bool PaintsNothing(const TRectF& box) const;
    // The gradient covers its area in one colour (one stop, a zero radius or
    // a linear vector of length 0): that colour, with its alpha 0..255.
    bool IsSolid(TColor& color, int& alpha) const;
    // Paints the gradient into a transparent premultiplied image whose top
    // left lies at origin on the device, for a shape whose user space maps
    // to the device by toDevice and whose bounding box in user space is
    // box; opacity scales every stop's alpha.
    void Paint(QImage& image, const QPoint& origin, const TKestGraphicsMatrix& toDevice, const TRectF& box,
               float opacity) const;

private:
    using TSpread = TKestGraphicsSVGSpread;

    void ReadGeometry(const TKestGraphicsSVGElement& gradient, const TRectF& viewport);
    void ReadStops(const TKestGraphicsSVGElement& gradient, const std::function<TColor(TColor)>& colorOf);
    // The first of the linked gradients (the gradient itself first) that
    // has the attribute; sameKind for attributes of one kind only.
    QString Attribute(const char* name, bool sameKind = true) const;
    float Length(const char* name, const QString& fallback, float base) const;
    // The image's pixels, its top left at origin on the device; the spread
    // method is fixed per call so the loop over pixels need not ask.
    template <TSpread Mode>
    void PaintPixels(QImage& image, const QPoint& origin, const QTransform& fromDevice,
                     const std::vector<QRgb>& table) const;
    // Where along the gradient the pixels of a row lie, the first one's
    // centre mapped to start in gradient space; NaN where a radial gradient
    // leaves a pixel unpainted.
    void LinearRow(const QPointF& start, const QTransform& fromDevice, float* position, int width) const;
    void RadialRow(const QPointF& start, const QTransform& fromDevice, float* position, int width) const;
    std::vector<QRgb> ColorTable(float opacity) const;

    struct TStop {
        float Offset;
        TColor Color;
        float Alpha;
    };

    std::vector<const TKestGraphicsSVGElement*> FChain;
    bool FRadial = false;
    bool FBoundingBoxUnits = true;
    TSpread FSpread = gsPad;
    QTransform FGradientTransform;
    // Linear: from (X1, Y1) to (X2, Y2). Radial: the centre circle (CX, CY,
    // R) and the focal one (FX, FY, FR).
    double FX1 = 0, FY1 = 0, FX2 = 1, FY2 = 0;
    double FCX = 0.5, FCY = 0.5, FR = 0.5, FFX = 0.5, FFY = 0.5, FFR = 0;
    std::vector<TStop> FStops;
};
