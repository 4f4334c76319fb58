#include "framework/DeviceContext.h"

#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace {
constexpr QImage::Format SurfaceFormat = QImage::Format_ARGB32_Premultiplied;

// Rounded up so the last logical column and row are covered in full.
int Pixels(int logical, double ratio) { return qMax(int(std::ceil(logical * ratio)), 0); }
}

TDeviceContext::TDeviceContext(int width, int height, double devicePixelRatio)
    : FImage(Pixels(width, qMax(devicePixelRatio, 1.0)), Pixels(height, qMax(devicePixelRatio, 1.0)), SurfaceFormat)
{
    FImage.setDevicePixelRatio(qMax(devicePixelRatio, 1.0));
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

double PixelRatioOf(const QPainter& painter)
{
    // The painter's device is the widget even when its pixels go into a
    // picture; the engine's device is where they go.
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine && engine->paintDevice() ? engine->paintDevice() : painter.device();
    return target ? qMax(target->devicePixelRatio(), 1.0) : 1.0;
}
