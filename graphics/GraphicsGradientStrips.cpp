#include "graphics/GraphicsGradientStrips.h"

#include "framework/Canvas.h"
#include "framework/Rounding.h"

#include <algorithm>
#include <cmath>

namespace {

// How far a strip i pixels from a rounded edge is pulled in at the corner.
int CornerInset(float radius, double distance)
{
    const double d = radius - distance;
    return Kest::Round(radius - std::sqrt(std::max(0.0, double(radius) * radius - d * d)));
}

struct TCornerPair {
    // The corners at the start edge and at the end edge, each as (the one
    // on the low cross side, the one on the high cross side).
    bool StartLow, StartHigh, EndLow, EndHigh;
};

TCornerPair CornersOf(TKestGraphicsCorners corners, bool horizontal)
{
    if (horizontal)
        return {corners.Contains(gcTopLeft), corners.Contains(gcBottomLeft), corners.Contains(gcTopRight),
                corners.Contains(gcBottomRight)};
    return {corners.Contains(gcTopLeft), corners.Contains(gcTopRight), corners.Contains(gcBottomLeft),
            corners.Contains(gcBottomRight)};
}

}

void FillGradientStrips(TCanvas& canvas, TColor color, TColor colorTo, const TRect& rect, float radius,
                        TKestGraphicsCorners corners, bool horizontal)
{
    const int extent = horizontal ? rect.Width() : rect.Height();
    if (extent < 0)
        return;
    const int n = extent == 0 ? 1 : extent;
    const double step = double(extent) / n;
    const TColor from = ColorToRGB(color), to = ColorToRGB(colorTo);
    const float dr = float(GetRValue(to) - GetRValue(from)) / n;
    const float dg = float(GetGValue(to) - GetGValue(from)) / n;
    const float db = float(GetBValue(to) - GetBValue(from)) / n;
    const TCornerPair rounded = CornersOf(corners, horizontal);

    const TPen savedPen = canvas.Pen();
    const TBrush savedBrush = canvas.Brush();
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Brush().SetStyle(bsSolid);

    // Only the strips that reach the visible area are drawn (the counter is
    // a full int: an extent of 65,536 pixels and more finishes).
    const QRect visible = canvas.ClipBounds();
    const int start = horizontal ? rect.Left : rect.Top;
    const int visibleStart = horizontal ? visible.left() : visible.top();
    const int visibleEnd = horizontal ? visible.left() + visible.width() : visible.top() + visible.height();
    int first = 0, last = n - 1;
    if (step > 0) {
        first = std::clamp(int(std::floor((double(visibleStart) - start) / step)) - 1, 0, n - 1);
        last = std::clamp(int(std::ceil((double(visibleEnd) - start) / step)) + 1, 0, n - 1);
    }
    for (int i = first; i <= last; ++i) {
        const TColor strip = RGB(GetRValue(from) + Kest::Round(dr * i), GetGValue(from) + Kest::Round(dg * i),
                                 GetBValue(from) + Kest::Round(db * i));
        canvas.Pen().SetColor(strip);
        canvas.Brush().SetColor(strip);
        const int offset = Kest::Round(i * step);
        const int thickness = Kest::Trunc(step);
        int lowInset = 0, highInset = 0;
        if (i <= radius && (rounded.StartLow || rounded.StartHigh)) {
            const int inset = CornerInset(radius, i);
            lowInset = rounded.StartLow ? inset : 0;
            highInset = rounded.StartHigh ? inset : 0;
        } else if (i >= n - radius && (rounded.EndLow || rounded.EndHigh)) {
            const int inset = CornerInset(radius, n - i);
            lowInset = rounded.EndLow ? inset : 0;
            highInset = rounded.EndHigh ? inset : 0;
        }
        TRect r;
        if (horizontal)
            r = TRect(rect.Left + offset, rect.Top + lowInset, std::min(rect.Left + offset + thickness, rect.Right),
                      rect.Bottom - highInset);
        else
            r = TRect(rect.Left + lowInset, rect.Top + offset, rect.Right - highInset,
                      std::min(rect.Top + offset + thickness, rect.Bottom));
        // A corner wider than the strip leaves nothing of it.
        if (r.Right > r.Left && r.Bottom > r.Top)
            canvas.Rectangle(r);
    }
    canvas.Pen() = savedPen;
    canvas.Brush() = savedBrush;
}
