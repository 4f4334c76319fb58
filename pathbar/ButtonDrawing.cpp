#include "pathbar/ButtonDrawing_p.h"

#include "framework/DeviceContext.h"
#include "framework/Rounding.h"
#include "gdiplus/KestGDIP.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/RectEdges_p.h"

#include <QPainter>

namespace PathBarDrawing {

namespace {

using RectEdges::Bottom;
using RectEdges::Right;

// A filled box covering columns l..r-1 and rows t..b-1.
void FillBox(QPainter& p, int l, int t, int r, int b, TColor c)
{
    if (r > l && b > t)
        p.fillRect(RectEdges::FromEdges(l, t, r, b), ColorToQColor(c));
}

// An outline covering columns l..r-1 and rows t..b-1, one pixel wide. Drawn
// as filled boxes, which keep to whole pixels on surfaces of any pixel ratio
// where a pen's line would straddle them.
void Outline(QPainter& p, int l, int t, int r, int b, TColor c)
{
    if (r <= l || b <= t)
        return;
    FillBox(p, l, t, r, t + 1, c);
    FillBox(p, l, b - 1, r, b, c);
    FillBox(p, l, t, l + 1, b, c);
    FillBox(p, r - 1, t, r, b, c);
}

// A vertical line at x covering rows t..b-1, the end point excluded.
void VLine(QPainter& p, int x, int t, int b, TColor c) { FillBox(p, x, t, x + 1, b, c); }

struct TCentre {
    int X;
    int Y;
};

TCentre Centre(const QRect& r) { return {r.x() + r.width() / 2, r.y() + r.height() / 2}; }

void Lines(TDeviceContext& surface, TColor color, double width, std::initializer_list<QPointF> points)
{
    KestGDIP::TGPGraphics g(surface);
    g.SetSmoothingMode(GdiplusFlat::SmoothingModeAntiAlias);
    KestGDIP::TGPPen pen(KestGDIP::ColorToGPColor(color), GdiplusFlat::REAL(width));
    // Points come in pairs: each pair is one line.
    for (auto it = points.begin(); it != points.end(); it += 2)
        g.DrawLine(&pen, GdiplusFlat::REAL(it->x()), GdiplusFlat::REAL(it->y()), GdiplusFlat::REAL((it + 1)->x()),
                   GdiplusFlat::REAL((it + 1)->y()));
}

}

TButtonColors DownColors(const TButtonAppearance& a)
{
    return {a.ColorDown(), a.ColorDownTo(), a.ColorMirrorDown(), a.ColorMirrorDownTo(), a.BorderColorDown(),
            a.ArrowColorDown()};
}

TButtonColors HotColors(const TButtonAppearance& a)
{
    return {a.ColorHot(), a.ColorHotTo(), a.ColorMirrorHot(), a.ColorMirrorHotTo(), a.BorderColorHot(),
            a.ArrowColorHot()};
}

TButtonColors NodeHotColors(const TButtonAppearance& a)
{
    return {a.ColorNodeHot(),      a.ColorNodeHotTo(),       a.ColorMirrorNodeHot(),
            a.ColorMirrorNodeHotTo(), a.BorderColorNodeHot(), a.ArrowColorHot()};
}

void DrawGradient(QPainter& canvas, TColor fromColor, TColor toColor, int steps, QRect r, bool horizontal)
{
    if (toColor == clNone) {
        FillBox(canvas, r.x(), r.y(), Right(r), Bottom(r), fromColor);
        return;
    }
    if (horizontal)
        r.setWidth(r.width() - 1);
    else
        r.setHeight(r.height() - 1);
    if (steps <= 0)
        steps = 1;
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const double dR = double(GetRValue(to) - GetRValue(from)) / steps;
    const double dG = double(GetGValue(to) - GetGValue(from)) / steps;
    const double dB = double(GetBValue(to) - GetBValue(from)) / steps;
    const double s = double(horizontal ? r.width() : r.height()) / steps;
    const int band = Kest::Round(s) + 1;
    for (int i = 0; i < steps; ++i) {
        TColor c = RGB(GetRValue(from) + Kest::Round(i * dR), GetGValue(from) + Kest::Round(i * dG),
                       GetBValue(from) + Kest::Round(i * dB));
        const int p = Kest::Round(i * s);
        if (horizontal)
            FillBox(canvas, r.x() + p, r.y(), r.x() + p + band, Bottom(r), c);
        else
            FillBox(canvas, r.x(), r.y() + p, Right(r), r.y() + p + band, c);
    }
}

TColor BlendColor(TColor col1, TColor col2, int percent)
{
    if (percent >= 100)
        return col1;
    if (percent <= 0)
        return col2;
    const TColor a = ColorToRGB(col1);
    const TColor b = ColorToRGB(col2);
    const double f = percent / 100.0;
    auto mix = [f](int x, int y) { return Kest::Round(f * x + (1 - f) * y); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void DrawButtonBackground(QPainter& canvas, QRect box, int halfHeight, const TButtonColors& colors, bool down,
                          bool rightLine)
{
    const int l = box.x(), t = box.y(), r = Right(box), b = Bottom(box);
    if (colors.Mirror != clNone && colors.MirrorTo != clNone) {
        DrawGradient(canvas, colors.Face, colors.FaceTo, 40, QRect(l, t, r - l, halfHeight + 1), false);
        DrawGradient(canvas, colors.Mirror, colors.MirrorTo, 40, QRect(l, t + halfHeight, r - l, b - t - halfHeight),
                     false);
    } else {
        DrawGradient(canvas, colors.Face, colors.FaceTo, 40, box, false);
    }
    if (colors.Border == clNone)
        return;
    if (down) {
        // The lower edge of the inner line falls outside the face.
        Outline(canvas, l + 1, t + 1, r - 1, b - 1 + 5, BlendColor(colors.Border, clWhite, 50));
        Outline(canvas, l, t, r, b, colors.Border);
        return;
    }
    VLine(canvas, l, t, b, colors.Border);
    int right = r;
    if (rightLine) {
        VLine(canvas, r - 1, t, b, colors.Border);
        --right;
    }
    Outline(canvas, l + 1, t, right, b, clWhite);
}

void DrawArrow(TDeviceContext& surface, QRect r, TColor color, bool chevron, double scale)
{
    const auto [cx, cy] = Centre(r);
    const int d = Kest::Round(2 * scale);
    if (!chevron)
        Lines(surface, color, 2 * scale,
              {QPointF(cx - 2 * d, cy - d), QPointF(cx, cy + d), QPointF(cx, cy + d), QPointF(cx + 2 * d, cy - d)});
    else
        Lines(surface, color, scale,
              {QPointF(cx - d, cy - d - 1), QPointF(cx + d, cy), QPointF(cx + d, cy), QPointF(cx - d, cy + d + 1)});
}

void DrawDoubleArrow(TDeviceContext& surface, QRect r, TColor color, double scale)
{
    const auto [cx, cy] = Centre(r);
    const int d = Kest::Round(2 * scale);
    Lines(surface, color, scale,
          {QPointF(cx - 2 * d, cy), QPointF(cx - 1, cy - d - 1), QPointF(cx - 2 * d, cy), QPointF(cx - 1, cy + d + 1),
           QPointF(cx, cy), QPointF(cx + 2 * d - 1, cy - d - 1), QPointF(cx, cy), QPointF(cx + 2 * d - 1, cy + d + 1)});
}

}
