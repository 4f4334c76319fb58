#include "framework/Anchors.h"

#include <algorithm>

namespace {

struct Span {
    int pos;
    int size;
};

Span PlaceAxis(bool nearSide, bool farSide, Span origin, int parentBefore, int parentNow)
{
    const int grow = parentNow - parentBefore;
    if (nearSide && farSide)
        return {origin.pos, std::max(0, origin.size + grow)};
    if (farSide)
        return {origin.pos + grow, origin.size};
    if (nearSide || parentBefore <= 0)
        return origin;
    // Rounded to the nearest pixel, in 64 bits so that no product overflows.
    const qint64 centre = qint64(origin.pos) + origin.size / 2;
    const qint64 moved = (centre * parentNow * 2 + parentBefore) / (qint64(parentBefore) * 2);
    return {int(moved) - origin.size / 2, origin.size};
}

}

QRect TAnchorOrigin::Place(TAnchors anchors, QSize parent) const
{
    const Span x = PlaceAxis(anchors.testFlag(akLeft), anchors.testFlag(akRight), {Bounds.x(), Bounds.width()},
                             ParentSize.width(), parent.width());
    const Span y = PlaceAxis(anchors.testFlag(akTop), anchors.testFlag(akBottom), {Bounds.y(), Bounds.height()},
                             ParentSize.height(), parent.height());
    return QRect(x.pos, y.pos, x.size, y.size);
}
