#pragma once
// Operations on premultiplied pixels done here rather than through a
// painter: a painter hands large images to worker threads, whose wake-ups
// cost more than these single passes.

#include <QImage>

namespace KestGraphicsSVGPixels {

// Scales every pixel of image by the alpha of mask's pixel at the same
// place (the images are of one size), and by opacity (0..1).
void KeepCoverage(QImage& image, const QImage& mask, float opacity = 1);
// Scales every pixel by opacity (0..1).
void Fade(QImage& image, float opacity);

}
