#include "graphics/svg/KestGraphicsSVGPixels_p.h"

#include "framework/VectorClones_p.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

// Every channel of a premultiplied pixel times a / 255, rounded, two
// channels at a time.
inline quint32 ScaleBy(quint32 pixel, quint32 a)
{
    quint32 redBlue = (pixel & 0xff00ff) * a;
    redBlue = ((redBlue + ((redBlue >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    quint32 alphaGreen = ((pixel >> 8) & 0xff00ff) * a;
    alphaGreen = (alphaGreen + ((alphaGreen >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return alphaGreen | redBlue;
}

quint32 Alpha(float opacity) { return quint32(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 255)); }

// The loops, built twice; internal, so their load-time choice stays
// within the library.
KEST_VECTOR_CLONES void KeepCoverageRows(QImage& image, const QImage& mask, quint32 fade)
{
    const int width = std::min(image.width(), mask.width()), height = std::min(image.height(), mask.height());
    for (int y = 0; y < height; ++y) {
        quint32* line = reinterpret_cast<quint32*>(image.scanLine(y));
        const quint32* cover = reinterpret_cast<const quint32*>(mask.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            quint32 a = cover[x] >> 24;
            if (fade != 255)
                a = (a * fade + 127) / 255;
            if (a != 255)
                line[x] = a == 0 ? 0 : ScaleBy(line[x], a);
        }
    }
}

KEST_VECTOR_CLONES void FadeRows(QImage& image, quint32 a)
{
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        quint32* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = ScaleBy(line[x], a);
    }
}

}

void KestGraphicsSVGPixels::KeepCoverage(QImage& image, const QImage& mask, float opacity)
{
    Q_ASSERT(image.size() == mask.size());
    Q_ASSERT(image.format() == QImage::Format_ARGB32_Premultiplied
             && mask.format() == QImage::Format_ARGB32_Premultiplied);
    KeepCoverageRows(image, mask, Alpha(opacity));
}

void KestGraphicsSVGPixels::Fade(QImage& image, float opacity)
{
    Q_ASSERT(image.format() == QImage::Format_ARGB32_Premultiplied);
    const quint32 a = Alpha(opacity);
    if (a != 255)
        FadeRows(image, a);
}
