// Documents: element kinds, geometry, presentation, style rules, references,
// paths, text, images, the view rectangle, loading and saving.

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "graphics/GraphicsColors.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pictures/KestBitmap.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString DataDir = QStringLiteral(KEST_TEST_DATA_DIR "/svg");

std::unique_ptr<TKestGraphicsSVGImport> Load(const QString& body, const QString& rootAttributes = QString())
{
    auto svg = std::make_unique<TKestGraphicsSVGImport>();
    svg->LoadFromText(QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' %1>%2</svg>").arg(rootAttributes, body));
    return svg;
}

const TKestGraphicsSVGElement& First(const TKestGraphicsSVGImport& svg)
{
    if (svg.ElementList().empty())
        throw Exception(QStringLiteral("no element"));
    return *svg.ElementList().front();
}

struct TKindCase {
    const char* Markup;
    int Count;
    TKestGraphicsSVGElementType Kind;
};

TEST(SVGDocument, ElementKinds)
{
    const TKindCase cases[] = {
        {"<g/>", 1, etContainer},
        {"<rect/>", 1, etRect},
        {"<line/>", 1, etLine},
        {"<polyline/>", 1, etPolyline},
        {"<polygon/>", 1, etPolygon},
        {"<circle/>", 1, etCircle},
        {"<ellipse/>", 1, etEllipse},
        {"<path/>", 1, etPath},
        {"<image/>", 1, etImage},
        {"<text/>", 1, etText},
        {"<tspan/>", 1, etTextSpan},
        {"<textPath/>", 1, etTextPath},
        {"<clipPath/>", 1, etClipPath},
        {"<linearGradient/>", 1, etLinearGradient},
        {"<radialGradient/>", 1, etRadialGradient},
        {"<stop/>", 1, etStop},
        {"<pattern/>", 1, etPattern},
        {"loose text", 1, etTextSpanChild},
        // Names are exact; unknown elements are skipped with their content.
        {"<Rect/>", 0, etContainer},
        {"<a><rect/></a>", 0, etContainer},
        // Nothing is made of switch and use, nor read inside them.
        {"<switch><rect/></switch>", 0, etContainer},
        {"<use xlink:href='#x'/>", 0, etContainer},
        // Defs content and style rules go to the defs list.
        {"<defs><rect/></defs>", 0, etContainer},
        {"<style>.a{fill:red}</style>", 0, etContainer},
        {"  \n\t ", 0, etContainer},
    };
    for (const TKindCase& c : cases) {
        SCOPED_TRACE(c.Markup);
        const auto svg = Load(QString::fromLatin1(c.Markup), QStringLiteral("xmlns:xlink='http://www.w3.org/1999/xlink'"));
        ASSERT_EQ(svg->ElementCount(), c.Count);
        if (c.Count > 0) {
            EXPECT_EQ(First(*svg).Type(), c.Kind);
            EXPECT_EQ(First(*svg).Parent(), nullptr);
        }
    }
}

TEST(SVGDocument, StartValues)
{
    const auto svg = Load(QStringLiteral("<rect/>"));
    const TKestGraphicsSVGElement& e = First(*svg);
    EXPECT_EQ(e.FillColorValue(), "default");
    EXPECT_EQ(e.StrokeWidth(), 1);
    EXPECT_EQ(e.Opacity(), 1);
    EXPECT_FALSE(e.HasFillColor());
    EXPECT_FALSE(e.HasStrokeWidth());
    EXPECT_FALSE(e.HasFontSize());
    EXPECT_FALSE(e.HasElements());
    EXPECT_FALSE(e.HasPaths());
    EXPECT_FALSE(e.HasActivePath());
    EXPECT_EQ(e.PreserveAspectRatio(), parOther);
    EXPECT_EQ(e.Matrix(), MatrixIdentity());
}

struct TGeometryCase {
    const char* Markup;
    float X, Y, Width, Height, Rx, Ry;
};

TEST(SVGDocument, Geometry)
{
    const TGeometryCase cases[] = {
        {"<rect x='1' y='2' width='3' height='4' rx='5' ry='6'/>", 1, 2, 3, 4, 5, 6},
        {"<rect x='1in' y='bad' width='10pt'/>", 90, 0, 12.5f, 0, 0, 0},
        {"<circle cx='5' cy='6' r='7'/>", 5, 6, 0, 0, 7, 7},
        {"<ellipse cx='5' cy='6' rx='7' ry='8'/>", 5, 6, 0, 0, 7, 8},
        // A line keeps x1, y1, x2, y2 in x, y, width, height.
        {"<line x1='1' y1='2' x2='3' y2='4'/>", 1, 2, 3, 4, 0, 0},
        {"<linearGradient x1='0' y1='0.5' x2='1' y2='0'/>", 0, 0.5f, 1, 0, 0, 0},
    };
    for (const TGeometryCase& c : cases) {
        SCOPED_TRACE(c.Markup);
        const auto svg = Load(QString::fromLatin1(c.Markup));
        const TKestGraphicsSVGElement& e = First(*svg);
        EXPECT_FLOAT_EQ(e.X(), c.X);
        EXPECT_FLOAT_EQ(e.Y(), c.Y);
        EXPECT_FLOAT_EQ(e.Width(), c.Width);
        EXPECT_FLOAT_EQ(e.Height(), c.Height);
        EXPECT_FLOAT_EQ(e.Rx(), c.Rx);
        EXPECT_FLOAT_EQ(e.Ry(), c.Ry);
    }
    const auto radial = Load(QStringLiteral("<radialGradient cx='30' fx='1'/>"));
    EXPECT_TRUE(First(*radial).HasCX());
    EXPECT_FALSE(First(*radial).HasCY());
    EXPECT_FLOAT_EQ(First(*radial).CX(), 30);
}

struct TViewCase {
    const char* RootAttributes;
    const char* Body;
    TRectF View;
};

TEST(SVGDocument, ViewRectangle)
{
    const TViewCase cases[] = {
        {"viewBox='0 0 24 24'", "", {0, 0, 24, 24}},
        {"viewBox='10 10 100 50'", "", {10, 10, 110, 60}},
        {"viewBox='0,0,24,24'", "", {0, 0, 24, 24}},
        {"viewBox=' 0, 0  24 ,24 '", "", {0, 0, 24, 24}},
        {"viewBox='0 0 24 24' width='100' height='100'", "", {0, 0, 24, 24}},
        {"width='100pt' height='50pt'", "", {0, 0, 125, 62.5f}},
        // Other forms are passed over; the drawn shapes then give the view.
        {"viewBox='0 0 24'", "<rect x='1' y='2' width='3' height='4'/>", {1, 2, 4, 6}},
        {"viewBox='0 0 24 24 5'", "", {0, 0, 0, 0}},
        {"width='100'", "<circle cx='10' cy='10' r='5'/>", {5, 5, 15, 15}},
        {"", "", {0, 0, 0, 0}},
        // Bounds move with the groups around a shape, not with defs content.
        {"", "<g transform='translate(10 0)'><g transform='scale(2)'><rect width='1' height='1'/></g></g>",
         {10, 0, 12, 2}},
        {"", "<line x1='5' y1='5' x2='1' y2='2'/><defs><rect width='100' height='100'/></defs>", {1, 2, 5, 5}},
        {"", "<path d='M 1 1 L 3 3' transform='translate(1 1)'/>", {2, 2, 4, 4}},
    };
    for (const TViewCase& c : cases) {
        SCOPED_TRACE(std::string(c.RootAttributes) + " " + c.Body);
        const auto svg = Load(QString::fromLatin1(c.Body), QString::fromLatin1(c.RootAttributes));
        EXPECT_EQ(svg->ViewRect(), c.View);
    }
}

TEST(SVGDocument, Presentation)
{
    struct TCase {
        const char* Attributes;
        std::function<void(const TKestGraphicsSVGElement&)> Check;
    };
    const TCase cases[] = {
        {"fill='none'", [](auto& e) { EXPECT_EQ(e.FillColorValue(), "none"); EXPECT_EQ(e.FillColor(), gcNull); EXPECT_FALSE(e.HasFillColor()); }},
        {"fill='url(#g1)'", [](auto& e) { EXPECT_EQ(e.URLRefID(), "g1"); }},
        {"fill=\"url('#g1')\"", [](auto& e) { EXPECT_EQ(e.URLRefID(), "g1"); }},
        {"stroke='url(\"#g2\")'", [](auto& e) { EXPECT_EQ(e.URLRefID(), "g2"); }},
        {"fill='rgb(100%, 0%, 0%)'", [](auto& e) { EXPECT_EQ(e.FillColor(), 0x0000FF); EXPECT_TRUE(e.HasFillColor()); }},
        {"fill='rgba(1,2,3,0)'", [](auto& e) { EXPECT_EQ(e.FillColorValue(), "none"); }},
        {"fill='#GGG'", [](auto& e) { EXPECT_EQ(e.FillColor(), gcNull); }},
        {"stroke='#00F' stroke-width='2px'", [](auto& e) { EXPECT_EQ(e.StrokeColor(), 0xFF0000); EXPECT_FLOAT_EQ(e.StrokeWidth(), 2); }},
        // The style attribute first, then the attributes: an attribute wins.
        {"style='fill:red; stroke : blue' fill='lime'", [](auto& e) { EXPECT_EQ(e.FillColor(), 0x00FF00); EXPECT_EQ(e.StrokeColor(), 0xFF0000); }},
        {"style='opacity:0.5;;bogus;display:None'", [](auto& e) { EXPECT_FLOAT_EQ(e.Opacity(), 0.5f); EXPECT_EQ(e.DisplayValue(), "none"); }},
        {"opacity='x'", [](auto& e) { EXPECT_EQ(e.Opacity(), 0); EXPECT_TRUE(e.HasOpacity()); }},
        {"font-family='Arial-BoldMT'", [](auto& e) { EXPECT_EQ(e.FontFamily(), "Arial-Bold"); EXPECT_EQ(e.FontStyle(), TFontStyles(fsBold)); }},
        {"font-family=\"Times, 'Liberation Serif'\"", [](auto& e) { EXPECT_EQ(e.FontFamily(), "Liberation Serif"); }},
        {"font-style='italic' font-size='12pt'", [](auto& e) { EXPECT_EQ(e.FontStyle(), TFontStyles(fsItalic)); EXPECT_FLOAT_EQ(e.FontSize(), 15); }},
        {"preserveAspectRatio='none'", [](auto& e) { EXPECT_EQ(e.PreserveAspectRatio(), parNone); EXPECT_TRUE(e.HasPreserveAspectRatio()); }},
        {"offset='50%' stop-color='#FF0000' stop-opacity='0.25'", [](auto& e) { EXPECT_FLOAT_EQ(e.Offset(), 0.5f); EXPECT_EQ(e.StopColor(), 0x0000FF); EXPECT_FLOAT_EQ(e.StopOpacity(), 0.25f); }},
        {"stop-color='url(#g)'", [](auto& e) { EXPECT_TRUE(e.URLRefID().isEmpty()); }},
        {"fill='  url(  #g1 )  ' stroke=\"url( '#g2')\"", [](auto& e) { EXPECT_EQ(e.URLRefID(), "g2"); EXPECT_EQ(e.FillColorValue(), "url(  #g1 )"); }},
        {"clip-path=\"url('#c1')\" id='me' class='k'", [](auto& e) { EXPECT_EQ(e.ClipPathRefID(), "c1"); EXPECT_EQ(e.ID(), "me"); EXPECT_EQ(e.ClassRefID(), "k"); }},
        {"xlink:href='#other'", [](auto& e) { EXPECT_EQ(e.HRefID(), "other"); }},
        {"transform='translate(5)' gradientTransform='scale(2)'", [](auto& e) { EXPECT_FLOAT_EQ(e.Matrix().m31(), 5); EXPECT_FLOAT_EQ(e.GradientMatrix().m11(), 2); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Attributes);
        const auto svg = Load(QStringLiteral("<rect %1/>").arg(QString::fromLatin1(c.Attributes)),
                              QStringLiteral("xmlns:xlink='http://www.w3.org/1999/xlink'"));
        c.Check(First(*svg));
    }
}

TEST(SVGDocument, StyleRulesByClass)
{
    const auto svg = Load(QStringLiteral("<style>/* .x{fill:red} */ .a{fill:#FF0000} rect{fill:blue} .b, g.c { stroke : #00F }</style>"
                                         "<rect class='a'/><rect class='b'/><rect class='c'/><rect class='none'/>"));
    ASSERT_EQ(svg->DefsList().size(), 3u);
    const auto& rects = svg->ElementList();
    ASSERT_TRUE(rects[0]->ClassRef());
    EXPECT_EQ(rects[0]->ClassRef()->Type(), etStyle);
    EXPECT_EQ(rects[0]->ClassRef()->FillColorValue(), "#FF0000");
    EXPECT_EQ(rects[0]->ClassRef()->FillColor(), 0x0000FF);
    ASSERT_TRUE(rects[1]->ClassRef());
    EXPECT_EQ(rects[1]->ClassRef()->StrokeColor(), 0xFF0000);
    ASSERT_TRUE(rects[2]->ClassRef());
    EXPECT_EQ(rects[2]->ClassRef()->ClassRefID(), "c");
    EXPECT_EQ(rects[3]->ClassRef(), nullptr);
    EXPECT_EQ(svg->ElementClassList().size(), 4u);

    // Rules in character data, and sheets that are only fragments.
    EXPECT_EQ(Load(QStringLiteral("<style><![CDATA[.a{fill:red}]]></style>"))->DefsList().size(), 1u);
    for (const char* sheet : {"}.a{", ".a{fill:red", "{}{}{}", "..{", ".{fill:red}"}) {
        SCOPED_TRACE(sheet);
        EXPECT_TRUE(Load(QStringLiteral("<style>%1</style>").arg(QString::fromLatin1(sheet)))->DefsList().empty());
    }
}

TEST(SVGDocument, References)
{
    const auto svg = Load(QStringLiteral(
        "<defs>"
        "<linearGradient id='base'><stop offset='0' stop-color='red'/></linearGradient>"
        "<linearGradient id='g1' xlink:href='#base'/>"
        "<radialGradient id='self' xlink:href='#self'/>"
        "<clipPath id='c1'><rect/><circle r='3'/></clipPath>"
        "</defs>"
        "<style>.paint{fill:url(#g1)} .clip{clip-path:url(#c1)}</style>"
        "<rect fill=\"url('#g1')\"/>"
        "<rect clip-path=\"url('#c1')\"/>"
        "<rect class='paint'/>"
        "<rect class='clip'/>"
        "<rect fill='url(#missing)' clip-path='url(#missing)'/>"),
        QStringLiteral("xmlns:xlink='http://www.w3.org/1999/xlink'"));
    const auto& e = svg->ElementList();
    ASSERT_EQ(e.size(), 5u);
    ASSERT_EQ(svg->ElementPatternList().size(), 3u);
    ASSERT_EQ(svg->ElementClipPathList().size(), 1u);
    const TKestGraphicsSVGElement* base = svg->ElementPatternList()[0];
    const TKestGraphicsSVGElement* g1 = svg->ElementPatternList()[1];
    const TKestGraphicsSVGElement* self = svg->ElementPatternList()[2];
    EXPECT_EQ(g1->HRefRef(), base);
    EXPECT_EQ(self->HRefRef(), nullptr);
    EXPECT_EQ(e[0]->PatternRef(), g1);
    // The clip shape is the clip path's last child.
    ASSERT_TRUE(e[1]->ClipPathRef());
    EXPECT_EQ(e[1]->ClipPathRef()->Type(), etCircle);
    EXPECT_EQ(e[2]->PatternRef(), g1);
    ASSERT_TRUE(e[3]->ClipPathRef());
    EXPECT_EQ(e[3]->ClipPathRef()->Type(), etCircle);
    EXPECT_EQ(e[4]->PatternRef(), nullptr);
    EXPECT_EQ(e[4]->ClipPathRef(), nullptr);
    // A rule referring to a gradient points at it itself too.
    EXPECT_EQ(svg->DefsList()[4]->PatternRef(), g1);
}

TEST(SVGDocument, ShapesAsPaths)
{
    const auto svg = Load(QStringLiteral("<path d='M0 0 L10 0 M5 5 L6 6' transform='translate(1 2)'/>"
                                         "<polyline points='0,0 10,0 10-10'/>"
                                         "<polygon points='0 0 10 0 10 10'/>"
                                         "<polygon points='0 0 10 0 10'/>"));
    const auto& e = svg->ElementList();
    ASSERT_EQ(e[0]->Paths().size(), 2u);
    EXPECT_EQ(e[0]->ActivePath(), e[0]->Paths().back().get());
    EXPECT_EQ(e[0]->Paths()[0]->PathData()[1].Point, TPointF(11, 2));
    EXPECT_EQ(e[0]->CombinedPath()->Count(), 4);
    ASSERT_EQ(e[1]->Paths().size(), 1u);
    EXPECT_EQ(e[1]->Paths()[0]->Count(), 3);
    EXPECT_EQ(e[1]->Paths()[0]->PathData()[2].Point, TPointF(10, -10));
    EXPECT_EQ(e[2]->Paths()[0]->PathData().back().Kind, gppClose);
    // An odd last coordinate is passed over.
    ASSERT_TRUE(e[3]->HasActivePath());
    EXPECT_EQ(e[3]->ActivePath()->PathData()[1].Point, TPointF(10, 0));
}

TEST(SVGDocument, Text)
{
    const auto svg = Load(QStringLiteral("<text x='1' y='2'>\n  Hello \t  world\n</text>"
                                         "<text font-size='10'>Say <tspan font-style='italic'>this</tspan></text>"));
    const auto& e = svg->ElementList();
    EXPECT_EQ(e[0]->Text(), "Hello world");
    EXPECT_FALSE(e[0]->HasElements());
    ASSERT_TRUE(e[1]->HasElements());
    const auto& parts = e[1]->Elements();
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0]->Type(), etTextSpanChild);
    EXPECT_EQ(parts[0]->Text(), "Say");
    EXPECT_EQ(parts[0]->Parent(), e[1].get());
    EXPECT_EQ(parts[1]->Type(), etTextSpan);
    ASSERT_EQ(parts[1]->Elements().size(), 1u);
    EXPECT_EQ(parts[1]->Elements()[0]->Text(), "this");
}

