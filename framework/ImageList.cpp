#include "framework/ImageList.h"

#include <QPainter>

TCustomImageList::TCustomImageList(TComponent* AOwner) : QObject(nullptr), TComponent(this, AOwner) {}

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

int TCustomImageList::Add(const QImage& image)
{
    QImage sized = image.size() == QSize(FWidth, FHeight)
                       ? image
                       : image.scaled(FWidth, FHeight, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(sized.convertToFormat(QImage::Format_ARGB32_Premultiplied));
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
