#pragma once
// Rectangles given by their edges, right and bottom exclusive: a box from
// (left, top) to (right, bottom) covers columns left..right-1 and rows
// top..bottom-1, as the bar's layout and drawing count them (QRect's own
// right() and bottom() are one less).

#include <QRect>

namespace RectEdges {

inline QRect FromEdges(int left, int top, int right, int bottom) { return QRect(left, top, right - left, bottom - top); }
inline int Right(const QRect& rect) { return rect.x() + rect.width(); }
inline int Bottom(const QRect& rect) { return rect.y() + rect.height(); }

}
