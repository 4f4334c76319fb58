// Drawing documents: paint and its inheritance, transforms, clip paths,
// gradients, the importer-wide overrides, GenerateBitmap and its cap, on
// both back-ends, judged by the pixels at chosen points.

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "graphics/svg/KestGraphicsSVGRenderState.h"
#include "pictures/KestBitmap.h"

#include <QImage>
#include <functional>
#include <gtest/gtest.h>

#include "svg/SVGRender.h"

namespace {

struct TProbe {
    int X;
    int Y;
    QRgb Expected;
};

struct TDrawCase {
    const char* Name;
    const char* Body;
    std::vector<TProbe> Probes;
};

class SVGDrawing : public ::testing::TestWithParam<bool> {};

// Documents of 24 x 24 drawn at 48 x 48: every probe is in scaled pixels,
// away from edges so anti-aliasing does not blur it.
TEST_P(SVGDrawing, PaintsWhatTheDocumentSays)
{
    const TDrawCase cases[] = {
        {"a fill colour", "<rect x='2' y='2' width='10' height='10' fill='#FF0000'/>", {{10, 10, Red}, {30, 30, Clear}}},
        {"black when nothing is given anywhere", "<g><path d='M0 0 H12 V12 H0 Z'/></g>",
         {{6, 6, Black}, {30, 6, Clear}}},
        {"fill inherited from the group", "<g fill='blue'><g><circle cx='12' cy='12' r='6'/></g></g>",
         {{24, 24, Blue}, {2, 2, Clear}}},
        {"fill from the class rule", "<style>.a{fill:#0000FF}</style><rect class='a' width='12' height='12'/>",
         {{6, 6, Blue}}},
        {"display none skips the element, not the next",
         "<rect width='24' height='24' fill='blue' display='none'/><rect width='12' height='12' fill='red'/>",
         {{6, 6, Red}, {36, 36, Clear}}},
        {"a hidden group hides its content",
         "<g style='display:none'><rect width='24' height='24' fill='blue'/></g>", {{24, 24, Clear}}},
        {"fill none with a stroke leaves the inside empty",
         "<rect x='4' y='4' width='16' height='16' fill='none' stroke='red' stroke-width='2'/>",
         {{8, 24, Red}, {24, 24, Clear}}},
        {"an unresolved url paints nothing", "<rect width='24' height='24' fill='url(#missing)'/>",
         {{24, 24, Clear}}},
        {"a path's transform moves it once",
         "<path d='M0 0 H4 V4 H0 Z' transform='translate(6 0)' fill='red'/>",
         {{16, 4, Red}, {4, 4, Clear}, {28, 4, Clear}}},
        {"a polygon's transform under a moved group",
         "<g transform='translate(0 12)'><polygon points='0,0 8,0 8,8 0,8' transform='translate(12 0)' "
         "fill='blue'/></g>",
         {{32, 32, Blue}, {8, 32, Clear}, {32, 8, Clear}}},
        {"nested group transforms compose",
         "<g transform='translate(12 0)'><g transform='scale(0.5)'><rect width='24' height='24' fill='red'/></g></g>",
         {{36, 12, Red}, {12, 12, Clear}, {36, 36, Clear}}},
        {"a clip path cuts the shape",
         "<clipPath id='c'><rect width='12' height='24'/></clipPath>"
         "<rect width='24' height='24' fill='red' clip-path='url(#c)'/>",
         {{12, 24, Red}, {36, 24, Clear}}},
        {"a clip path given with quotes",
         "<defs><clipPath id='c'><rect y='12' width='24' height='12'/></clipPath></defs>"
         "<rect width='24' height='24' fill='blue' clip-path=\"url('#c')\"/>",
         {{24, 36, Blue}, {24, 12, Clear}}},
    };
    for (const TDrawCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto svg = Load(QString::fromUtf8(c.Body));
        const QImage image = Render(*svg, 48, 48, GetParam());
        ASSERT_EQ(image.size(), QSize(48, 48));
        for (const TProbe& probe : c.Probes)
            EXPECT_EQ(image.pixel(probe.X, probe.Y), probe.Expected) << "at " << probe.X << ", " << probe.Y;
    }
}

// Use, nested viewports, style rules and namespaces, each judged where the
// shape must and must not land (documents of 24 x 24 drawn at 48 x 48).
TEST_P(SVGDrawing, StructureDrawsWhereSVGPutsIt)
{
    const TDrawCase cases[] = {
        {"a use moves its copy by x and y",
         "<rect id='r' width='8' height='8' fill='red'/><use href='#r' x='12' y='12'/>",
         {{8, 8, Red}, {32, 32, Red}, {32, 8, Clear}}},
        {"href wins over xlink:href; the target may come later",
         "<use href='#b' xlink:href='#r' transform='translate(12 0)'/>"
         "<defs><rect id='r' width='8' height='8' fill='red'/><rect id='b' width='8' height='8' fill='blue'/></defs>",
         {{32, 8, Blue}, {8, 8, Clear}}},
        {"transform then x and y", "<defs><rect id='r' width='4' height='4' fill='red'/></defs>"
                                   "<use href='#r' x='2' transform='scale(2)'/>",
         {{12, 4, Red}, {4, 4, Clear}}},
        {"the use's style reaches the copy, its own style stays",
         "<defs><rect id='r' width='8' height='8'/><rect id='s' width='8' height='8' fill='red'/></defs>"
         "<use href='#r' fill='blue'/><use href='#s' y='12' fill='blue'/>",
         {{8, 8, Blue}, {8, 32, Red}}},
        {"a use of a symbol fits its view box into the use's size",
         "<symbol id='s' viewBox='0 0 2 2'><rect width='1' height='1' fill='red'/></symbol>"
         "<use href='#s' x='12' width='12' height='12'/>",
         {{28, 4, Red}, {40, 4, Clear}, {28, 16, Clear}}},
        {"a use drawing its own group draws nothing more",
         "<g id='g'><rect width='8' height='8' fill='red'/><use href='#g' x='12'/></g>",
         {{8, 8, Red}, {32, 8, Clear}}},
        {"a nested svg is moved, fitted and clipped",
         "<svg x='12' width='12' height='12' viewBox='0 0 6 6'><rect width='12' height='12' fill='blue'/></svg>",
         {{36, 12, Blue}, {8, 8, Clear}, {36, 36, Clear}}},
        {"a nested svg with overflow visible is not clipped",
         "<svg width='12' height='12' overflow='visible'><rect width='24' height='24' fill='red'/></svg>",
         {{36, 36, Red}}},
        {"percentages refer to the nearest viewport",
         "<svg width='50%' height='50%' viewBox='0 0 100 100'><rect width='50%' height='100%' fill='red'/></svg>",
         {{4, 20, Red}, {16, 20, Clear}}},
        {"preserveAspectRatio places the view box",
         "<svg width='24' height='12' viewBox='0 0 2 2' preserveAspectRatio='xMaxYMin'>"
         "<rect width='2' height='2' fill='blue'/></svg>",
         {{40, 8, Blue}, {8, 8, Clear}, {20, 8, Clear}}},
        {"rules by id, type, attribute, universal and child, by specificity",
         "<style>* {fill:red} rect {fill:blue} #a, [data-x='1'] {fill:red} g > circle {fill:blue}"
         " g circle:first-child {fill:red}</style>"
         "<rect width='4' height='4'/><rect id='a' x='12' width='4' height='4' fill='blue'/>"
         "<rect data-x='1' y='12' width='4' height='4'/><g><path d='M0 0'/><circle cx='14' cy='14' r='2'/></g>",
         {{4, 4, Blue}, {28, 4, Red}, {4, 28, Red}, {28, 28, Blue}}},
        {"a style attribute beats a rule, a rule beats an attribute",
         "<style>rect {fill:red}</style><rect width='4' height='4' style='fill:blue'/>"
         "<rect x='12' width='4' height='4' fill='blue'/>",
         {{4, 4, Blue}, {28, 4, Red}}},
        {"a sheet of another type is not read",
         "<style type='text/plain'>rect {fill:red}</style><rect width='4' height='4' fill='blue'/>", {{4, 4, Blue}}},
        {"elements of another namespace are not drawn",
         "<s:g xmlns='urn:other' xmlns:s='http://www.w3.org/2000/svg'><rect width='4' height='4' fill='red'/>"
         "<s:rect x='12' width='4' height='4' fill='blue'/></s:g>",
         {{4, 4, Clear}, {28, 4, Blue}}},
    };
    for (const TDrawCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto svg = std::make_unique<TKestGraphicsSVGImport>();
        svg->LoadFromText(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' "
                                         "xmlns:xlink='http://www.w3.org/1999/xlink' viewBox='0 0 24 24'>%1</svg>")
                              .arg(QString::fromUtf8(c.Body)));
        const QImage image = Render(*svg, 48, 48, GetParam());
        ASSERT_EQ(image.size(), QSize(48, 48));
        for (const TProbe& probe : c.Probes)
            EXPECT_EQ(image.pixel(probe.X, probe.Y), probe.Expected) << "at " << probe.X << ", " << probe.Y;
    }
}

