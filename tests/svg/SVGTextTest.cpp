// Text: white space, the characters each position value addresses, font
// values inherited from any ancestor (the document element too), layout by
// positions, spans and anchors, and text painted like shapes on both
// back-ends. Geometry is judged against the text's own outline, so any
// installed font serves.

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "graphics/svg/KestGraphicsSVGTextContent.h"
#include "graphics/svg/KestGraphicsSVGTextFont.h"
#include "graphics/svg/KestGraphicsSVGTextLayout.h"
#include "pictures/KestBitmap.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TKestGraphicsSVGImport> Load(const QString& body, const QString& rootAttributes = QString())
{
    auto svg = std::make_unique<TKestGraphicsSVGImport>();
    svg->LoadFromText(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 200 100' %1>%2</svg>")
                          .arg(rootAttributes, body));
    return svg;
}

const TKestGraphicsSVGElement* FirstTextIn(const TKestGraphicsSVGElementList& list)
{
    for (const auto& element : list) {
        if (element->Type() == etText)
            return element.get();
        if (const TKestGraphicsSVGElement* text = FirstTextIn(element->Elements()))
            return text;
    }
    return nullptr;
}

const TKestGraphicsSVGElement& FirstText(const TKestGraphicsSVGImport& svg)
{
    const TKestGraphicsSVGElement* text = FirstTextIn(svg.ElementList());
    if (!text)
        throw std::runtime_error("no text element");
    return *text;
}

QString Shown(const TKestGraphicsSVGTextCharacters& chars)
{
    QString text;
    for (const auto& c : chars)
        text.append(c.Char);
    return text;
}

TRectF Bounds(const TKestGraphicsSVGTextPiece& piece) { return piece.Path->GetBounds(); }

TRectF OutlineBounds(const TKestGraphicsSVGImport& svg)
{
    TKestGraphicsPath path;
    EXPECT_TRUE(TKestGraphicsSVGTextLayout::Outline(FirstText(svg), path));
    return path.GetBounds();
}

}

TEST(SVGTextContent, WhiteSpace)
{
    struct TCase {
        const char* Body;
        const char* Shown;
    };
    const TCase cases[] = {
        {"<text>\n  Hello \t  world\n</text>", "Hello world"},
        // Line breaks go without leaving a space.
        {"<text>a\nb</text>", "ab"},
        {"<text>Say <tspan>this</tspan> <tspan>too </tspan> </text>", "Say this too"},
        {"<text>a <tspan> b</tspan></text>", "a b"},
        {"<text xml:space='preserve'> A  b\n\tc </text>", " A  b  c "},
        // The mode is inherited and can change per span.
        {"<text xml:space='preserve'>a  <tspan xml:space='default'>b  c</tspan></text>", "a  b c"},
        {"<text>a<tspan display='none'>hidden</tspan>b</text>", "ab"},
        {"<text>   </text>", ""},
        {"<text>\xF0\x9F\x98\x80 x</text>", "\xF0\x9F\x98\x80 x"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Body);
        const auto svg = Load(QString::fromUtf8(c.Body));
        EXPECT_EQ(Shown(TKestGraphicsSVGTextContent::Collect(FirstText(*svg))), QString::fromUtf8(c.Shown));
    }
}

TEST(SVGTextContent, PositionValuesAddressCharacters)
{
    const auto svg = Load(QStringLiteral(
        "<text x='1 2 3' dy='5,6' rotate='10 20' font-size='10'>ab<tspan x='7' dx='2em'>cde</tspan>f</text>"));
    const auto chars = TKestGraphicsSVGTextContent::Collect(FirstText(*svg));
    ASSERT_EQ(chars.size(), 6u);
    // The span's x overrides its first character; the text's list covers
    // the rest it reaches.
    EXPECT_TRUE(chars[0].HasX && chars[1].HasX && chars[2].HasX);
    EXPECT_EQ(chars[0].X, 1);
    EXPECT_EQ(chars[1].X, 2);
    EXPECT_EQ(chars[2].X, 7);
    EXPECT_FALSE(chars[3].HasX);
    EXPECT_EQ(chars[2].DX, 20);
    EXPECT_EQ(chars[1].DY, 6);
    EXPECT_EQ(chars[2].DY, 0);
    // The last angle goes on to the end.
    EXPECT_EQ(chars[0].Rotate, 10);
    EXPECT_EQ(chars[5].Rotate, 20);
    EXPECT_EQ(chars[3].Owner, FirstText(*svg).Elements()[1].get());
}

TEST(SVGTextContent, ValuesAddressCodePoints)
{
    // A letter with its combining mark, then a character beyond 16 bits:
    // values go to code points, the mark is drawn with its letter.
    const auto svg = Load(QStringLiteral("<text x='1 2 3 4'>a&#x310;&#x1F600;b</text>"));
    const auto chars = TKestGraphicsSVGTextContent::Collect(FirstText(*svg));
    ASSERT_EQ(chars.size(), 5u);
    EXPECT_TRUE(chars[1].Joined);
    EXPECT_EQ(chars[1].X, 2);
    EXPECT_EQ(chars[2].X, 3);
    EXPECT_TRUE(chars[3].Continuation);
    EXPECT_FALSE(chars[3].HasX);
    EXPECT_EQ(chars[4].X, 4);
}

