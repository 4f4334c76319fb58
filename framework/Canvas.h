#pragma once
// The framework canvas: drawing onto a device context's pixels. Graphics
// draw themselves through it, and the drawing library can bind to the same
// pixels (Handle) so both paint one after the other.

#include <QImage>
#include <QRect>

class TDeviceContext;
class TGraphic;

class TCanvas {
public:
    explicit TCanvas(TDeviceContext& dc) : FHandle(dc) {}
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TDeviceContext& Handle() const { return FHandle; }

    // The graphic draws itself into the rectangle (nothing for none).
    void StretchDraw(const QRect& Rect, TGraphic* Graphic);
    // At its own size with the top-left corner at (X, Y).
    void Draw(int X, int Y, TGraphic* Graphic);
    // A picture scaled into the rectangle, pixel for pixel without smoothing.
    void DrawImage(const QRect& Rect, const QImage& Image);

private:
    TDeviceContext& FHandle;
};
