#include "pictures/RectFHelpers.h"

#include <gtest/gtest.h>

// Found by argument lookup: TRectF lives in the global namespace.
void PrintTo(const TRectF& r, std::ostream* os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

TEST(RectFHelpers, FitIntoKeepsProportionsAndCentresAndLeavesEmptyRectanglesAlone)
{
    struct Case {
        TRectF r, bounds, expected;
        float ratio;
    };
    const Case cases[] = {
        {{0, 0, 200, 100}, {0, 0, 100, 100}, {0, 25, 100, 75}, 2},
        {{0, 0, 50, 100}, {10, 10, 110, 110}, {35, 10, 85, 110}, 1},
        {{0, 0, 0, 0}, {0, 0, 100, 100}, {0, 0, 0, 0}, 1},       // 0 / 0 otherwise
        {{0, 0, 20, 10}, {0, 0, 0, 100}, {0, 0, 20, 10}, 1},     // no room
        {{0, 0, 0, 50}, {0, 0, 100, 100}, {50, 0, 50, 100}, 0.5f},
    };
    for (const Case& c : cases) {
        float ratio = -1;
        EXPECT_EQ(RectFFitInto(c.r, c.bounds, ratio), c.expected);
        EXPECT_EQ(ratio, c.ratio);
    }
}

TEST(RectFHelpers, EmptinessIntersectionAndContainment)
{
    EXPECT_TRUE(RectFIsEmpty({0, 0, 0.00001f, 10}));
    EXPECT_FALSE(RectFIsEmpty({0, 0, 1, 1}));
    EXPECT_TRUE(RectFIsEmpty({5, 0, 1, 1}));
    EXPECT_TRUE(RectFIsEmpty({10000, 0, 10000.5f, 1})); // within 1E-4 of the larger value

    TRectF out;
    EXPECT_TRUE(RectFIntersection(out, {0, 0, 10, 10}, {5, 5, 20, 20}));
    EXPECT_EQ(out, TRectF(5, 5, 10, 10));
    EXPECT_FALSE(RectFIntersection(out, {0, 0, 10, 10}, {10, 0, 20, 10}));
    EXPECT_EQ(out, TRectF());
    EXPECT_TRUE(RectFContainsPoint({0, 0, 10, 10}, {0, 0}));
    EXPECT_FALSE(RectFContainsPoint({0, 0, 10, 10}, {10, 5}));
    EXPECT_FALSE(RectFIntersects({0, 0, 10, 10}, {10, 0, 20, 10}));
}

TEST(RectFHelpers, SnappingCentringAndRoundingGoHalvesToEven)
{
    EXPECT_EQ(RectFSnapToPixels({1.7f, 2.2f, 4.3f, 5.9f}, 2, false), TRectF(1.5f, 2, 4.0f, 5.5f));
    EXPECT_EQ(RectFSnapToPixels({1.7f, 2.2f, 4.3f, 5.9f}, 0, true), TRectF(1.5f, 2.5f, 4.5f, 6.5f));
    EXPECT_EQ(RectFCenterAt({0, 0, 3, 3}, {10, 10, 16, 16}), TRectF(12, 12, 15, 15)); // 1.5 rounds to 2
    EXPECT_EQ(RectFCenterAt({0, 0, 5, 5}, {0, 0, 10, 10}), TRectF(2, 2, 7, 7));       // 2.5 rounds to 2
    EXPECT_EQ(RectFToRect({0.5f, 1.5f, 2.5f, 3.5f}), QRect(QPoint(0, 2), QPoint(1, 3)));
    EXPECT_EQ(PointFToPoint({-0.5f, 2.5f}), QPoint(0, 2));
    EXPECT_EQ(RectToRectF(QRect(1, 2, 3, 4)), TRectF(1, 2, 4, 6));
    EXPECT_FLOAT_EQ(PointFLength({3, 4}), 5);
}
