#pragma once

#pragma GCC visibility push(default)
// Float geometry shared by the picture and graphics libraries: points,
// rectangles (left, top, right, bottom) and sizes in 32-bit floats, pixels,
// y growing downwards.

struct TPointF {
    float X = 0;
    float Y = 0;
    constexpr TPointF() = default;
    constexpr TPointF(float x, float y) : X(x), Y(y) {}
    friend constexpr bool operator==(const TPointF&, const TPointF&) = default;
};

struct TSizeF {
    float Width = 0;
    float Height = 0;
    constexpr TSizeF() = default;
    constexpr TSizeF(float width, float height) : Width(width), Height(height) {}
    friend constexpr bool operator==(const TSizeF&, const TSizeF&) = default;
};

struct TRectF {
    float Left = 0;
    float Top = 0;
    float Right = 0;
    float Bottom = 0;
    constexpr TRectF() = default;
    constexpr TRectF(float left, float top, float right, float bottom)
        : Left(left), Top(top), Right(right), Bottom(bottom)
    {
    }
    constexpr float Width() const { return Right - Left; }
    constexpr float Height() const { return Bottom - Top; }
    friend constexpr bool operator==(const TRectF&, const TRectF&) = default;
};

#pragma GCC visibility pop