TEST(SVGTextFont, SizeIsInheritedAndRelative)
{
    struct TCase {
        const char* Body;
        const char* Root;
        float Size;
    };
    const TCase cases[] = {
        {"<text>a</text>", "font-size='64'", 64},
        {"<g font-size='20'><text>a</text></g>", "", 20},
        {"<g style='font-size:20px'><text font-size='150%'>a</text></g>", "", 30},
        {"<g font-size='20'><text font-size='2em'>a</text></g>", "", 40},
        {"<text>a</text>", "", 12},
        {"<text font-size='-5'>a</text>", "font-size='10'", 10},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Body);
        const auto svg = Load(QString::fromLatin1(c.Body), QString::fromLatin1(c.Root));
        EXPECT_FLOAT_EQ(TKestGraphicsSVGTextFont::Size(FirstText(*svg)), c.Size);
    }
}

TEST(SVGTextFont, FamilyWeightAndStyleAreInherited)
{
    const auto svg = Load(QStringLiteral("<g font-weight='bold' font-style='italic'><text>a</text></g>"),
                          QStringLiteral("font-family=\"'DejaVu Sans', serif\""));
    const QFont font = TKestGraphicsSVGTextFont::Font(FirstText(*svg));
    EXPECT_EQ(font.families(), QStringList({QStringLiteral("DejaVu Sans"), QStringLiteral("serif")}));
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.style(), QFont::StyleItalic);
}

TEST(SVGTextLayout, SizeScalesTheOutline)
{
    const TRectF small = OutlineBounds(*Load(QStringLiteral("<text y='50'>H</text>"), QStringLiteral("font-size='10'")));
    const TRectF large = OutlineBounds(*Load(QStringLiteral("<text y='50'>H</text>"), QStringLiteral("font-size='40'")));
    ASSERT_GT(small.Height(), 3);
    EXPECT_NEAR(large.Height() / small.Height(), 4, 0.05);
    // y is the baseline: a capital stands on it.
    EXPECT_NEAR(large.Bottom, 50, 0.5);
    EXPECT_NEAR(small.Bottom, 50, 0.5);
}

TEST(SVGTextLayout, AnchorsMoveEachChunk)
{
    auto anchored = [](const char* anchor) {
        return OutlineBounds(*Load(
            QStringLiteral("<text x='100' y='50' font-size='20' text-anchor='%1'>HIH</text>").arg(QLatin1String(anchor))));
    };
    const TRectF start = anchored("start");
    const TRectF middle = anchored("middle");
    const TRectF end = anchored("end");
    EXPECT_GT(start.Left, 100);
    EXPECT_LT(start.Left, 103);
    // The end anchor moves by the whole advance, the middle one by half.
    EXPECT_LT(end.Right, 100);
    EXPECT_GT(end.Right, 97);
    EXPECT_NEAR(2 * (start.Left - middle.Left), start.Left - end.Left, 0.01);
    EXPECT_NEAR(middle.Width(), start.Width(), 0.01);
    // Each absolute x starts a chunk anchored on its own.
    const auto svg = Load(QStringLiteral(
        "<text y='50' font-size='20' text-anchor='middle'>H<tspan x='150'>H</tspan></text>"));
    const auto pieces = TKestGraphicsSVGTextLayout::Layout(FirstText(*svg));
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_NEAR((Bounds(pieces[0]).Left + Bounds(pieces[0]).Right) / 2, 0, 1.5);
    EXPECT_NEAR((Bounds(pieces[1]).Left + Bounds(pieces[1]).Right) / 2, 150, 1.5);
}

TEST(SVGTextLayout, SpansGoOnWhereTheTextEnded)
{
    const auto svg = Load(QStringLiteral(
        "<text x='10' y='50' font-size='20'>HH<tspan dy='-10'>HH</tspan>HH<tspan x='5 120'>HH</tspan></text>"));
    const auto pieces = TKestGraphicsSVGTextLayout::Layout(FirstText(*svg));
    ASSERT_EQ(pieces.size(), 5u);
    const TRectF first = Bounds(pieces[0]);
    const TRectF raised = Bounds(pieces[1]);
    const TRectF after = Bounds(pieces[2]);
    EXPECT_GT(raised.Left, first.Right);
    EXPECT_NEAR(raised.Bottom, first.Bottom - 10, 0.5);
    // dy moves the pen for what follows too.
    EXPECT_NEAR(after.Bottom, raised.Bottom, 0.5);
    EXPECT_NEAR(after.Width(), first.Width(), 0.01);
    // Per-character x: the first H at 5, the second at 120.
    EXPECT_LT(Bounds(pieces[3]).Left, 10);
    EXPECT_GT(Bounds(pieces[4]).Left, 120);
    EXPECT_LT(Bounds(pieces[4]).Left, 125);
}

