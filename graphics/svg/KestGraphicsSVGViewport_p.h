#pragma once
// How an SVG viewport maps its view box: the "viewBox" list and the
// "preserveAspectRatio" alignment, as a matrix from view-box units to the
// viewport's own units (its origin at the viewport's top left).

#include "graphics/GraphicsMatrix.h"

#include <QString>
#include <QStringView>

class TKestGraphicsSVGViewport {
public:
    // "min-x min-y width height", separated by white space, commas or both;
    // false when there are not exactly four numbers.
    static bool ReadViewBox(QStringView text, TRectF& rect);
    // A view box drawn into a width x height viewport as preserveAspectRatio
    // (default "xMidYMid meet") places it. The view box must have a size.
    // The document element states a size (width x height) whose shape differs
    // from that of its view box: stretching the view box would distort it, so
    // the size is the view and the view box is fitted into it.
    static bool FitsViewBox(const class TKestGraphicsSVGXmlNode& root, TRectF& viewBox, TRectF& size);
    static TKestGraphicsMatrix ViewBoxMatrix(const TRectF& viewBox, float width, float height,
                                             QStringView preserveAspectRatio);
};
