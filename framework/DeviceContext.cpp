#include "framework/DeviceContext.h"

namespace {
constexpr QImage::Format SurfaceFormat = QImage::Format_ARGB32_Premultiplied;
}

TDeviceContext::TDeviceContext(int width, int height)
    : FImage(qMax(width, 0), qMax(height, 0), SurfaceFormat)
{
    FImage.fill(Qt::transparent);
}

TDeviceContext::TDeviceContext(const QImage& picture)
    : FImage(picture.convertToFormat(SurfaceFormat))
{
    // Own the pixels outright so Bits() never has to detach later.
    FImage.detach();
}

QRgb TDeviceContext::Pixel(int x, int y) const
{
    if (!FImage.valid(x, y))
        return 0;
    return qUnpremultiply(FImage.pixel(x, y));
}

void TDeviceContext::Fill(QRgb argb)
{
    FImage.fill(QColor::fromRgba(argb));
}