TEST(SVGDocument, ImagesFromDataAndFiles)
{
    QFile png(DataDir + "/red.png");
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    const QString base64 = QString::fromLatin1(png.readAll().toBase64());
    const QString wrapped = base64.left(20) + "\n   " + base64.mid(20);
    QTemporaryDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.filePath("folder.png")));
    struct TCase {
        QString Reference;
        bool Loads;
    };
    const TCase cases[] = {
        {"data:image/png;base64," + base64, true},
        {"data:image/png;base64," + wrapped, true},
        {DataDir + "/red.png", true},
        {"data:image/png;base64,@@@@", false},
        {"data:image/png," + base64, false},
        {"data:image/png;base64,", false},
        {DataDir + "/missing.png", false},
        // Only regular files are read: never a folder or a device.
        {dir.filePath("folder.png"), false},
        {QStringLiteral("/dev/zero"), false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Reference.left(60).toStdString());
        const auto svg = Load(QStringLiteral("<image width='4' height='3' href='%1'/><rect/>").arg(c.Reference));
        ASSERT_EQ(svg->ElementCount(), 2);
        const TKestGraphicsSVGElement& image = First(*svg);
        EXPECT_EQ(image.HasBitmap(), c.Loads);
        if (c.Loads) {
            EXPECT_EQ(const_cast<TKestGraphicsSVGElement&>(image).Bitmap()->Width(), 4);
        }
    }
}

