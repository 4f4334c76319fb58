#pragma once
// The working state of one line while DrawHTMLLine lays it out.

#include "graphics/html/KestHTMLLayout.h"

#pragma GCC visibility push(default)

struct TKestHTMLLayout::TLineRun {
    TKestHTMLPass Pass;
    TKestHTMLLineMetrics& Line;
    // Where the line starts and where the next item goes.
    float StartX;
    float X;
    float Top;
    // The width the line may fill.
    float Available;
    bool Ended = false;
    // Something was placed: the next item may wrap to a new line.
    bool Placed = false;
    int ListItems = 0;
    // The width of the space the last run ended with.
    float TrailingSpace = 0;
    // Drawing: the words placed one after the other since the last tag,
    // drawn together (nothing between them can change how they look).
    QString PendingText{};
    TRectF PendingRect{};

    // The bottom of the line's normal text (drawing passes: the measured line).
    float Bottom() const { return Top + Line.SuperscriptExtra + Line.Height; }
};

#pragma GCC visibility pop
