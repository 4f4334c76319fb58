#include "framework/Bitmap.h"

#include "framework/Canvas.h"
#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Stream.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

TBitmap::TBitmap(QObject* parent) : TGraphic(parent) {}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(TPersistent* source)
{
    if (auto* b = dynamic_cast<TBitmap*>(source)) {
        if (b == this)
            return;
        FImage = b->FImage;
        FEncoded = b->FEncoded;
        // Transparent reports the change when it differs; one report is enough.
        bool sameTransparency = b->Transparent() == Transparent();
        SetTransparent(b->Transparent());
        if (sameTransparency)
            Changed();
        return;
    }
    if (!source) {
        Clear();
        return;
    }
    TPersistent::Assign(source);
}

void TBitmap::Draw(TCanvas& canvas, const QRect& rect)
{
    if (!Empty())
        canvas.DrawImage(rect, Transparent() ? TransparentImage() : FImage);
}

bool TBitmap::CanLoadFromStream(TStream& stream)
{
    qint64 saved = stream.Position();
    QByteArray format = QImageReader::imageFormat(&stream.Device());
    stream.SetPosition(saved);
    // A vector document is no raster picture, even where a plug-in reads it.
    return !format.isEmpty() && !format.startsWith("svg");
}

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    if (width <= 0 || height <= 0) {
        Clear();
        return;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    FImage = image;
    FEncoded.clear();
    Changed();
}

void TBitmap::LoadFromBytes(const QByteArray& bytes)
{
    QImage image;
    if (bytes.isEmpty() || !image.loadFromData(bytes))
        throw EReadError(QStringLiteral("Bitmap image is not valid"));
    FImage = image;
    FEncoded = bytes;
    Changed();
}

void TBitmap::LoadFromStream(TStream& stream)
{
    LoadFromBytes(stream.Device().readAll());
}

void TBitmap::SaveToStream(TStream& stream)
{
    QByteArray bytes = Encoded();
    stream.WriteBuffer(bytes.constData(), bytes.size());
}

void TBitmap::LoadFromResourceName(const QString& name)
{
    QFile file(QStringLiteral(":/bitmaps/%1.bmp").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        throw EResNotFound(Exception::Format(QString::fromLatin1(Messages::ResNotFound), name));
    LoadFromBytes(file.readAll());
}

void TBitmap::Clear()
{
    if (Empty())
        return;
    FImage = QImage();
    FEncoded.clear();
    Changed();
}

void TBitmap::SetImage(const QImage& image)
{
    FImage = image;
    FEncoded.clear();
    Changed();
}

QByteArray TBitmap::Encoded() const
{
    if (!FEncoded.isEmpty() || FImage.isNull())
        return FEncoded;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FImage.save(&buffer, "BMP");
    return bytes;
}

QRgb TBitmap::TransparentColor() const
{
    return Empty() ? 0 : FImage.pixel(0, FImage.height() - 1);
}

QImage TBitmap::TransparentImage() const
{
    if (Empty())
        return QImage();
    QImage image = FImage.convertToFormat(QImage::Format_ARGB32);
    QRgb key = TransparentColor() | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return image;
}

