// Numbers, lengths, angles, colours and transforms as attributes write them.

#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGColor.h"
#include "graphics/svg/KestGraphicsSVGTransform.h"
#include "graphics/svg/KestGraphicsSVGValues.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct TNumberCase {
    const char* Text;
    float Number;
    float Length;
};

TEST(SVGValues, NumbersAndLengths)
{
    const TNumberCase cases[] = {
        {"12", 12, 12},
        {" -1.5e2 ", -150, -150},
        {"+.5", 0.5f, 0.5f},
        {"100pt", 0, 125},
        {"2pc", 0, 30},
        {"1in", 0, 90},
        {"25.4mm", 0, 90},
        {"10px", 0, 10},
        {"3em", 0, 3},
        {"50%", 0, 50},
        // Malformed, and values no float holds, read as 0.
        {"", 0, 0},
        {"abc", 0, 0},
        {"1.2.3", 0, 0},
        {"--1", 0, 0},
        {"inf", 0, 0},
        {"nan", 0, 0},
        {"1e39", 0, 0},
        {"1e400px", 0, 0},
        {"1e38in", 0, 0},
    };
    for (const TNumberCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Number(QString::fromLatin1(c.Text)), c.Number);
        EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Length(QString::fromLatin1(c.Text)), c.Length);
    }
}

TEST(SVGValues, AnglesInDegrees)
{
    EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Angle(u"90"), 90);
    EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Angle(u"90deg"), 90);
    EXPECT_NEAR(TKestGraphicsSVGValues::Angle(u"3.14159265rad"), 180, 1e-4);
    EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Angle(u"100grad"), 90);
    EXPECT_FLOAT_EQ(TKestGraphicsSVGValues::Angle(u"x"), 0);
}

struct TColorCase {
    const char* Text;
    TColor Color;
    int Alpha;
};

TEST(SVGColors, EveryForm)
{
    const TColorCase cases[] = {
        {"#F80", 0x0088FF, 255},
        {"#102030", 0x302010, 255},
        {"red", 0x0000FF, 255},
        {"clRed", 0x0000FF, 255},
        {"gcred", 0x0000FF, 255},
        {"NoSuchColour", 0, 255},
        {"rgb(100%, 0, 0)", 0x0000FF, 255},
        {"rgb(255,128,0)", 0x0080FF, 255},
        {"rgb(#ff, 0, a)", 0x0A00FF, 255},
        {"rgb(300, 0, 0)", 0x0000FF, 255},
        {"rgb(150%, 0, 0)", 0x0000FF, 255},
        {"rgba(0, 0, 255, 0)", 0xFF0000, 0},
        {"rgba(0, 0, 255, 0.5)", 0xFF0000, 128},
        {"rgba(0, 0, 255, 1)", 0xFF0000, 255},
        {"rgb(0 255 0 / 0)", 0x00FF00, 0},
        {"RGB(0%, 50%, 0%)", 0x008000, 255},
        {"#FF000080", 0x0000FF, 128},
        {"#00f8", 0xFF0000, 136},
        {"hsl(120, 100%, 25%)", 0x008000, 255},
        {"hsl(-240, 100%, 50%)", 0x00FF00, 255},
        {"hsl(0deg 0% 100%)", 0xFFFFFF, 255},
        {"hsla(240, 100%, 50%, 0.5)", 0xFF0000, 128},
        {"#FF0000GG", gcNull, 255},
        {"hsl(a, 1%, 1%)", gcNull, 255},
        // A negative component is clamped: it never sets the top bit that
        // marks a system colour.
        {"rgb(-5, 0, 0)", 0, 255},
        {"rgb(-1, -1, -1)", 0, 255},
        // Malformed colours give -1 and never raise.
        {"#", gcNull, 255},
        {"#12", gcNull, 255},
        {"#GG0000", gcNull, 255},
        {"#12345", gcNull, 255},
        {"rgb(1, 2)", gcNull, 255},
        {"rgb(1, 2, 3", gcNull, 255},
        {"rgb(x, y, z)", gcNull, 255},
        {"rgbz(1, 2, 3)", gcNull, 255},
    };
    for (const TColorCase& c : cases) {
        SCOPED_TRACE(c.Text);
        int alpha = -1;
        EXPECT_EQ(TKestGraphicsSVGColor::Parse(QString::fromLatin1(c.Text), alpha), c.Color);
        EXPECT_EQ(alpha, c.Alpha);
    }
}

void ExpectMaps(const TKestGraphicsMatrix& m, TPointF from, TPointF to)
{
    const TPointF p = from * m;
    EXPECT_NEAR(p.X, to.X, 1e-4);
    EXPECT_NEAR(p.Y, to.Y, 1e-4);
}

struct TTransformCase {
    const char* Text;
    TPointF From;
    TPointF To;
};

TEST(SVGTransforms, FunctionsComposeAsWritten)
{
    const TTransformCase cases[] = {
        {"", {3, 4}, {3, 4}},
        {"translate(10, 20)", {1, 1}, {11, 21}},
        {"translate(10)", {1, 1}, {11, 1}},
        {"scale(2)", {1, 3}, {2, 6}},
        {"scale(2 3)", {1, 1}, {2, 3}},
        {"rotate(90)", {1, 0}, {0, 1}},
        {"rotate(90, 10, 10)", {10, 0}, {20, 10}},
        {"matrix(1 0 0 1 5 6)", {1, 1}, {6, 7}},
        {"skewX(45)", {0, 1}, {1, 1}},
        {"skewY(45)", {1, 0}, {1, 1}},
        // A translation followed by a rotation turns about the translated
        // origin.
        {"translate(10, 20) rotate(90)", {0, 0}, {10, 20}},
        {"translate(10, 20) rotate(90)", {1, 0}, {10, 21}},
        // The rightmost function applies to the points first.
        {"translate(10,20) scale(2)", {1, 0}, {12, 20}},
        {"scale(2) translate(10,20)", {1, 0}, {22, 40}},
        {"translate(1,1),scale(2)", {1, 1}, {3, 3}},
        // Wrong arity or unknown names contribute the identity.
        {"matrix(1 2 3)", {3, 4}, {3, 4}},
        {"translate(1, 2, 3)", {3, 4}, {3, 4}},
        {"rotate(90, 5)", {3, 4}, {3, 4}},
        {"skewX(1, 2)", {3, 4}, {3, 4}},
        {"bend(3) translate(1, 0)", {3, 4}, {4, 4}},
        {"translate(1, 0) garbage", {3, 4}, {4, 4}},
        {"translate(1, 0", {3, 4}, {3, 4}},
        {"translate(inf, nan)", {3, 4}, {3, 4}},
    };
    for (const TTransformCase& c : cases) {
        SCOPED_TRACE(c.Text);
        ExpectMaps(TKestGraphicsSVGTransform::Parse(QString::fromLatin1(c.Text)), c.From, c.To);
    }
}

}
