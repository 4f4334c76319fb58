#pragma once
// The 3x3 affine matrix of the graphics library. Points are row vectors
// multiplied on the left: x' = x*m11 + y*m21 + m31, y' = x*m12 + y*m22 + m32.
// Arithmetic runs in double precision; every stored element is a float.

#include "framework/FloatGeometry.h"

#include <array>

#pragma GCC visibility push(default)

using TKestGraphicsVector = std::array<float, 3>;
using TKestGraphicsMatrixArray = std::array<TKestGraphicsVector, 3>;

struct TKestGraphicsMatrix {
    // Rows M[0] to M[2]; m11 ... m33 name the same nine elements.
    TKestGraphicsMatrixArray M{};

    float& m11() { return M[0][0]; }
    float& m12() { return M[0][1]; }
    float& m13() { return M[0][2]; }
    float& m21() { return M[1][0]; }
    float& m22() { return M[1][1]; }
    float& m23() { return M[1][2]; }
    float& m31() { return M[2][0]; }
    float& m32() { return M[2][1]; }
    float& m33() { return M[2][2]; }
    float m11() const { return M[0][0]; }
    float m12() const { return M[0][1]; }
    float m13() const { return M[0][2]; }
    float m21() const { return M[1][0]; }
    float m22() const { return M[1][1]; }
    float m23() const { return M[1][2]; }
    float m31() const { return M[2][0]; }
    float m32() const { return M[2][1]; }
    float m33() const { return M[2][2]; }

    static TKestGraphicsMatrix Identity();
    // Angle in radians; positive turns clockwise on screen (y down).
    static TKestGraphicsMatrix CreateRotation(double angle);
    static TKestGraphicsMatrix CreateScaling(double scaleX, double scaleY);
    static TKestGraphicsMatrix CreateTranslation(double deltaX, double deltaY);

    float Determinant() const;
    TKestGraphicsMatrix Adjoint() const;
    // The identity when the matrix cannot be inverted.
    TKestGraphicsMatrix Inverse() const;

    // Maps first by matrix1, then by matrix2.
    friend TKestGraphicsMatrix operator*(const TKestGraphicsMatrix& matrix1, const TKestGraphicsMatrix& matrix2);
    friend TPointF operator*(const TPointF& point, const TKestGraphicsMatrix& matrix);
    friend bool operator==(const TKestGraphicsMatrix&, const TKestGraphicsMatrix&) = default;
};

// Declared again here: a friend declaration alone does not carry the
// header's exported visibility.
TKestGraphicsMatrix operator*(const TKestGraphicsMatrix& matrix1, const TKestGraphicsMatrix& matrix2);
TPointF operator*(const TPointF& point, const TKestGraphicsMatrix& matrix);

TKestGraphicsMatrix MatrixIdentity();
TKestGraphicsMatrix MatrixEmpty();
bool MatrixIsEmpty(const TKestGraphicsMatrix& matrix);
TKestGraphicsMatrix MatrixCreateRotation(double angle);
TKestGraphicsMatrix MatrixCreateScaling(double scaleX, double scaleY);
TKestGraphicsMatrix MatrixCreateTranslation(double deltaX, double deltaY);
TPointF MatrixMultiplyPoint(const TPointF& point, const TKestGraphicsMatrix& matrix);
TKestGraphicsMatrix MatrixMultiply(const TKestGraphicsMatrix& matrix1, const TKestGraphicsMatrix& matrix2);

#pragma GCC visibility pop
