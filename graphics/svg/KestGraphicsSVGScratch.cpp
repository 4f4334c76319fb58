#include "graphics/svg/KestGraphicsSVGScratch_p.h"

#include <QtGlobal>
#include <array>
#include <vector>

namespace {

// Two buffers serve a gradient and the mask that cuts it; each is kept up
// to 2 million pixels (8 MB).
constexpr qint64 MaxKeptPixels = qint64(2) << 20;

struct TSlot {
    std::vector<quint32> Pixels;
    bool Lent = false;
};

std::array<TSlot, 2>& Slots()
{
    thread_local std::array<TSlot, 2> kept;
    return kept;
}

}

TKestGraphicsSVGScratch::TKestGraphicsSVGScratch(const QSize& size)
{
    const qint64 pixels = qint64(qMax(size.width(), 0)) * qMax(size.height(), 0);
    auto& kept = Slots();
    for (size_t i = 0; i < kept.size() && pixels > 0 && pixels <= MaxKeptPixels; ++i) {
        if (kept[i].Lent)
            continue;
        std::vector<quint32>& buffer = kept[i].Pixels;
        if (buffer.size() < size_t(pixels))
            buffer.resize(size_t(pixels));
        kept[i].Lent = true;
        FSlot = int(i);
        FImage = QImage(reinterpret_cast<uchar*>(buffer.data()), size.width(), size.height(),
                        qsizetype(size.width()) * 4, QImage::Format_ARGB32_Premultiplied);
        break;
    }
    if (FSlot < 0)
        FImage = QImage(size, QImage::Format_ARGB32_Premultiplied);
    if (!FImage.isNull())
        FImage.fill(Qt::transparent);
}

TKestGraphicsSVGScratch::~TKestGraphicsSVGScratch()
{
    FImage = QImage();
    if (FSlot >= 0)
        Slots()[size_t(FSlot)].Lent = false;
}
