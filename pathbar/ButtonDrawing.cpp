#include "pathbar/ButtonDrawing.h"

#include "framework/DeviceContext.h"
#include "framework/Rounding.h"
#include "gdiplus/KestGDIP.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/RectEdges.h"

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

TCentre Centre(const QRect& R) { return {R.x() + R.width() / 2, R.y() + R.height() / 2}; }

void Lines(TDeviceContext& Surface, TColor Color, double Width, std::initializer_list<QPointF> Points)
{
    KestGDIP::TGPGraphics g(Surface);
    g.SetSmoothingMode(GdiplusFlat::SmoothingModeAntiAlias);
    KestGDIP::TGPPen pen(KestGDIP::ColorToGPColor(Color), GdiplusFlat::REAL(Width));
    // Points come in pairs: each pair is one line.
    for (auto it = Points.begin(); it != Points.end(); it += 2)
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

void DrawGradient(QPainter& Canvas, TColor FromColor, TColor ToColor, int Steps, QRect R, bool Horizontal)
{
    if (ToColor == clNone) {
        FillBox(Canvas, R.x(), R.y(), Right(R), Bottom(R), FromColor);
        return;
    }
    if (Horizontal)
        R.setWidth(R.width() - 1);
    else
        R.setHeight(R.height() - 1);
    if (Steps <= 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const double dR = double(GetRValue(to) - GetRValue(from)) / Steps;
    const double dG = double(GetGValue(to) - GetGValue(from)) / Steps;
    const double dB = double(GetBValue(to) - GetBValue(from)) / Steps;
    const double s = double(Horizontal ? R.width() : R.height()) / Steps;
    const int band = Kest::Round(s) + 1;
    for (int i = 0; i < Steps; ++i) {
        TColor c = RGB(GetRValue(from) + Kest::Round(i * dR), GetGValue(from) + Kest::Round(i * dG),
                       GetBValue(from) + Kest::Round(i * dB));
        const int p = Kest::Round(i * s);
        if (Horizontal)
            FillBox(Canvas, R.x() + p, R.y(), R.x() + p + band, Bottom(R), c);
        else
            FillBox(Canvas, R.x(), R.y() + p, Right(R), R.y() + p + band, c);
    }
}

TColor BlendColor(TColor Col1, TColor Col2, int Percent)
{
    if (Percent >= 100)
        return Col1;
    if (Percent <= 0)
        return Col2;
    const TColor a = ColorToRGB(Col1);
    const TColor b = ColorToRGB(Col2);
    const double f = Percent / 100.0;
    auto mix = [f](int x, int y) { return Kest::Round(f * x + (1 - f) * y); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void DrawButtonBackground(QPainter& Canvas, QRect R, int HalfHeight, const TButtonColors& Colors, bool Down,
                          bool RightLine)
{
    const int l = R.x(), t = R.y(), r = Right(R), b = Bottom(R);
    if (Colors.Mirror != clNone && Colors.MirrorTo != clNone) {
        DrawGradient(Canvas, Colors.Face, Colors.FaceTo, 40, QRect(l, t, r - l, HalfHeight + 1), false);
        DrawGradient(Canvas, Colors.Mirror, Colors.MirrorTo, 40, QRect(l, t + HalfHeight, r - l, b - t - HalfHeight),
                     false);
    } else {
        DrawGradient(Canvas, Colors.Face, Colors.FaceTo, 40, R, false);
    }
    if (Colors.Border == clNone)
        return;
    if (Down) {
        // The lower edge of the inner line falls outside the face.
        Outline(Canvas, l + 1, t + 1, r - 1, b - 1 + 5, BlendColor(Colors.Border, clWhite, 50));
        Outline(Canvas, l, t, r, b, Colors.Border);
        return;
    }
    VLine(Canvas, l, t, b, Colors.Border);
    int right = r;
    if (RightLine) {
        VLine(Canvas, r - 1, t, b, Colors.Border);
        --right;
    }
    Outline(Canvas, l + 1, t, right, b, clWhite);
}

void DrawArrow(TDeviceContext& Surface, QRect R, TColor Color, bool Chevron, double Scale)
{
    const auto [cx, cy] = Centre(R);
    const int d = Kest::Round(2 * Scale);
    if (!Chevron)
        Lines(Surface, Color, 2 * Scale,
              {QPointF(cx - 2 * d, cy - d), QPointF(cx, cy + d), QPointF(cx, cy + d), QPointF(cx + 2 * d, cy - d)});
    else
        Lines(Surface, Color, Scale,
              {QPointF(cx - d, cy - d - 1), QPointF(cx + d, cy), QPointF(cx + d, cy), QPointF(cx - d, cy + d + 1)});
}

void DrawDoubleArrow(TDeviceContext& Surface, QRect R, TColor Color, double Scale)
{
    const auto [cx, cy] = Centre(R);
    const int d = Kest::Round(2 * Scale);
    Lines(Surface, Color, Scale,
          {QPointF(cx - 2 * d, cy), QPointF(cx - 1, cy - d - 1), QPointF(cx - 2 * d, cy), QPointF(cx - 1, cy + d + 1),
           QPointF(cx, cy), QPointF(cx + 2 * d - 1, cy - d - 1), QPointF(cx, cy), QPointF(cx + 2 * d - 1, cy + d + 1)});
}

}
