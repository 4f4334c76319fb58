#pragma once

#pragma GCC visibility push(default)
// An integer rectangle by its edges: the pixels it covers are the columns
// Left..Right-1 and the rows Top..Bottom-1.

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom) : Left(left), Top(top), Right(right), Bottom(bottom) {}
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

#pragma GCC visibility pop
