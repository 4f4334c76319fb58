// Status handling shared by every wrapper, and what happens when the
// library or one of its functions is missing.

#include "ModuleTraits.h"

#include "framework/DeviceContext.h"

#include <functional>

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

// Calls the drawing library refuses, one per wrapper method: each method
// must hand back the library's status and remember it for GetLastStatus.
TYPED_TEST(StatusHandling, EveryMethodPassesTheLibrarysRefusalOn)
{
    using M = TypeParam;
    typename M::Graphics graphics(this->dc);
    typename M::Pen pen(0xFF000000, 1);
    typename M::SolidBrush brush(0xFF000000);
    typename M::GraphicsPath path;
    typename M::Matrix matrix;
    typename M::Matrix singular(0, 0, 0, 0, 0, 0);
    typename M::Region region;
    ASSERT_EQ(path.AddLine(0.0f, 0.0f, 5.0f, 5.0f), Ok);
    TGPPointF points[] = {{0, 0}, {5, 5}, {0, 5}};
    const TGPRectF rect = GPRectFOf(0, 0, 5, 5);
    const auto ofGraphics = [&] { return graphics.GetLastStatus(); };
    const auto ofPath = [&] { return path.GetLastStatus(); };
    const auto ofMatrix = [&] { return matrix.GetLastStatus(); };
    const auto ofSingular = [&] { return singular.GetLastStatus(); };
    struct Row {
        const char* Name;
        std::function<Status()> Call;
        std::function<Status()> LastStatus; // of the object called
        Status Expected;
    };
    // clang-format off
    const Row rows[] = {
        {"Graphics.DrawPath without a pen",       [&] { return graphics.DrawPath(nullptr, &path); },          ofGraphics, InvalidParameter},
        {"Graphics.DrawRectangle without a pen",  [&] { return graphics.DrawRectangle(nullptr, rect); },      ofGraphics, InvalidParameter},
        {"Graphics.FillRectangle without a brush",[&] { return graphics.FillRectangle(nullptr, rect); },      ofGraphics, InvalidParameter},
        {"Graphics.FillPath without a path",      [&] { return graphics.FillPath(&brush, nullptr); },         ofGraphics, InvalidParameter},
        {"Graphics.FillPolygon of no points",     [&] { return graphics.FillPolygon(&brush, points, 0); },    ofGraphics, InvalidParameter},
        {"Graphics.DrawImage without an image",   [&] { return graphics.DrawImage(nullptr, 0.0f, 0.0f, 5.0f, 5.0f); }, ofGraphics, InvalidParameter},
        {"Graphics.SetTransform without a matrix",[&] { return graphics.SetTransform(nullptr); },             ofGraphics, InvalidParameter},
        {"Graphics.SetTransform singular",        [&] { return graphics.SetTransform(&singular); },           ofGraphics, InvalidParameter},
        {"Graphics.MultiplyTransform singular",   [&] { return graphics.MultiplyTransform(&singular); },      ofGraphics, InvalidParameter},
        {"Graphics.SetSmoothingMode unknown",     [&] { return graphics.SetSmoothingMode(99); },              ofGraphics, InvalidParameter},
        {"Path.AddLines without points",          [&] { return path.AddLines(nullptr, 2); },                   ofPath,     InvalidParameter},
        {"Path.AddPolygon of two points",         [&] { return path.AddPolygon(points, 2); },                 ofPath,     InvalidParameter},
        {"Path.AddCurve of one point",            [&] { return path.AddCurve(points, 1); },                   ofPath,     InvalidParameter},
        {"Path.GetPathPoints too few",            [&] { return path.GetPathPoints(points, 1); },              ofPath,     InsufficientBuffer},
        {"Matrix.Multiply without a matrix",      [&] { return matrix.Multiply(nullptr); },                   ofMatrix,   InvalidParameter},
        {"Matrix.TransformPoints of no points",   [&] { return matrix.TransformPoints(points, 0); },          ofMatrix,   InvalidParameter},
        {"Matrix.Invert singular",                [&] { return singular.Invert(); },                          ofSingular, InvalidParameter},
        {"Pen.SetBrush without a brush",          [&] { return pen.SetBrush(nullptr); },                      [&] { return pen.GetLastStatus(); },    InvalidParameter},
        {"Region.Union without a region",         [&] { return region.Union(static_cast<const typename M::Region*>(nullptr)); }, [&] { return region.GetLastStatus(); }, InvalidParameter},
        {"Region.Exclude without a region",       [&] { return region.Exclude(static_cast<const typename M::Region*>(nullptr)); }, [&] { return region.GetLastStatus(); }, InvalidParameter},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(row.LastStatus(), Ok) << "a failure left over from the row before";
        EXPECT_EQ(row.Call(), row.Expected);
        EXPECT_EQ(row.LastStatus(), row.Expected);
    }

    // A refused creation is kept in the new object's status field.
    typename M::LinearGradientBrush flat(GPRectFOf(0, 0, 0, 0), 0xFF000000, 0xFFFFFFFF, LinearGradientModeVertical);
    EXPECT_EQ(flat.GetLastStatus(), OutOfMemory);
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
