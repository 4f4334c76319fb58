#include "pictures/KestPictureUtils.h"

#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Graphic.h"
#include "framework/PictureFormats.h"
#include "framework/Stream.h"
#include "pictures/KestBitmap.h"
#include "utils/KestUtils.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>

namespace {

std::unique_ptr<TMemoryStream> StreamForm(TPicture* picture)
{
    auto stream = std::make_unique<TMemoryStream>();
    if (picture)
        picture->SaveToStream(*stream);
    stream->SetPosition(0);
    return stream;
}

}

QString TKestPictureUtils::SaveBitmapToHexStr(TPicture* ABitmap)
{
    return TKestUtils::SaveStreamToHexStr(*StreamForm(ABitmap));
}

void TKestPictureUtils::LoadBitmapFromHexStr(const QString& AHexStr, TPicture* ABitmap)
{
    TMemoryStream stream;
    TKestUtils::LoadStreamFromHexStr(AHexStr, stream);
    stream.SetPosition(0);
    ABitmap->LoadFromStream(stream);
}

std::unique_ptr<TKestBitmap> TKestPictureUtils::CreateBitmapFromHexStr(const QString& AHexStr)
{
    auto bitmap = std::make_unique<TKestBitmap>();
    LoadBitmapFromHexStr(AHexStr, bitmap.get());
    return bitmap;
}

QString TKestPictureUtils::SaveBitmapToBase64(TPicture* ABitmap, bool AURL)
{
    return TKestUtils::SaveStreamToBase64(*StreamForm(ABitmap), AURL);
}

void TKestPictureUtils::LoadBitmapFromBase64(const QString& ABase64, TPicture* ABitmap, bool AURL)
{
    TMemoryStream stream(TKestUtils::Decode64ToBytes(ABase64, AURL));
    ABitmap->LoadFromStream(stream);
}

std::unique_ptr<TKestBitmap> TKestPictureUtils::CreateBitmapFromBase64(const QString& ABase64, bool AURL)
{
    auto bitmap = std::make_unique<TKestBitmap>();
    LoadBitmapFromBase64(ABase64, bitmap.get(), AURL);
    return bitmap;
}

QString TKestPictureUtils::GetImageType(TPicture* ABitmap, bool AResetPosition)
{
    return TKestUtils::GetImageType(*StreamForm(ABitmap), AResetPosition);
}

bool TKestPictureUtils::FindGraphicClass(const void* Buffer, qint64 BufferSize, const TGraphicClass*& GraphicClass)
{
    GraphicClass = nullptr;
    if (!Buffer || BufferSize <= 0)
        return false;
    TMemoryStream stream(QByteArray(static_cast<const char*>(Buffer), BufferSize));
    GraphicClass = PictureFormats::FindForStream(stream);
    return GraphicClass != nullptr;
}

std::unique_ptr<TMemoryStream> TKestPictureUtils::ConvertBitmapToJPEGStream(TPicture* ABitmap, int AQuality,
                                                                            TColor ABackgroundColor)
{
    auto result = std::make_unique<TMemoryStream>();
    if (!ABitmap || !ABitmap->Graphic() || ABitmap->Width() <= 0 || ABitmap->Height() <= 0)
        return result;
    TDeviceContext dc(ABitmap->Width(), ABitmap->Height());
    dc.Fill(ColorToQColor(ABackgroundColor).rgb());
    TCanvas canvas(dc);
    canvas.StretchDraw(QRect(0, 0, ABitmap->Width(), ABitmap->Height()), ABitmap->Graphic());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    dc.Image().convertToFormat(QImage::Format_RGB32).save(&buffer, "JPG", std::clamp(AQuality, 0, 100));
    result->WriteBuffer(bytes.constData(), bytes.size());
    result->SetPosition(0);
    return result;
}
