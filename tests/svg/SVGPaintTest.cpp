// Paint servers, paint values, layers and clip paths as SVG defines them,
// on both back-ends, judged by the pixels at chosen points (documents of
// 24 x 24 drawn at 48 x 48).

#include "svg/SVGRender.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

const QRgb Green = qRgb(0, 128, 0);

// A colour within a few steps in every channel (gradients and
// anti-aliasing round).
struct TNear {
    int X;
    int Y;
    QRgb Expected;
};

void ExpectNear(const QImage& image, const TNear& probe)
{
    const QRgb got = image.pixel(probe.X, probe.Y);
    const auto near = [](int a, int b) { return std::abs(a - b) <= 6; };
    EXPECT_TRUE(near(qRed(got), qRed(probe.Expected)) && near(qGreen(got), qGreen(probe.Expected))
                && near(qBlue(got), qBlue(probe.Expected)) && near(qAlpha(got), qAlpha(probe.Expected)))
        << "at " << probe.X << ", " << probe.Y << ": got " << std::hex << got << " expected " << probe.Expected;
}

// A small picture of one colour, as PNG bytes.
QByteArray PngOfColour(QRgb colour)
{
    QImage image(4, 4, QImage::Format_ARGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

struct TPaintCase {
    const char* Name;
    const char* Body;
    std::vector<TNear> Probes;
};


class SVGPaint : public ::testing::TestWithParam<bool> {
protected:
    template <size_t N>
    void Run(const TPaintCase (&cases)[N])
    {
        for (const TPaintCase& c : cases) {
            SCOPED_TRACE(c.Name);
            const auto svg = Load(QString::fromUtf8(c.Body));
            const QImage image = Render(*svg, 48, 48, GetParam());
            ASSERT_EQ(image.size(), QSize(48, 48));
            for (const TNear& probe : c.Probes)
                ExpectNear(image, probe);
        }
    }
};

// Red to blue across the box; t is where along the gradient a probe lies.
#define RED_TO_BLUE "<stop offset='0' stop-color='#FF0000'/><stop offset='1' stop-color='#0000FF'/>"
#define SQUARE(paint) "<rect width='24' height='24' fill='" paint "'/>"

QRgb Mix(double t) { return qRgb(int(255 * (1 - t) + 0.5), 0, int(255 * t + 0.5)); }

TEST_P(SVGPaint, Gradients)
{
    const TPaintCase cases[] = {
        {"pad holds the last stop beyond the vector",
         "<linearGradient id='g' x2='0.5'>" RED_TO_BLUE "</linearGradient>" SQUARE("url(#g)"),
         {{1, 24, Mix(3.0 / 48)}, {30, 24, Blue}}},
        {"repeat starts over",
         "<linearGradient id='g' x2='0.5' spreadMethod='repeat'>" RED_TO_BLUE "</linearGradient>" SQUARE("url(#g)"),
         {{30, 24, Mix(0.25 + 1.0 / 48)}}},
        {"reflect runs back",
         "<linearGradient id='g' x2='0.5' spreadMethod='reflect'>" RED_TO_BLUE "</linearGradient>" SQUARE("url(#g)"),
         {{30, 24, Mix(0.75 - 1.0 / 48)}}},
        {"user space with percentages of the view",
         "<linearGradient id='g' gradientUnits='userSpaceOnUse' x1='50%' x2='100%'>" RED_TO_BLUE
         "</linearGradient>" SQUARE("url(#g)"),
         {{10, 24, Red}, {35, 24, Mix(11.0 / 24)}}},
        {"attributes come through links in any order",
         "<linearGradient id='c' href='#b'/><linearGradient id='b' href='#a' x2='0.5'/>"
         "<linearGradient id='a' spreadMethod='repeat'>" RED_TO_BLUE "</linearGradient>" SQUARE("url(#c)"),
         {{30, 24, Mix(0.25 + 1.0 / 48)}}},
        {"gradientTransform turns the vector",
         "<linearGradient id='g' gradientTransform='rotate(90 0.5 0.5)'>" RED_TO_BLUE "</linearGradient>"
         SQUARE("url(#g)"),
         {{24, 1, Mix(1.0 / 48)}, {24, 46, Mix(47.0 / 48)}}},
        {"a radial gradient from its focal point",
         "<radialGradient id='g' fx='0.25'>" RED_TO_BLUE "</radialGradient>" SQUARE("url(#g)"),
         {{12, 24, Red}, {47, 24, Blue}}},
        {"a focal radius leaves its inside the first stop",
         "<radialGradient id='g' fr='0.25'>" RED_TO_BLUE "</radialGradient>" SQUARE("url(#g)"),
         {{24, 24, Red}, {20, 24, Red}, {42, 24, Mix(0.54)}}},
        {"a radius of 0 paints the last stop",
         "<radialGradient id='g' r='0'>" RED_TO_BLUE "</radialGradient>" SQUARE("url(#g)"), {{24, 24, Blue}}},
        {"offsets that go back or have units",
         "<linearGradient id='g'><stop offset='0.5' stop-color='#FF0000'/><stop offset='0.2' stop-color='#0000FF'/>"
         "</linearGradient><linearGradient id='h'><stop offset='5mm' stop-color='#0000FF'/>"
         "<stop offset='1' stop-color='#0000FF'/></linearGradient>"
         "<rect width='24' height='12' fill='url(#g)'/><rect y='12' width='24' height='12' fill='url(#h)'/>",
         {{20, 6, Red}, {28, 6, Blue}, {1, 36, Blue}}},
        {"a stop's currentColor and alpha",
         "<g color='#0000FF'><linearGradient id='g'><stop stop-color='currentColor'/>"
         "<stop offset='1' stop-color='hsla(0, 100%, 50%, 0.5)'/></linearGradient></g>" SQUARE("url(#g)"),
         {{0, 24, qRgba(0, 0, 255, 255)}, {47, 24, qRgba(255, 0, 0, 128)}}},
        {"a gradient without stops falls back",
         "<linearGradient id='g'/><rect width='12' height='24' fill='url(#g) #0000FF'/>"
         "<rect x='12' width='12' height='24' fill='url(#g)'/>",
         {{6, 24, Blue}, {36, 24, Clear}}},
        {"a skewed level gradient changes down the rows",
         "<linearGradient id='g'>" RED_TO_BLUE "</linearGradient>"
         "<rect width='24' height='24' fill='url(#g)' transform='skewX(45)'/>",
         {{36, 24, Mix(0.25)}, {36, 4, Mix(2.0 / 3)}}},
        {"outside a focal cone stays unpainted after a gradient painted everywhere",
         "<linearGradient id='g'>" RED_TO_BLUE "</linearGradient>"
         "<radialGradient id='r' fx='1.5' r='0.25'>" RED_TO_BLUE "</radialGradient>"
         "<rect width='24' height='12' fill='url(#g)'/><rect y='12' width='24' height='12' fill='url(#r)'/>",
         {{0, 24, Clear}, {36, 36, Mix(0.985)}}},
        {"a line has no box for objectBoundingBox",
         "<linearGradient id='g'>" RED_TO_BLUE "</linearGradient>"
         "<line x1='0' y1='12' x2='24' y2='12' stroke='url(#g) #008000' stroke-width='4'/>",
         {{24, 24, Green}}},
    };
    Run(cases);
}

TEST_P(SVGPaint, PaintValues)
{
    const TPaintCase cases[] = {
        {"a malformed colour is inherited past",
         "<g fill='#0000FF'><rect width='12' height='24' fill='#GGG'/></g><rect x='12' width='12' height='24' "
         "fill='#12'/>",
         {{6, 24, Blue}, {36, 24, Black}}},
        {"currentColor takes the inherited color",
         "<g color='#FF0000'><rect width='24' height='24' fill='currentColor'/></g>", {{24, 24, Red}}},
        {"a missing reference with a fallback colour", SQUARE("url(#none) #0000FF"), {{24, 24, Blue}}},
    };
    Run(cases);
}

TEST_P(SVGPaint, OpacityAppliesToTheWhole)
{
    const TPaintCase cases[] = {
        {"a group's shapes overlap before it fades",
         "<g opacity='0.5'><rect width='16' height='24' fill='#0000FF'/><rect x='8' width='16' height='24' "
         "fill='#0000FF'/></g>",
         {{24, 24, qRgba(0, 0, 255, 128)}, {4, 24, qRgba(0, 0, 255, 128)}}},
        {"a stroke covers its fill before the shape fades",
         "<rect x='4' y='4' width='16' height='16' fill='#0000FF' stroke='#FF0000' stroke-width='4' "
         "opacity='0.5'/>",
         {{8, 24, qRgba(255, 0, 0, 128)}, {24, 24, qRgba(0, 0, 255, 128)}}},
        {"opacity 0 hides", "<g opacity='0'><rect width='24' height='24'/><rect width='4' height='4'/></g>",
         {{24, 24, Clear}}},
        // The layer holds the whole stroke, not only the shape's box.
        {"a group's wide stroke shows whole",
         "<g opacity='0.5'><rect x='6' y='6' width='12' height='12' fill='none' stroke='#0000FF' "
         "stroke-width='6'/><rect width='1' height='1' fill='#0000FF'/></g>",
         {{7, 24, qRgba(0, 0, 255, 128)}, {41, 24, qRgba(0, 0, 255, 128)}, {24, 24, Clear}}},
        {"a group's children draw where their transforms put them",
         "<g opacity='0.5'><g transform='translate(12 0)'><rect width='12' height='24' fill='#0000FF'/></g>"
         "<rect width='1' height='1' fill='#0000FF'/></g>",
         {{40, 24, qRgba(0, 0, 255, 128)}, {16, 24, Clear}}},
        {"a group that draws nothing on the bitmap draws nothing",
         "<g opacity='0.5'><rect x='30' width='4' height='4'/><rect x='40' width='4' height='4'/></g>"
         "<rect x='12' width='12' height='24' fill='#0000FF'/>",
         {{36, 24, Blue}, {4, 4, Clear}}},
    };
    Run(cases);
}

// Where a group's shapes do not overlap, fading the group as a whole and
// fading each shape look the same: the group's layer holds all it draws.
TEST_P(SVGPaint, LayersHoldWhatTheGroupDraws)
{
    const QString image = QStringLiteral(
        "<image x='2' y='2' width='20' height='20' href='data:image/png;base64,%1'/>")
                              .arg(QString::fromLatin1(PngOfColour(Red).toBase64()));
    const QString text = QStringLiteral("<text x='1' y='20' font-size='18' fill='#0000FF' %1>HI</text>");
    const struct {
        const char* Name;
        QString Layered;
        QString Faded;
    } cases[] = {
        {"text", "<g opacity='0.5'>" + text.arg("") + "<rect width='0' height='0'/></g>",
         text.arg("opacity='0.5'")},
        {"text with a stroke",
         "<g opacity='0.5' stroke='#FF0000' stroke-width='2'>" + text.arg("") + "<rect width='0' height='0'/></g>",
         "<g stroke='#FF0000' stroke-width='2'>" + text.arg("opacity='0.5'") + "</g>"},
        {"a picture", "<g opacity='0.5'>" + image + "<rect width='0' height='0'/></g>",
         "<g opacity='0.5'>" + image + "</g>"},
        {"a picture moved", "<g opacity='0.5'><g transform='translate(10 10)'>" + image
                                + "</g><rect width='0' height='0'/></g>",
         "<g opacity='0.5' transform='translate(10 10)'>" + image + "</g>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const QImage layered = Render(*Load(c.Layered), 48, 48, GetParam());
        const QImage faded = Render(*Load(c.Faded), 48, 48, GetParam());
        int inked = 0;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 48; ++x) {
                const QRgb a = layered.pixel(x, y);
                const QRgb b = faded.pixel(x, y);
                inked += qAlpha(a) > 0;
                ASSERT_TRUE(std::abs(qAlpha(a) - qAlpha(b)) <= 3 && std::abs(qRed(a) - qRed(b)) <= 3
                            && std::abs(qBlue(a) - qBlue(b)) <= 3)
                    << "at " << x << ", " << y << std::hex << ": " << a << " against " << b;
            }
        EXPECT_GT(inked, 40);
    }
}

TEST_P(SVGPaint, ClipPaths)
{
    const TPaintCase cases[] = {
        {"every child adds to the clip",
         "<clipPath id='c'><rect width='8' height='24'/><rect x='16' width='8' height='24'/></clipPath>"
         SQUARE("#FF0000' clip-path='url(#c)"),
         {{8, 24, Red}, {24, 24, Clear}, {40, 24, Red}}},
        {"clip-rule evenodd, inherited from above the clip path",
         "<g clip-rule='evenodd'><clipPath id='c'><path d='M0 0H24V24H0Z M6 6H18V18H6Z'/></clipPath></g>"
         SQUARE("#FF0000' clip-path='url(#c)"),
         {{4, 24, Red}, {24, 24, Clear}}},
        {"clip-rule nonzero by default",
         "<clipPath id='c'><path d='M0 0H24V24H0Z M6 6H18V18H6Z'/></clipPath>" SQUARE("#FF0000' clip-path='url(#c)"),
         {{24, 24, Red}}},
        {"objectBoundingBox units and the clip path's transform",
         "<clipPath id='c' clipPathUnits='objectBoundingBox' transform='translate(12 0)'>"
         "<rect width='0.5' height='1'/></clipPath><rect width='12' height='24' fill='#FF0000' clip-path='url(#c)'/>",
         {{6, 24, Clear}, {18, 24, Clear}}},
        {"objectBoundingBox units follow the box",
         "<clipPath id='c' clipPathUnits='objectBoundingBox'><rect width='0.5' height='1'/></clipPath>"
         "<rect x='8' width='16' height='24' fill='#FF0000' clip-path='url(#c)'/>",
         {{20, 24, Red}, {40, 24, Clear}, {8, 24, Clear}}},
        {"a clip path on the clip path and on its child",
         "<clipPath id='a'><rect width='12' height='24'/></clipPath><clipPath id='b'><rect y='12' width='24' "
         "height='12'/></clipPath><clipPath id='c' clip-path='url(#a)'><rect width='24' height='24' "
         "clip-path='url(#b)'/></clipPath>" SQUARE("#FF0000' clip-path='url(#c)"),
         {{12, 36, Red}, {36, 36, Clear}, {12, 12, Clear}}},
        {"an empty clip path hides everything",
         "<clipPath id='c'/>" SQUARE("#FF0000' clip-path='url(#c)"), {{24, 24, Clear}}},
        {"hidden and invalid children add nothing",
         "<clipPath id='c'><rect width='24' height='24' display='none'/><g><rect width='24' height='24'/></g>"
         "<rect width='4' height='4'/></clipPath>" SQUARE("#FF0000' clip-path='url(#c)"),
         {{4, 4, Red}, {24, 24, Clear}}},
        {"clip paths that refer to each other end",
         "<clipPath id='a'><rect width='12' height='24' clip-path='url(#b)'/></clipPath>"
         "<clipPath id='b'><rect width='24' height='12' clip-path='url(#a)'/></clipPath>"
         SQUARE("#FF0000' clip-path='url(#a)"),
         {{12, 12, Red}, {36, 12, Clear}, {12, 36, Clear}}},
        {"a clipped group",
         "<clipPath id='c'><rect width='12' height='24'/></clipPath><g clip-path='url(#c)'>" SQUARE("#FF0000") "</g>",
         {{12, 24, Red}, {36, 24, Clear}}},
        {"a rectangle on whole pixels cuts at its edges",
         "<clipPath id='c'><rect x='6' y='6' width='12' height='12'/></clipPath>" SQUARE("#FF0000' clip-path='url(#c)"),
         {{12, 24, Red}, {11, 24, Clear}, {35, 24, Red}, {36, 24, Clear}, {24, 11, Clear}, {24, 35, Red}}},
        {"a rectangle between pixels cuts them in part",
         "<clipPath id='c'><rect x='6.25' y='6' width='11.5' height='12'/></clipPath>"
         SQUARE("#FF0000' clip-path='url(#c)"),
         {{12, 24, qRgba(255, 0, 0, 128)}, {13, 24, Red}, {35, 24, qRgba(255, 0, 0, 128)}, {36, 24, Clear}}},
        {"a clipped group with a rectangle inside a clipped group",
         "<clipPath id='a'><rect width='12' height='24'/></clipPath><clipPath id='b'><rect width='24' height='12'/>"
         "</clipPath><g clip-path='url(#a)'><g clip-path='url(#b)'>" SQUARE("#FF0000") "</g></g>",
         {{12, 12, Red}, {36, 12, Clear}, {12, 36, Clear}}},
    };
    Run(cases);
}

// The pixels a picture covers (alpha above half), and the colours of its
// leftmost and rightmost covered pixels.
struct TCoverage {
    int Count = 0;
    QRgb Left = 0, Right = 0;
};

TCoverage CoverageOf(const QImage& image)
{
    TCoverage coverage;
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) <= 128)
                continue;
            ++coverage.Count;
            if (x < left)
                left = x, coverage.Left = pixel;
            if (x > right)
                right = x, coverage.Right = pixel;
        }
    return coverage;
}

