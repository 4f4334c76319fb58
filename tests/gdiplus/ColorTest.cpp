// Framework colours as drawing colours.

#include "gdiplus/KestGDIP.h"

#include <gtest/gtest.h>

using namespace KestGDIP;

namespace {

TEST(GPColor, FrameworkColoursMoveRedAndBlueIntoPlace)
{
    SetSystemColor(15, RGB(0x12, 0x34, 0x56)); // clBtnFace
    struct Row {
        const char* Name;
        TColor Color;
        GdiplusFlat::BYTE Alpha;
        GdiplusFlat::ARGB Expected;
    };
    const Row rows[] = {
        {"red", clRed, 255, 0xFFFF0000},
        {"blue", clBlue, 255, 0xFF0000FF},
        {"mixed", RGB(1, 2, 3), 255, 0xFF010203},
        {"system colour", clBtnFace, 255, 0xFF123456},
        {"half alpha", RGB(1, 2, 3), 0x80, 0x80010203},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ColorToGPColorAlpha(row.Alpha, row.Color), row.Expected) << row.Name;
    EXPECT_EQ(ColorToGPColor(clBtnFace), 0xFF123456u);
    RefreshSystemColors();
}

}
