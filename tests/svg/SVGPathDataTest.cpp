// Path data: commands, number splitting, repetition, arcs and the limits of
// malformed data.

#include "graphics/svg/KestGraphicsSVGPathData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// A path list written as text: one line per path, each point as its kind
// letter (M, L, C, Z) and coordinates rounded to 0.01.
std::string Describe(const TKestGraphicsSVGElementPathList& paths)
{
    std::string out;
    for (const auto& path : paths) {
        if (!out.empty())
            out += " | ";
        for (const TKestGraphicsPathPoint& p : path->PathData()) {
            static const char kinds[] = {'M', 'L', 'C', 'Z'};
            char buffer[64];
            std::snprintf(buffer, sizeof buffer, "%c%g,%g ", kinds[p.Kind], std::round(p.Point.X * 100) / 100 + 0.0,
                          std::round(p.Point.Y * 100) / 100 + 0.0);
            out += buffer;
        }
        if (!out.empty() && out.back() == ' ')
            out.pop_back();
    }
    return out;
}

std::string Parse(const char* data)
{
    TKestGraphicsSVGElementPathList paths;
    TKestGraphicsSVGPathData::Parse(QString::fromLatin1(data), paths);
    return Describe(paths);
}

struct TPathCase {
    const char* Data;
    const char* Expected;
};

TEST(SVGPathData, Commands)
{
    const TPathCase cases[] = {
        {"M 10 10 20 20 30 10", "M10,10 L20,20 L30,10"},
        {"m 10 10 5 0 0 5", "M10,10 L15,10 L15,15"},
        {"M0,0 L10,0 H 20 V 5 h -5 v -5 Z", "M0,0 L10,0 L20,0 L20,5 L15,5 L15,0 Z0,0"},
        // Every move-to starts a path of its own; after Z the current point
        // is the start of the closed figure, and drawing on starts a new
        // subpath there.
        {"M0 0 L1 1 M5 5 L6 6", "M0,0 L1,1 | M5,5 L6,6"},
        {"M1 1 L5 1 Z l 0 2", "M1,1 L5,1 Z1,1 | M1,1 L1,3"},
        // A minus sign after a digit and a second "." start new numbers.
        {"M10-5L.5.5", "M10,-5 L0.5,0.5"},
        {"M1e1-1e-1", "M10,-0.1"},
        {"M0 0C1 2 3 4 5 6", "M0,0 C1,2 C3,4 C5,6"},
        {"M0 0c1 2 3 4 5 6s 5 5 10 0", "M0,0 C1,2 C3,4 C5,6 C7,8 C10,11 C15,6"},
        // A smooth curve after a line takes the current point as its first control.
        {"M0 0 L 3 3 S 6 6 9 3", "M0,0 L3,3 C3,3 C6,6 C9,3"},
        // A quadratic curve is the exact cubic with controls at two thirds.
        {"M0 0 Q 3 3 6 0", "M0,0 C2,2 C4,2 C6,0"},
        {"M0 0 Q 3 3 6 0 T 12 0", "M0,0 C2,2 C4,2 C6,0 C8,-2 C10,-2 C12,0"},
        // Drawing before the first move-to only moves the current point.
        {"L 10 10 M 1 1 l 1 1", "M1,1 L2,2"},
        {"l 10 10 m 1 1 l 1 1", "M11,11 L12,12"},
        // Z drops its arguments.
        {"M0 0 L1 0 Z 7 7", "M0,0 L1,0 Z0,0"},
        // Other characters are passed over.
        {"M0 0 L#1 !2", "M0,0 L1,2"},
        {"", ""},
        {"garbage", ""},
    };
    for (const TPathCase& c : cases) {
        SCOPED_TRACE(c.Data);
        EXPECT_EQ(Parse(c.Data), c.Expected);
    }
}

