#pragma once
// Pixel buffers lent out for one drawing step and kept per thread for the
// next: memory touched for the first time costs more than most drawing
// done in it.

#include <QImage>
#include <QSize>

class TKestGraphicsSVGScratch {
public:
    // A transparent premultiplied image of that size over a kept buffer;
    // over a buffer of its own when every kept one is lent or the size is
    // past what is kept. Nothing may hold the image's pixels past this
    // object.
    explicit TKestGraphicsSVGScratch(const QSize& size);
    ~TKestGraphicsSVGScratch();
    TKestGraphicsSVGScratch(const TKestGraphicsSVGScratch&) = delete;
    TKestGraphicsSVGScratch& operator=(const TKestGraphicsSVGScratch&) = delete;

    QImage& Image() { return FImage; }

private:
    int FSlot = -1;
    QImage FImage;
};
