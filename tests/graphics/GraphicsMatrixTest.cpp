// The affine matrix: point mapping with row vectors, products, inversion.

#include "graphics/GraphicsMatrix.h"

#include <gtest/gtest.h>
#include <numbers>

namespace {

using M = TKestGraphicsMatrix;

struct TMappingCase {
    const char* Name;
    M Matrix;
    TPointF Point;
    TPointF Expected;
};

TEST(GraphicsMatrix, MapsPointsFirstByTheLeftFactor)
{
    const TMappingCase cases[] = {
        {"identity", M::Identity(), {3, -4}, {3, -4}},
        {"quarter turn", M::CreateRotation(std::numbers::pi / 2), {1, 0}, {0, 1}},
        {"translation", M::CreateTranslation(5, 7), {0, 0}, {5, 7}},
        {"scaling", M::CreateScaling(2, 3), {1, 1}, {2, 3}},
        {"translate then scale", M::CreateTranslation(5, 7) * M::CreateScaling(2, 2), {0, 0}, {10, 14}},
        {"scale then translate", M::CreateScaling(2, 2) * M::CreateTranslation(5, 7), {1, 1}, {7, 9}},
        {"free function", MatrixMultiply(MatrixCreateRotation(std::numbers::pi), MatrixCreateTranslation(1, 0)),
         {1, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const TPointF p = MatrixMultiplyPoint(c.Point, c.Matrix);
        EXPECT_NEAR(p.X, c.Expected.X, 1e-6);
        EXPECT_NEAR(p.Y, c.Expected.Y, 1e-6);
    }
}

TEST(GraphicsMatrix, InverseUndoesTheMapping)
{
    const M scaling = M::CreateScaling(2, 4).Inverse();
    EXPECT_FLOAT_EQ(scaling.m11(), 0.5f);
    EXPECT_FLOAT_EQ(scaling.m22(), 0.25f);

    const M m = M::CreateRotation(0.3) * M::CreateScaling(3, 0.5) * M::CreateTranslation(-7, 11);
    const M product = m * m.Inverse();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(product.M[i][j], i == j ? 1 : 0, 1e-5) << i << "," << j;
}

TEST(GraphicsMatrix, SingularMatrixInvertsToTheIdentity)
{
    EXPECT_EQ(M::CreateScaling(0, 5).Inverse(), M::Identity());
    EXPECT_EQ(MatrixEmpty().Inverse(), M::Identity());
    // Tiny but regular: still inverted.
    EXPECT_FLOAT_EQ(M::CreateScaling(1e-10, 1e-10).Inverse().m11(), 1e10f);
}

TEST(GraphicsMatrix, DeterminantAndAdjointOfAFullMatrix)
{
    M m;
    m.M = {{{2, 0, 1}, {1, 3, 2}, {1, 1, 2}}};
    EXPECT_FLOAT_EQ(m.Determinant(), 6);
    M expected;
    expected.M = {{{4, 1, -3}, {0, 3, -3}, {-2, -2, 6}}};
    EXPECT_EQ(m.Adjoint(), expected);
    const M product = m * m.Inverse();
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(product.M[i][j], i == j ? 1 : 0, 1e-6) << i << "," << j;
}

TEST(GraphicsMatrix, EmptyMeansAllNineZero)
{
    EXPECT_TRUE(MatrixIsEmpty(MatrixEmpty()));
    EXPECT_FALSE(MatrixIsEmpty(MatrixIdentity()));
    M m;
    m.m32() = 1e-30f;
    EXPECT_FALSE(MatrixIsEmpty(m));
}

}
