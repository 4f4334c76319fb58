#pragma once
// Drawing routines shared by the bar's buttons: gradients, colour blends,
// button faces and chevrons. Rectangles are integer boxes whose right and
// bottom edges are exclusive (QRect's width and height, never right()).

#include "framework/Color.h"

#include <QRect>

class QPainter;
class TButtonAppearance;
class TDeviceContext;

namespace PathBarDrawing {

// Colours of one button state, read from the button appearance.
struct TButtonColors {
    TColor Face = clNone;
    TColor FaceTo = clNone;
    TColor Mirror = clNone;
    TColor MirrorTo = clNone;
    TColor Border = clNone;
    TColor Arrow = clGray;
};

TButtonColors DownColors(const TButtonAppearance& a);
TButtonColors HotColors(const TButtonAppearance& a);
// The text part of a node button while its arrow part is hot.
TButtonColors NodeHotColors(const TButtonAppearance& a);

// Colour of the normal state's arrows.
inline constexpr TColor NormalArrowColor = 0x808080;

void DrawGradient(QPainter& canvas, TColor fromColor, TColor toColor, int steps, QRect r, bool horizontal);
TColor BlendColor(TColor col1, TColor col2, int percent);
void DrawButtonBackground(QPainter& canvas, QRect box, int halfHeight, const TButtonColors& colors, bool down,
                          bool rightLine);

// Anti-aliased chevrons through the drawing library, on the surface's pixels.
void DrawArrow(TDeviceContext& surface, QRect r, TColor color, bool chevron, double scale);
void DrawDoubleArrow(TDeviceContext& surface, QRect r, TColor color, double scale);

}
