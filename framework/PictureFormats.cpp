#include "framework/PictureFormats.h"

#include "framework/Bitmap.h"

#include <algorithm>

namespace PictureFormats {

namespace {

std::vector<TPictureFormat> MakeBuiltIn()
{
    std::vector<TPictureFormat> formats;
    const TGraphicClass bitmap = TGraphicClass::Of<TBitmap>();
    const char* const extensions[][2] = {
        {"bmp", "Bitmaps"}, {"png", "Portable Network Graphics"}, {"gif", "GIF Images"},
        {"jpg", "JPEG Images"}, {"jpeg", "JPEG Images"}, {"ico", "Icons"}, {"tif", "TIFF Images"},
        {"tiff", "TIFF Images"}};
    for (const auto& entry : extensions)
        formats.push_back({QString::fromLatin1(entry[0]), QString::fromLatin1(entry[1]), bitmap});
    return formats;
}

std::vector<TPictureFormat>& List()
{
    static std::vector<TPictureFormat> formats = MakeBuiltIn();
    return formats;
}

}

void Register(const QString& extension, const QString& description, const TGraphicClass& graphicClass)
{
    auto& formats = List();
    QString bare = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    // A later registration of an extension replaces the earlier one.
    std::erase_if(formats, [&](const TPictureFormat& f) {
        return f.Extension.compare(bare, Qt::CaseInsensitive) == 0;
    });
    formats.push_back({bare, description, graphicClass});
}

void Unregister(const TGraphicClass& graphicClass)
{
    std::erase_if(List(), [&](const TPictureFormat& f) { return f.GraphicClass == graphicClass; });
}

const TPictureFormat* FindExtension(const QString& extension)
{
    QString bare = extension.startsWith(QLatin1Char('.')) ? extension.mid(1) : extension;
    for (const TPictureFormat& f : List())
        if (f.Extension.compare(bare, Qt::CaseInsensitive) == 0)
            return &f;
    return nullptr;
}

const TGraphicClass* FindClassName(const QString& className)
{
    for (const TPictureFormat& f : List())
        if (className.compare(QLatin1String(f.GraphicClass.Meta->className()), Qt::CaseInsensitive) == 0)
            return &f.GraphicClass;
    return nullptr;
}

const TGraphicClass* FindForStream(TStream& stream)
{
    for (const TPictureFormat& f : List())
        if (f.GraphicClass.CanLoadFromStream && f.GraphicClass.CanLoadFromStream(stream))
            return &f.GraphicClass;
    return nullptr;
}

const std::vector<TPictureFormat>& Formats() { return List(); }

}