// Text takes part as a shape: it clips, and a gradient paints it across
// its box. Compared with the same text in a plain fill, so any font serves.
TEST_P(SVGPaint, TextClipsAndTakesGradients)
{
    const QString text = QStringLiteral("<text x='2' y='30' font-size='28' %1>HI</text>");
    const TCoverage plain = CoverageOf(Render(*Load(text.arg("fill='#FF0000'"), "0 0 48 48"), 48, 48, GetParam()));
    ASSERT_GT(plain.Count, 40);
    const TCoverage clipped = CoverageOf(Render(
        *Load("<clipPath id='c'>" + text.arg("") + "</clipPath><rect width='48' height='48' fill='#FF0000' "
                                                   "clip-path='url(#c)'/>",
              "0 0 48 48"),
        48, 48, GetParam()));
    EXPECT_NEAR(clipped.Count, plain.Count, plain.Count / 10);
    const TCoverage painted = CoverageOf(Render(
        *Load("<linearGradient id='g'>" RED_TO_BLUE "</linearGradient>" + text.arg("fill='url(#g)'"), "0 0 48 48"),
        48, 48, GetParam()));
    EXPECT_NEAR(painted.Count, plain.Count, plain.Count / 10);
    EXPECT_GT(qRed(painted.Left), 200);
    EXPECT_GT(qBlue(painted.Right), 200);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, SVGPaint, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Native" : "General"; });

}
