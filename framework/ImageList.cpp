#include "framework/ImageList.h"

#include <QPainter>

TCustomImageList::TCustomImageList(TComponent* owner) : QObject(nullptr), TComponent(this, owner) {}

TCustomImageList::~TCustomImageList() { Destroying(); }

void TCustomImageList::SetWidth(int value)
{
    if (value > 0 && value != FWidth) {
        FWidth = value;
        Clear();
    }
}

void TCustomImageList::SetHeight(int value)
{
    if (value > 0 && value != FHeight) {
        FHeight = value;
        Clear();
    }
}

void TCustomImageList::SetDevicePixelRatio(double value)
{
    if (value >= 1.0 && value != FDevicePixelRatio) {
        FDevicePixelRatio = value;
        Clear();
    }
}

QSize TCustomImageList::PixelSize() const
{
    return {qRound(FWidth * FDevicePixelRatio), qRound(FHeight * FDevicePixelRatio)};
}

int TCustomImageList::Add(const QImage& image)
{
    const QSize pixels = PixelSize();
    QImage sized = image.size() == pixels ? image
                                          : image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    sized = sized.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    sized.setDevicePixelRatio(FDevicePixelRatio);
    FImages.push_back(sized);
    return Count() - 1;
}

void TCustomImageList::Clear() { FImages.clear(); }

QImage TCustomImageList::GetImage(int index) const
{
    return index >= 0 && index < Count() ? FImages[size_t(index)] : QImage();
}

void TCustomImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const
{
    QImage image = GetImage(index);
    if (image.isNull())
        return;
    if (!enabled)
        painter.setOpacity(0.5);
    painter.drawImage(x, y, image);
    painter.setOpacity(1.0);
}