TEST_P(SVGDrawing, DocumentElementActsAsAGroup)
{
    // A size shaped unlike the view box fits it in the middle; the root's
    // own fill reaches its content.
    auto svg = std::make_unique<TKestGraphicsSVGImport>();
    svg->LoadFromText(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='48' height='24' "
                                     "viewBox='0 0 24 24' fill='blue'><rect width='24' height='24'/></svg>"));
    EXPECT_EQ(svg->ViewRect(), TRectF(0, 0, 48, 24));
    const QImage image = Render(*svg, 48, 24, GetParam());
    EXPECT_EQ(image.pixel(24, 12), Blue);
    EXPECT_EQ(qAlpha(image.pixel(4, 12)), 0);
    EXPECT_EQ(qAlpha(image.pixel(44, 12)), 0);
}

TEST_P(SVGDrawing, ViewIsStretchedToTheTarget)
{
    // (0, 0, 24, 24) into 48 x 96: twice as wide, four times as high.
    const auto svg = Load(QStringLiteral("<rect width='12' height='12' fill='red'/>"));
    const QImage image = Render(*svg, 48, 96, GetParam());
    EXPECT_EQ(image.pixel(20, 44), Red);
    EXPECT_EQ(qAlpha(image.pixel(28, 44)), 0);
    EXPECT_EQ(qAlpha(image.pixel(20, 52)), 0);
}