TEST(SVGDocument, FileWithRelativeImageAndReferences)
{
    TKestGraphicsSVGImport svg;
    svg.LoadFromFile(DataDir + "/image.svg");
    EXPECT_EQ(svg.ViewRect(), TRectF(0, 0, 24, 24));
    ASSERT_EQ(svg.ElementCount(), 2);
    const auto& e = svg.ElementList();
    EXPECT_TRUE(e[0]->HasBitmap());
    ASSERT_TRUE(e[1]->PatternRef());
    EXPECT_EQ(e[1]->PatternRef()->ID(), "g1");
    ASSERT_EQ(e[1]->PatternRef()->Elements().size(), 2u);
    EXPECT_FLOAT_EQ(e[1]->PatternRef()->Elements()[1]->Offset(), 1);
    ASSERT_TRUE(e[1]->ClipPathRef());
    EXPECT_EQ(e[1]->ClipPathRef()->Type(), etRect);
    ASSERT_TRUE(e[1]->ClassRef());
    EXPECT_EQ(e[1]->ClassRef()->StrokeColorValue(), "green");
}

TEST(SVGDocument, LoadingSavingAndClearing)
{
    const QByteArray text = "<!-- kept --><svg viewBox='0 0 8 8'><rect width='1' height='1'/></svg>";
    TMemoryStream stream(text);
    stream.SetPosition(stream.Size());
    TKestGraphicsSVGImport svg;
    svg.LoadFromStream(stream);
    EXPECT_EQ(svg.ElementCount(), 1);
    TMemoryStream saved;
    svg.SaveToStream(saved);
    EXPECT_EQ(saved.Bytes(), text);

    QTemporaryDir dir;
    svg.SaveToFile(dir.filePath("copy.svg"));
    TKestGraphicsSVGImport again;
    again.LoadFromFile(dir.filePath("copy.svg"));
    EXPECT_EQ(again.ViewRect(), TRectF(0, 0, 8, 8));
    EXPECT_THROW(again.LoadFromFile(dir.filePath("none.svg")), EFOpenError);

    svg.Clear();
    EXPECT_FALSE(svg.HasElements());
    EXPECT_EQ(svg.ViewRect(), TKestGraphicsSVGImport::EmptyViewRect);
    TMemoryStream nothing;
    svg.SaveToStream(nothing);
    EXPECT_EQ(nothing.Size(), 0);
    EXPECT_EQ(svg.GenerateBitmap(10, 10), nullptr);

    // A document element other than "svg" leaves the importer empty.
    svg.LoadFromText(QStringLiteral("<html><rect/></html>"));
    EXPECT_EQ(svg.ElementCount(), 0);
    EXPECT_EQ(svg.ViewRect(), TKestGraphicsSVGImport::EmptyViewRect);
}

}