TEST(SVGTextLayout, RotateTurnsEachCharacterAboutItsOrigin)
{
    const TRectF upright = OutlineBounds(*Load(QStringLiteral("<text x='50' y='50' font-size='40'>l</text>")));
    const TRectF turned = OutlineBounds(*Load(QStringLiteral("<text x='50' y='50' font-size='40' rotate='90'>l</text>")));
    // An upright stroke standing on (50, 50), turned a quarter clockwise,
    // lies to the right of that point, just below it.
    EXPECT_NEAR(turned.Width(), upright.Height(), 0.5);
    EXPECT_NEAR(turned.Height(), upright.Width(), 0.5);
    EXPECT_NEAR(turned.Left, 50, 0.5);
    EXPECT_GT(turned.Top, 50);
}

TEST(SVGTextLayout, LetterSpacingWidensTheText)
{
    const TRectF plain = OutlineBounds(*Load(QStringLiteral("<text y='50' font-size='20'>HHHH</text>")));
    const TRectF spaced = OutlineBounds(*Load(QStringLiteral("<text y='50' font-size='20' letter-spacing='5'>HHHH</text>")));
    EXPECT_NEAR(spaced.Width() - plain.Width(), 15, 0.5);
}

class SVGTextDrawing : public ::testing::TestWithParam<bool> {};

// Text is painted with its span's own fill, where its outline lies.
TEST_P(SVGTextDrawing, SpansPaintInTheirOwnFill)
{
    const auto svg = Load(QStringLiteral("<text x='10' y='80' font-size='80' fill='red' stroke='red' stroke-width='4'>"
                                         "H<tspan fill='blue' stroke='blue'>H</tspan></text>"));
    QImage image;
    if (GetParam()) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(200, 100, true);
        canvas->BeginScene();
        svg->Draw(*canvas, TRectF(0, 0, 200, 100), true, true);
        canvas->EndScene();
        image = canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
    } else {
        image = static_cast<TBitmap*>(svg->GenerateBitmap(200, 100)->Graphic())->Image().convertToFormat(QImage::Format_ARGB32);
    }
    int rightmostRed = -1, leftmostBlue = 200, red = 0, blue = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (pixel == qRgb(255, 0, 0))
                ++red, rightmostRed = std::max(rightmostRed, x);
            else if (pixel == qRgb(0, 0, 255))
                ++blue, leftmostBlue = std::min(leftmostBlue, x);
        }
    EXPECT_GT(red, 500);
    EXPECT_GT(blue, 500);
    EXPECT_LT(rightmostRed, leftmostBlue);
    // The capital stands on the baseline: nothing below it.
    for (int x = 0; x < image.width(); ++x)
        EXPECT_EQ(qAlpha(image.pixel(x, 90)), 0) << x;
}

// Glyphs wholly off the bitmap are left out: what shows is the same as the
// matching part of a bitmap holding the whole text, thick strokes reaching
// in from off-bitmap glyphs included.
TEST_P(SVGTextDrawing, GlyphsOffTheBitmapLeaveWhatShowsUnchanged)
{
    // The first I ends a few pixels left of the cut at 50; its stroke
    // reaches across it.
    const auto svg = Load(QStringLiteral("<text x='38 70' y='50' font-size='40' fill='red' stroke='blue' "
                                         "stroke-width='12'>II</text><text x='2' y='95' font-size='30' "
                                         "fill='red'>WIWIWIWIWIWIWIWIWI</text>"));
    auto draw = [&](int width, const TRectF& rect) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(width, 100, GetParam());
        canvas->BeginScene();
        svg->Draw(*canvas, rect, GetParam(), true);
        canvas->EndScene();
        return TKestGraphics::TakeImage(std::move(canvas)).convertToFormat(QImage::Format_ARGB32);
    };
    const QImage whole = draw(200, TRectF(0, 0, 200, 100));
    // The middle half, the picture moved left by 50 pixels.
    const QImage part = draw(100, TRectF(-50, 0, 150, 100));
    // The platform back-end's anti-aliasing moves by a step or two with the
    // origin; a glyph left out would leave whole pixels empty.
    auto apart = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) > 16 || std::abs(qGreen(a) - qGreen(b)) > 16
               || std::abs(qBlue(a) - qBlue(b)) > 16 || std::abs(qAlpha(a) - qAlpha(b)) > 16;
    };
    int painted = 0, differing = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            differing += apart(part.pixel(x, y), whole.pixel(x + 50, y));
            painted += qAlpha(part.pixel(x, y)) != 0;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(painted, 1000);
}

INSTANTIATE_TEST_SUITE_P(BothBackEnds, SVGTextDrawing, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Native" : "General"; });