TEST_P(SVGDrawing, StrokeWidthFollowsTheScale)
{
    struct TCase {
        const char* Width;
        int Scale;
        int Expected;
    };
    for (const TCase& c : {TCase{"0.5", 1, 1}, TCase{"2", 3, 6}, TCase{"4", 2, 8}}) {
        SCOPED_TRACE(c.Width);
        const auto svg = Load(
            QStringLiteral("<line x1='0' y1='12' x2='24' y2='12' stroke='red' stroke-width='%1'/>").arg(c.Width));
        const QImage image = Render(*svg, 24 * c.Scale, 24 * c.Scale, GetParam());
        int covered = 0;
        for (int y = 0; y < image.height(); ++y)
            covered += qAlpha(image.pixel(image.width() / 2, y));
        // Anti-aliased edges share their coverage between two rows.
        EXPECT_NEAR(covered / 255.0, c.Expected, 1.01);
    }
}

// A stroke thinner than a pixel puts down its share of a pixel's ink, not
// a whole pixel's (the framework-canvas back-end has no opacity to do so).
TEST(SVGDrawingNative, HairlinesPutDownTheirShareOfInk)
{
    for (const char* width : {"0.25", "0.5", "0.75"}) {
        SCOPED_TRACE(width);
        const auto svg = Load(
            QStringLiteral("<line x1='0' y1='12' x2='24' y2='12' stroke='red' stroke-width='%1'/>").arg(QLatin1String(width)));
        const QImage image = Render(*svg, 24, 24, true);
        int covered = 0;
        for (int y = 0; y < image.height(); ++y)
            covered += qAlpha(image.pixel(image.width() / 2, y));
        EXPECT_NEAR(covered / 255.0, QString::fromLatin1(width).toDouble(), 0.1);
    }
}

TEST_P(SVGDrawing, ZeroStrokeWidthDrawsNoStroke)
{
    const auto svg = Load(QStringLiteral("<line x1='0' y1='12' x2='24' y2='12' stroke='red' stroke-width='0'/>"));
    const QImage image = Render(*svg, 24, 24, GetParam());
    for (int y = 0; y < 24; ++y)
        EXPECT_EQ(qAlpha(image.pixel(12, y)), 0);
}

