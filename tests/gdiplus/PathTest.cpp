// Figures of a path are built in the order of the calls.

#include "gdiplus/KestGDIPlusClasses.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace KestGDIPlusClasses;

namespace {

int Figures(TGPGraphicsPath& path)
{
    TPathData data;
    EXPECT_EQ(path.GetPathData(data), Ok);
    EXPECT_EQ(data.Count, int(data.Points.size()));
    return int(std::count(data.Types.begin(), data.Types.end(), BYTE(PathPointTypeStart)));
}

TEST(GraphicsPath, ConsecutiveLinesJoinUntilTheFigureIsClosed)
{
    TGPGraphicsPath path;
    path.AddLine(0.0f, 0.0f, 10.0f, 0.0f);
    path.AddLine(10.0f, 0.0f, 10.0f, 10.0f);
    EXPECT_EQ(Figures(path), 1);
    path.CloseFigure();
    path.AddLine(20.0f, 20.0f, 30.0f, 20.0f);
    EXPECT_EQ(Figures(path), 2);
    path.StartFigure();
    path.AddRectangle(GPRectFOf(40, 40, 5, 5));
    EXPECT_EQ(Figures(path), 3);

    TGPRectF bounds;
    ASSERT_EQ(path.GetBounds(bounds), Ok);
    EXPECT_FLOAT_EQ(bounds.X, 0);
    EXPECT_FLOAT_EQ(bounds.Width, 45);
}

TEST(GraphicsPath, EmptyPathHasNoData)
{
    TGPGraphicsPath path;
    TPathData data;
    EXPECT_EQ(path.GetPathData(data), Ok);
    EXPECT_EQ(data.Count, 0);
    EXPECT_TRUE(data.Points.empty());
}

}
