// The library's published classes written and read back: fills, strokes,
// fonts, the SVG importer's settings, picture containers with raster and
// SVG pictures, and the path bar's appearance.

#include "PersistenceFixtures.h"

#include "persistence/KestJSONReader.h"
#include "persistence/KestJSONWriter.h"
#include "persistence/KestPersistence.h"

#include "framework/Stream.h"
#include "graphics/GraphicsColorObject.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsFont.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pictures/KestBitmap.h"
#include "pictures/PictureCollection.h"
#include "pictures/PictureContainer.h"
#include "pictures/PictureItem.h"

#include <QBuffer>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>

namespace {

void Set(QObject* object, const char* path, const QVariant& value)
{
    QObject* target = object;
    QByteArray name(path);
    for (qsizetype dot; (dot = name.indexOf('.')) >= 0; name = name.mid(dot + 1))
        target = target->property(name.left(dot).constData()).value<QObject*>();
    ASSERT_TRUE(target->setProperty(name.constData(), value)) << path;
}

QVariant Color(TColor color) { return QVariant::fromValue(color); }

QByteArray PngBytes()
{
    QImage image(5, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 200, 30, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const QByteArray SvgBytes(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 10 10"><rect width="4" height="4" fill="red"/></svg>)");

void AddPicture(TPictureContainer& container, const QString& name, const QByteArray& bytes)
{
    TPictureItem* item = container.Items()->Add();
    item->SetName(name);
    TMemoryStream stream(bytes);
    item->Picture()->LoadFromStream(stream);
}

QByteArray PictureBytes(TGraphic* graphic)
{
    TMemoryStream stream;
    graphic->SaveToStream(stream);
    return stream.Bytes();
}

struct TRoundTrip {
    const char* name;
    std::function<std::unique_ptr<QObject>()> make;
    std::function<void(QObject*)> change;
};

class LibraryRoundTrip : public ::testing::TestWithParam<TRoundTrip> {
protected:
    void TearDown() override { TKestPersistence::ResetSettings(); }
};

}

TEST_P(LibraryRoundTrip, ReadsBackWhatWasWritten)
{
    const TRoundTrip& c = GetParam();
    std::unique_ptr<QObject> source = c.make();
    const QString fresh = Save(source.get());
    c.change(source.get());
    const QString json = Save(source.get());
    ASSERT_NE(json, fresh) << "the change shows in the document";
    std::unique_ptr<QObject> target = c.make();
    Load(target.get(), json);
    EXPECT_EQ(Save(target.get()), json);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, LibraryRoundTrip,
    ::testing::Values(
        TRoundTrip{"Fill", [] { return std::make_unique<TKestGraphicsFill>(gfkSolid, TColor(0xFFFFFF)); },
                   [](QObject* o) {
                       Set(o, "Kind", QVariant::fromValue(gfkGradient));
                       Set(o, "Orientation", QVariant::fromValue(gfoHorizontal));
                       Set(o, "Color", Color(clRed));
                       Set(o, "ColorTo", Color(TColor(-1)));
                       Set(o, "ColorMirror", Color(RGB(1, 2, 3)));
                       Set(o, "TextureMode", QVariant::fromValue(gtmTile));
                       TMemoryStream png(PngBytes());
                       static_cast<TKestGraphicsFill*>(o)->Texture()->LoadFromStream(png);
                   }},
        TRoundTrip{"Stroke", [] { return std::make_unique<TKestGraphicsStroke>(gskSolid, TColor(0xC0C0C0)); },
                   [](QObject* o) {
                       Set(o, "Kind", QVariant::fromValue(gskDashDot));
                       Set(o, "Color", Color(RGB(0xAB, 0xCD, 0xEF)));
                       Set(o, "Width", QVariant(2.25f));
                   }},
        TRoundTrip{"Font", [] { return std::make_unique<TKestGraphicsFont>(); },
                   [](QObject* o) {
                       auto* font = static_cast<TKestGraphicsFont*>(o);
                       font->SetName(QStringLiteral("Liberation Sans"));
                       font->SetSize(13);
                       font->SetStyle(TFontStyles(fsItalic) | fsUnderline);
                       font->SetColor(clGreen);
                   }},
        TRoundTrip{"ColorObject", [] { return std::make_unique<TKestGraphicsColorObject>(TColor(0)); },
                   [](QObject* o) { Set(o, "Color", Color(RGB(9, 8, 7))); }},
        TRoundTrip{"SVGImportSettings", [] { return std::unique_ptr<QObject>(TKestSVGImport::Create().release()); },
                   [](QObject* o) {
                       Set(o, "GrayScale", true);
                       Set(o, "CustomFillColor", Color(clBlue));
                       Set(o, "TintColor", Color(RGB(0x10, 0x20, 0x30)));
                       Set(o, "CustomOpacity", QVariant(0.4f));
                       Set(o, "RotationAngle", QVariant(-12.5f));
                   }},
        TRoundTrip{"PictureContainer", [] { return std::make_unique<TPictureContainer>(); },
                   [](QObject* o) {
                       auto* container = static_cast<TPictureContainer*>(o);
                       AddPicture(*container, QStringLiteral("raster"), PngBytes());
                       AddPicture(*container, QStringLiteral("vector"), SvgBytes);
                       container->Items()->Add()->SetName(QStringLiteral("empty"));
                   }},
        TRoundTrip{"PathBarAppearance", [] { return std::make_unique<TExpTreeviewAppearance>(); },
                   [](QObject* o) {
                       Set(o, "Color", Color(clBtnFace));
                       Set(o, "HotColor", Color(RGB(0xFE, 0xDC, 0xBA)));
                       Set(o, "ButtonAppearance.ColorHot", Color(clRed));
                       Set(o, "ButtonAppearance.ColorMirrorHot", Color(clNone));
                       Set(o, "ButtonAppearance.Font.Name", QStringLiteral("Arial"));
                   }}),
    [](const ::testing::TestParamInfo<TRoundTrip>& info) { return std::string(info.param.name); });

TEST(LibraryPersistence, PicturesComeBackByteForByte)
{
    TPictureContainer source;
    AddPicture(source, QStringLiteral("raster"), PngBytes());
    AddPicture(source, QStringLiteral("vector"), SvgBytes);
    TPictureContainer target;
    target.SetJSON(source.JSON());
    ASSERT_EQ(target.Items()->Count(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(target.Items()->Items(i)->Name(), source.Items()->Items(i)->Name());
        EXPECT_EQ(PictureBytes(target.Items()->Items(i)->Picture()), PictureBytes(source.Items()->Items(i)->Picture()));
    }
    EXPECT_EQ(target.Items()->Items(1)->Picture()->Width(), source.Items()->Items(1)->Picture()->Width());
}

TEST(LibraryPersistence, ClassesWithoutPublishedPropertiesWriteTheirTypeAlone)
{
    auto canvas = std::make_unique<TKestGraphics>(nullptr, false);
    EXPECT_EQ(canvas->ToJSON(), QStringLiteral(R"({"$type":"TKestGraphics"})"));
    EXPECT_NO_THROW(canvas->FromJSON(QStringLiteral(R"({"unknown":[1,{"a":2}]})")));
    TMemoryStream stream;
    TKestJSONWriter writer(stream);
    EXPECT_EQ(writer.ToJSON(), QStringLiteral(R"({"$type":"TKestJSONWriter"})"));
    EXPECT_THROW(writer.FromJSON(QStringLiteral("[1]")), TKestJSONReader::EInvalidStateException);
    TKestGraphicsSVGElement element;
    EXPECT_EQ(element.ToJSON(), QStringLiteral(R"({"$type":"TKestGraphicsSVGElement"})"));
    TKestGraphicsFill fill(gfkGradient, clRed);
    EXPECT_EQ(fill.GradientItems()->GetEnumerator()->ToJSON(), QStringLiteral(R"({"$type":"TEnumerator"})"));
}