TEST_P(SVGDrawing, Overrides)
{
    struct TCase {
        const char* Name;
        TSetUp SetUp;
        QRgb Expected;
    };
    const TCase cases[] = {
        {"grey scale", [](auto& s) { s.SetGrayScale(true); }, qRgb(76, 76, 76)},
        {"tint", [](auto& s) { s.SetTintColor(RGB(128, 255, 255)); }, qRgb(128, 0, 0)},
        {"custom fill", [](auto& s) { s.SetCustomFillColor(RGB(0, 0, 255)); }, Blue},
        {"grey scale wins over the custom fill",
         [](auto& s) {
             s.SetGrayScale(true);
             s.SetCustomFillColor(RGB(0, 0, 255));
         },
         qRgb(76, 76, 76)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const auto svg = Load(QStringLiteral("<rect width='24' height='24' fill='#FF0000'/>"));
        c.SetUp(*svg);
        EXPECT_EQ(Render(*svg, 24, 24, GetParam()).pixel(12, 12), c.Expected);
    }
}

TEST_P(SVGDrawing, RotationTurnsAboutTheViewCentre)
{
    // The left half, turned by 90 degrees clockwise, becomes the top half.
    const auto svg = Load(QStringLiteral("<rect width='12' height='24' fill='red'/>"));
    svg->SetRotationAngle(90);
    const QImage image = Render(*svg, 48, 48, GetParam());
    EXPECT_EQ(image.pixel(24, 10), Red);
    EXPECT_EQ(qAlpha(image.pixel(24, 38)), 0);
}

TEST_P(SVGDrawing, DeepNestingDrawsAndFrees)
{
    QString body = QStringLiteral("<rect width='24' height='24' fill='red'/>");
    for (int depth = 0; depth < 990; ++depth)
        body = QStringLiteral("<g>%1</g>").arg(body);
    const auto svg = Load(body);
    EXPECT_EQ(Render(*svg, 24, 24, GetParam()).pixel(12, 12), Red);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, SVGDrawing, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Native" : "General"; });

// Gradients and opacity draw on the platform back-end only.
TEST(SVGDrawingNative, Gradients)
{
    const auto linear = Load(QStringLiteral(
        "<linearGradient id='g'><stop offset='0' stop-color='#FF0000'/><stop offset='1' stop-color='#0000FF'/>"
        "</linearGradient><rect width='24' height='24' fill='url(#g)'/>"));
    const QImage across = Render(*linear, 48, 48, true);
    EXPECT_GT(qRed(across.pixel(3, 24)), 200);
    EXPECT_LT(qBlue(across.pixel(3, 24)), 60);
    EXPECT_GT(qBlue(across.pixel(44, 24)), 200);
    EXPECT_LT(qRed(across.pixel(44, 24)), 60);

    // Without cx and cy the centre of the shape has the first stop's colour.
    const auto radial = Load(QStringLiteral(
        "<radialGradient id='r'><stop offset='0' stop-color='#FF0000'/><stop offset='1' stop-color='#0000FF'/>"
        "</radialGradient><rect x='4' y='4' width='16' height='16' fill=\"url('#r')\"/>"));
    const QImage round = Render(*radial, 48, 48, true);
    EXPECT_GT(qRed(round.pixel(24, 24)), 200);
    EXPECT_GT(qBlue(round.pixel(10, 10)), qRed(round.pixel(10, 10)));

    // A gradient linking to another for its stops.
    const auto linked = Load(QStringLiteral(
        "<linearGradient id='a'><stop offset='0' stop-color='#0000FF'/><stop offset='1' stop-color='#0000FF'/>"
        "</linearGradient><linearGradient id='b' xlink:href='#a'/><rect width='24' height='24' fill='url(#b)'/>"));
    EXPECT_EQ(Render(*linked, 24, 24, true).pixel(12, 12), Blue);
}

TEST(SVGDrawingNative, OpacityMultipliesDownTheTree)
{
    struct TCase {
        const char* Body;
        float CustomOpacity;
        int Alpha;
    };
    const TCase cases[] = {
        {"<rect width='24' height='24' opacity='0.5'/>", -1, 128},
        {"<g opacity='0.5'><rect width='24' height='24' opacity='0.5'/></g>", -1, 64},
        {"<g opacity='0.5'><rect width='24' height='24'/></g>", -1, 128},
        {"<rect width='24' height='24' opacity='0.5'/>", 1, 255},
        {"<rect width='24' height='24'/>", 0, 0},
        {"<rect width='24' height='24' opacity='25%'/>", -1, 64},
        {"<rect width='24' height='24' fill-opacity='0.5' opacity='0.5'/>", -1, 64},
        {"<g fill-opacity='50%'><rect width='24' height='24'/></g>", -1, 128},
        {"<g fill-opacity='0.2'><rect width='24' height='24' fill-opacity='1'/></g>", -1, 255},
        {"<rect width='24' height='24' fill-opacity='0.5'/>", 1, 255},
        {"<rect width='24' height='24' fill='#00000080' fill-opacity='0.5'/>", -1, 64},
        {"<g fill='rgba(0, 0, 0, 0.5)'><rect width='24' height='24'/></g>", -1, 128},
        // The stroke's own opacity leaves the fill alone, and the other way round.
        {"<rect width='24' height='24' stroke='black' stroke-width='4' stroke-opacity='0'/>", -1, 255},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Body);
        const auto svg = Load(QString::fromUtf8(c.Body));
        svg->SetCustomOpacity(c.CustomOpacity);
        EXPECT_NEAR(qAlpha(Render(*svg, 24, 24, true).pixel(12, 12)), c.Alpha, 2);
    }
}

// Pixel (0, 0) covers 0..1: edges on whole coordinates are sharp, a fill
// covers exactly its area and a stroke lies centred on its line.
TEST(SVGDrawingNative, PixelsLieWhereTheGeometrySays)
{
    struct TCase {
        const char* Body;
        int Y;
        std::vector<int> Alphas; // columns 0 .. 7 of row Y
    };
    const TCase cases[] = {
        {"<rect x='2' y='0' width='4' height='8'/>", 4, {0, 0, 255, 255, 255, 255, 0, 0}},
        {"<rect x='2.5' y='0' width='4' height='8'/>", 4, {0, 0, 128, 255, 255, 255, 128, 0}},
        {"<path d='M1 0 L7 0 L7 8 L1 8 Z' fill-opacity='0.5'/>", 4, {0, 128, 128, 128, 128, 128, 128, 0}},
        {"<rect x='2.5' y='2.5' width='3' height='3'/>", 2, {0, 0, 64, 128, 128, 64, 0, 0}},
        {"<path d='M6.5 7.5 V2.5 H1.5 V7.5 Z'/>", 7, {0, 64, 128, 128, 128, 128, 64, 0}},
        {"<line x1='3.5' y1='0' x2='3.5' y2='8' stroke='black'/>", 4, {0, 0, 0, 255, 0, 0, 0, 0}},
        {"<line x1='3' y1='0' x2='3' y2='8' stroke='black'/>", 4, {0, 0, 128, 128, 0, 0, 0, 0}},
        {"<line x1='2.5' y1='0' x2='2.5' y2='8' stroke='black' stroke-width='1.5'/>", 4,
         {0, 64, 255, 64, 0, 0, 0, 0}},
        {"<line x1='0' y1='4' x2='8' y2='4' stroke='black' stroke-width='2'/>", 3, {255, 255, 255, 255, 255, 255, 255, 255}},
        {"<line x1='0' y1='4' x2='8' y2='4' stroke='black' stroke-width='2'/>", 5, {0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Body);
        const auto svg = Load(QString::fromUtf8(c.Body), QStringLiteral("0 0 8 8"));
        const QImage image = Render(*svg, 8, 8, true);
        for (int x = 0; x < 8; ++x)
            EXPECT_NEAR(qAlpha(image.pixel(x, c.Y)), c.Alphas[size_t(x)], 8) << "at column " << x;
    }
}

TEST(SVGGenerateBitmap, SizeAndReplacement)
{
    const auto svg = Load(QStringLiteral("<rect width='24' height='24' fill='red'/>"));
    TKestBitmap* first = svg->GenerateBitmap(100, 50);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ImageOf(first).size(), QSize(100, 50));
    TKestBitmap* second = svg->GenerateBitmap(-1, -1);
    EXPECT_EQ(ImageOf(second).size(), QSize(24, 24)) << "the view's own size";
}

TEST(SVGGenerateBitmap, NothingLoadedKeepsTheCache)
{
    TKestGraphicsSVGImport svg;
    EXPECT_EQ(svg.GenerateBitmap(10, 10), nullptr);
}

TEST(SVGGenerateBitmap, HugeSizesDrawNothing)
{
    struct TCase {
        const char* View;
        float Width;
        float Height;
    };
    const TCase cases[] = {
        {"0 0 1e9 1e9", -1, -1},
        {"0 0 24 24", 1e9f, 1e9f},
        {"0 0 24 24", 16385, 1},
        {"0 0 24 24", 5000, 5000},
        {"0 0 24 24", 0, 10},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.View);
        const auto svg = Load(QStringLiteral("<rect width='24' height='24'/>"), QString::fromUtf8(c.View));
        TKestBitmap* bitmap = svg->GenerateBitmap(c.Width, c.Height);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_TRUE(ImageOf(bitmap).isNull());
    }
}

TEST(SVGRenderState, ColourArithmetic)
{
    EXPECT_EQ(TKestGraphicsSVGRenderState::GrayValue(RGB(255, 0, 0)), RGB(76, 76, 76));
    EXPECT_EQ(TKestGraphicsSVGRenderState::GrayValue(RGB(0, 255, 0)), RGB(153, 153, 153));
    // 0.1 x 255 = 25.5 goes to the even 26.
    EXPECT_EQ(TKestGraphicsSVGRenderState::GrayValue(RGB(0, 0, 255)), RGB(26, 26, 26));
    EXPECT_EQ(TKestGraphicsSVGRenderState::Tinted(RGB(255, 128, 10), RGB(128, 255, 0)), RGB(128, 128, 0));
}

}
