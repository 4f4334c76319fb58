#include "graphics/html/KestHTMLPictures.h"

#include "framework/Bitmap.h"
#include "framework/Graphic.h"
#include "framework/ImageList.h"
#include "framework/Stream.h"
#include "pictures/KestBitmap.h"
#include "pictures/KestPictureUtils.h"
#include "pictures/PictureContainer.h"

#include <QFile>
#include <QFileInfo>
#include <exception>

namespace {

bool StartsWith(const QString& text, QLatin1String prefix) { return text.startsWith(prefix, Qt::CaseInsensitive); }

// A holder fit to draw: something in it, and a size.
std::unique_ptr<TPicture> Drawable(std::unique_ptr<TPicture> picture)
{
    if (!picture || !picture->Graphic() || picture->Graphic()->Empty() || picture->Width() <= 0 ||
        picture->Height() <= 0)
        return nullptr;
    return picture;
}

}

TKestHTMLPictures::TKestHTMLPictures(TPictureContainer* container, TImageList* imageList)
    : FContainer(container), FImageList(imageList)
{
}

TKestHTMLPictures::~TKestHTMLPictures() = default;

bool TKestHTMLPictures::IsIndex(const QString& source) { return StartsWith(source, QLatin1String("IDX:")); }

TPicture* TKestHTMLPictures::Find(const QString& source, bool indexAllowed)
{
    if (source.isEmpty())
        return nullptr;
    const QString key = (indexAllowed ? QLatin1Char('1') : QLatin1Char('0')) + source;
    auto found = FLoaded.find(key);
    if (found != FLoaded.end())
        return found->second.get();
    std::unique_ptr<TPicture> picture;
    try {
        picture = Drawable(Load(source, indexAllowed));
    } catch (const std::exception&) {
        // Data that does not decode is a missing picture: markup never raises.
    }
    return FLoaded.emplace(key, std::move(picture)).first->second.get();
}

std::unique_ptr<TPicture> TKestHTMLPictures::Load(const QString& source, bool indexAllowed)
{
    if (IsIndex(source))
        return indexAllowed ? LoadIndex(source.mid(4)) : nullptr;
    if (StartsWith(source, QLatin1String("FILE://")))
        return LoadFile(source.mid(7));
    if (StartsWith(source, QLatin1String("RES://")))
        return LoadResource(source.mid(6));
    if (StartsWith(source, QLatin1String("DATA:")))
        return LoadData(source);
    if (!source.contains(QLatin1Char(':')))
        return LoadNamed(source);
    return nullptr;
}

std::unique_ptr<TPicture> TKestHTMLPictures::LoadIndex(const QString& number)
{
    bool ok = false;
    const int index = number.trimmed().toInt(&ok);
    if (!FImageList || !ok || index < 0 || index >= FImageList->Count())
        return nullptr;
    // At the list's logical size: the canvas draws in logical units and
    // scales to the device's pixels itself.
    QImage image = FImageList->GetImage(index);
    image.setDevicePixelRatio(1);
    image = image.scaled(FImageList->Width(), FImageList->Height(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    TBitmap bitmap;
    bitmap.SetImage(image);
    auto picture = std::make_unique<TKestBitmap>();
    picture->SetGraphic(&bitmap);
    return picture;
}

std::unique_ptr<TPicture> TKestHTMLPictures::LoadFile(const QString& path)
{
    // Regular files only: a device or a pipe could be read without end.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || info.size() > MaxFileSize)
        return nullptr;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    // Read no more than the cap even when the file grew since it was looked at.
    QByteArray bytes = file.read(MaxFileSize + 1);
    if (bytes.isEmpty() || bytes.size() > MaxFileSize)
        return nullptr;
    TMemoryStream stream(bytes);
    auto picture = std::make_unique<TKestBitmap>();
    picture->LoadFromStream(stream);
    return picture;
}

std::unique_ptr<TPicture> TKestHTMLPictures::LoadResource(const QString& name)
{
    if (name.isEmpty())
        return nullptr;
    auto picture = std::make_unique<TKestBitmap>();
    picture->LoadFromResource(name);
    return picture;
}

std::unique_ptr<TPicture> TKestHTMLPictures::LoadData(const QString& source)
{
    static const QLatin1String marker("BASE64,");
    const qsizetype at = source.indexOf(marker, 0, Qt::CaseInsensitive);
    if (at < 0)
        return nullptr;
    auto picture = std::make_unique<TKestBitmap>();
    TKestPictureUtils::LoadBitmapFromBase64(source.mid(at + marker.size()).trimmed(), picture.get());
    return picture;
}

std::unique_ptr<TPicture> TKestHTMLPictures::LoadNamed(const QString& name)
{
    TGraphic* graphic = FContainer ? FContainer->FindPicture(name) : nullptr;
    if (!graphic)
        return nullptr;
    auto picture = std::make_unique<TKestBitmap>();
    picture->SetGraphic(graphic);
    return picture;
}
