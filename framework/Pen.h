#pragma once
// The canvas pen: colour, width in pixels and line style.

#include "framework/Color.h"

#pragma GCC visibility push(default)

// psAlternate sets every other pixel (focus marks); psInsideFrame draws as
// psSolid here.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psAlternate };

class TPen {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    // A width below 1 draws one pixel wide.
    int Width() const { return FWidth; }
    void SetWidth(int value) { FWidth = value; }
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle value) { FStyle = value; }
    friend bool operator==(const TPen&, const TPen&) = default;

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
};

#pragma GCC visibility pop
