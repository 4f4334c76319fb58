#pragma once
// The colour stops of a gradient fill as the drawing library takes them.
//
// The library paints stops out of order wrongly and drops a gradient whose
// first stop is not at 0, so the stops leave here sorted by position (stops
// at one position keep their order), held to 0..1, with the first stop
// repeated at 0 and the last at 1 where no stop sits there.

#include "gdiplus/api/GdiplusFlatTypes.h"

#include <vector>

#pragma GCC visibility push(default)

class TKestCustomGraphicsFill;

namespace KestGraphicsWin {

struct TWinGradientStops {
    std::vector<GdiplusFlat::ARGB> Colors;
    std::vector<GdiplusFlat::REAL> Positions;

    int Count() const { return int(Colors.size()); }
    bool Empty() const { return Colors.empty(); }
    // The stops seen from the other end: p becomes 1 - p, order reversed.
    TWinGradientStops Reversed() const;
};

// Default mode: Color to ColorTo, or with a mirror Color, ColorTo | ColorMirror,
// ColorMirrorTo (both mirror colours set), all with the fill's opacity.
// Collection mode: one stop per gradient item (none without items). A stop
// of colour gcNull is transparent, in the colour of its nearest coloured
// neighbour, so the fade does not pass through black.
TWinGradientStops WinGradientStops(const TKestCustomGraphicsFill& fill);

}

#pragma GCC visibility pop