TEST(SVGPathData, TooFewNumbersEndTheData)
{
    const TPathCase cases[] = {
        {"M 10", ""},
        {"M 0 0 L 10", "M0,0"},
        {"M 0 0 L 10 L 5 5", "M0,0"},
        {"M 0 0 C 1 2 3 4 5", "M0,0"},
        {"M 0 0 A 5 5 0 0 1 10", "M0,0"},
        {"M 0 0 H", "M0,0"},
        // More groups than one, with a number over: the first group only,
        // as repetition is not applied then.
        {"M 0 0 L 1 1 2 2 3", "M0,0 L1,1"},
    };
    for (const TPathCase& c : cases) {
        SCOPED_TRACE(c.Data);
        EXPECT_EQ(Parse(c.Data), c.Expected);
    }
}

TEST(SVGPathData, Arcs)
{
    const TPathCase cases[] = {
        // End equal to start: nothing; a zero radius: a straight line.
        {"M 5 5 A 10 10 0 0 1 5 5", "M5,5"},
        {"M 0 0 A 0 10 0 0 1 10 0", "M0,0 L0,0 L10,0"},
        // A half circle of radius 5 in two quarter curves.
        {"M 0 0 A 5 5 0 0 1 10 0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
        {"M 0 0 A 5 5 0 0 0 10 0", "M0,0 L0,0 C0,2.76 C2.24,5 C5,5 C7.76,5 C10,2.76 C10,0"},
        // Radii too small are scaled up: the same half circle.
        {"M 0 0 A 1 1 0 0 1 10 0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
        // Negative radii are made positive.
        {"M 0 0 a -5 -5 0 0 1 10 0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
        // Flags are one character each: no separator needed after them.
        {"M 0 0 A 5 5 0 0110 0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
        {"M 0 0 A 5,5,0,0,1,10,0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
        // A flag other than 0 or 1 ends the data; what came before stays.
        {"M 0 0 L 1 0 A 5 5 0 -1 0 10 0 L 9 9", "M0,0 L1,0"},
        {"M 0 0 A 5 5 0 0 7 10 0 L 9 9", "M0,0"},
        {"M 0 0 A 5 5 0 0 1 10 0 5 5 0 0 2 0 0", "M0,0 L0,0 C0,-2.76 C2.24,-5 C5,-5 C7.76,-5 C10,-2.76 C10,0"},
    };
    for (const TPathCase& c : cases) {
        SCOPED_TRACE(c.Data);
        EXPECT_EQ(Parse(c.Data), c.Expected);
    }
}

// Large-arc and sweep pick one of four arcs; 300 degrees take four parts.
TEST(SVGPathData, ArcFlagsPickTheArc)
{
    TKestGraphicsSVGElementPathList paths;
    TKestGraphicsSVGPathData::Parse(u"M 0 0 A 10 10 0 1 1 10 0", paths);
    ASSERT_EQ(paths.size(), 1u);
    const TRectF bounds = paths[0]->GetBounds();
    EXPECT_GT(bounds.Bottom - bounds.Top, 15); // the long way round
    EXPECT_EQ(paths[0]->Count(), 2 + 4 * 3); // 300 degrees
}

// Coordinates so large that the root's argument rounds below 0, and
// nearly collinear radii: never NaN.
TEST(SVGPathData, ArcsStayFinite)
{
    const char* cases[] = {
        "M 0 0 A 5 5 0 0 1 10 0.0000001",
        "M 1e30 1e30 A 1e30 1e-30 45 1 0 -1e30 -1e30",
        "M 0 0 A 3e38 3e38 0 0 1 1e-38 0",
        "M 0 0 A 1e-30 1e-30 30 1 1 1 1",
    };
    for (const char* data : cases) {
        SCOPED_TRACE(data);
        TKestGraphicsSVGElementPathList paths;
        TKestGraphicsSVGPathData::Parse(QString::fromLatin1(data), paths);
        for (const auto& path : paths)
            for (const TKestGraphicsPathPoint& p : path->PathData()) {
                EXPECT_FALSE(std::isnan(p.Point.X));
                EXPECT_FALSE(std::isnan(p.Point.Y));
            }
    }
}

TEST(SVGPathData, NumbersOfPointLists)
{
    EXPECT_EQ(TKestGraphicsSVGPathData::Numbers(u"10,20 30-40 1e2.5"), (std::vector<float>{10, 20, 30, -40, 100, 0.5f}));
    EXPECT_TRUE(TKestGraphicsSVGPathData::Numbers(u" , ").empty());
}

}
