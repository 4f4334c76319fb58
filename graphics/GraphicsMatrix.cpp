#include "graphics/GraphicsMatrix.h"

#include <cmath>

namespace {

// Below this the matrix counts as singular (the smallest float magnitudes
// give no usable inverse).
constexpr float SingularDeterminant = 1E-40f;

TKestGraphicsMatrix WithElements(double m11, double m12, double m21, double m22, double m31, double m32)
{
    TKestGraphicsMatrix m;
    m.M = {{{float(m11), float(m12), 0}, {float(m21), float(m22), 0}, {float(m31), float(m32), 1}}};
    return m;
}

}

TKestGraphicsMatrix TKestGraphicsMatrix::Identity() { return WithElements(1, 0, 0, 1, 0, 0); }

TKestGraphicsMatrix TKestGraphicsMatrix::CreateRotation(double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return WithElements(c, s, -s, c, 0, 0);
}

TKestGraphicsMatrix TKestGraphicsMatrix::CreateScaling(double scaleX, double scaleY)
{
    return WithElements(scaleX, 0, 0, scaleY, 0, 0);
}

TKestGraphicsMatrix TKestGraphicsMatrix::CreateTranslation(double deltaX, double deltaY)
{
    return WithElements(1, 0, 0, 1, deltaX, deltaY);
}

float TKestGraphicsMatrix::Determinant() const
{
    const double a = m11(), b = m12(), c = m13(), d = m21(), e = m22(), f = m23(), g = m31(), h = m32(), i = m33();
    return float(a * (e * i - h * f) - b * (d * i - g * f) + c * (d * h - g * e));
}

TKestGraphicsMatrix TKestGraphicsMatrix::Adjoint() const
{
    const double a = m11(), b = m12(), c = m13(), d = m21(), e = m22(), f = m23(), g = m31(), h = m32(), i = m33();
    TKestGraphicsMatrix r;
    // The transposed cofactors.
    r.M = {{{float(e * i - f * h), float(c * h - b * i), float(b * f - c * e)},
            {float(f * g - d * i), float(a * i - c * g), float(c * d - a * f)},
            {float(d * h - e * g), float(b * g - a * h), float(a * e - b * d)}}};
    return r;
}

TKestGraphicsMatrix TKestGraphicsMatrix::Inverse() const
{
    const float det = Determinant();
    if (!(std::fabs(det) >= SingularDeterminant))
        return Identity();
    const double factor = 1.0 / double(det);
    TKestGraphicsMatrix r = Adjoint();
    for (auto& row : r.M)
        for (float& v : row)
            v = float(double(v) * factor);
    return r;
}

TKestGraphicsMatrix operator*(const TKestGraphicsMatrix& matrix1, const TKestGraphicsMatrix& matrix2)
{
    TKestGraphicsMatrix r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            double sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += double(matrix1.M[i][k]) * double(matrix2.M[k][j]);
            r.M[i][j] = float(sum);
        }
    return r;
}

TPointF operator*(const TPointF& point, const TKestGraphicsMatrix& matrix)
{
    const double x = point.X, y = point.Y;
    return {float(x * matrix.m11() + y * matrix.m21() + matrix.m31()),
            float(x * matrix.m12() + y * matrix.m22() + matrix.m32())};
}

TKestGraphicsMatrix MatrixIdentity() { return TKestGraphicsMatrix::Identity(); }

TKestGraphicsMatrix MatrixEmpty() { return TKestGraphicsMatrix(); }

bool MatrixIsEmpty(const TKestGraphicsMatrix& matrix) { return matrix == MatrixEmpty(); }

TKestGraphicsMatrix MatrixCreateRotation(double angle) { return TKestGraphicsMatrix::CreateRotation(angle); }

TKestGraphicsMatrix MatrixCreateScaling(double scaleX, double scaleY)
{
    return TKestGraphicsMatrix::CreateScaling(scaleX, scaleY);
}

TKestGraphicsMatrix MatrixCreateTranslation(double deltaX, double deltaY)
{
    return TKestGraphicsMatrix::CreateTranslation(deltaX, deltaY);
}

TPointF MatrixMultiplyPoint(const TPointF& point, const TKestGraphicsMatrix& matrix) { return point * matrix; }

TKestGraphicsMatrix MatrixMultiply(const TKestGraphicsMatrix& matrix1, const TKestGraphicsMatrix& matrix2)
{
    return matrix1 * matrix2;
}
