#pragma once
// The canvas brush: the colour shapes are filled with, or no filling.

#include "framework/Color.h"

#pragma GCC visibility push(default)

enum TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return FColor; }
    void SetColor(TColor value) { FColor = value; }
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle value) { FStyle = value; }
    friend bool operator==(const TBrush&, const TBrush&) = default;

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
};

#pragma GCC visibility pop
