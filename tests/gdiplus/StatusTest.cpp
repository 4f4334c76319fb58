// Status handling shared by every wrapper, and what happens when the
// library or one of its functions is missing.

#include "ModuleTraits.h"

#include "framework/DeviceContext.h"

using namespace GdiplusFlat;

namespace {

template <class M>
class StatusHandling : public ::testing::Test {
protected:
    TDeviceContext dc{10, 10};
};

TYPED_TEST_SUITE(StatusHandling, BothModules, ModuleNames);

TYPED_TEST(StatusHandling, FailureIsReportedOnceThenOk)
{
    typename TypeParam::Graphics graphics(this->dc);
    ASSERT_EQ(graphics.GetLastStatus(), Ok);
    // A missing pen is passed on as a null handle and refused.
    EXPECT_EQ(graphics.DrawLine(nullptr, 0.0f, 0.0f, 5.0f, 5.0f), InvalidParameter);
    typename TypeParam::Pen pen(0xFF000000, 1);
    EXPECT_EQ(graphics.DrawLine(&pen, 0.0f, 0.0f, 5.0f, 5.0f), Ok); // success keeps the failure
    EXPECT_EQ(graphics.GetLastStatus(), InvalidParameter);
    EXPECT_EQ(graphics.GetLastStatus(), Ok);
}

TYPED_TEST(StatusHandling, InterpolationColorsNeedAtLeastOneStop)
{
    typename TypeParam::LinearGradientBrush brush(GPRectFOf(0, 0, 10, 10), 0xFF000000, 0xFFFFFFFF,
                                                  LinearGradientModeVertical);
    ASSERT_EQ(brush.GetLastStatus(), Ok);
    const ARGB colors[] = {0xFF000000, 0xFF808080, 0xFFFFFFFF};
    const REAL positions[] = {0, 0.5f, 1};
    struct Row {
        const char* Name;
        const ARGB* Colors;
        const REAL* Positions;
        INT Count;
        Status Expected;
    };
    const Row rows[] = {
        {"zero", colors, positions, 0, InvalidParameter},
        {"negative", colors, positions, -3, InvalidParameter},
        {"no colours", nullptr, positions, 3, InvalidParameter},
        {"three stops", colors, positions, 3, Ok},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(brush.SetInterpolationColors(row.Colors, row.Positions, row.Count), row.Expected) << row.Name;
        EXPECT_EQ(brush.GetLastStatus(), row.Expected) << row.Name;
    }
}

TEST(ClassesInterpolationColors, RefusedCountLeavesTheBrushAlone)
{
    using namespace KestGDIPlusClasses;
    TGPLinearGradientBrush brush(GPRectFOf(0, 0, 10, 10), 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    const ARGB colors[] = {0xFF000000, 0xFF808080, 0xFFFFFFFF};
    const REAL positions[] = {0, 0.5f, 1};
    ASSERT_EQ(brush.SetInterpolationColors(colors, positions, 3), Ok);
    EXPECT_EQ(brush.SetInterpolationColors(colors, positions, 0), InvalidParameter);
    EXPECT_EQ(brush.GetInterpolationColorCount(), 3);
}

TEST(DrawingLibrary, MissingLibraryIsNamedInsteadOfCalled)
{
    TGdiplusLibrary library;
    EXPECT_FALSE(library.Load(QStringLiteral("libkest-no-such-drawing-library.so.0")));
    EXPECT_FALSE(library.Error().isEmpty());
    try {
        library.Entry(&TGdiplusApiTable::GdipCreatePath, "GdipCreatePath");
        FAIL() << "an empty entry was handed out";
    } catch (const EGdiplusError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("libkest-no-such-drawing-library.so.0"))) << e.what();
    }
}

TEST(DrawingLibrary, EveryMissingFunctionIsListedAndNamedOnUse)
{
    TGdiplusLibrary library;
    ASSERT_TRUE(library.Load(QString::fromLatin1(KestGDIPlusApi::GdiplusLibraryName)));
    EXPECT_NE(library.Table().GdipCreatePath, nullptr);
    EXPECT_TRUE(library.MissingEntries().contains(QStringLiteral("GdipCreateCachedBitmap")));
    EXPECT_FALSE(library.MissingEntries().contains(QStringLiteral("GdipDrawString")));
    try {
        library.Entry(&TGdiplusApiTable::GdipEmfToWmfBits, "GdipEmfToWmfBits");
        FAIL() << "an empty entry was handed out";
    } catch (const EGdiplusError& e) {
        EXPECT_TRUE(e.Message().endsWith(QStringLiteral("has no function GdipEmfToWmfBits"))) << e.what();
    }
}

TEST(DrawingLibrary, WrapperOverAMissingFunctionRaisesNamingIt)
{
    using namespace KestGDIPlusClasses;
    TDeviceContext dc(4, 4);
    TGPGraphics graphics(dc);
    TGPBitmap bitmap(4, 4);
    try {
        auto cached = std::make_unique<TGPCachedBitmap>(&bitmap, &graphics);
        FAIL() << "created over a missing function";
    } catch (const EGdiplusError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("GdipCreateCachedBitmap"))) << e.what();
    }
}

}
