#pragma once
// Comparing a drawn picture with a reviewed one: the share of pixels where
// some channel (alpha included) differs by more than the tolerance; 1 for
// pictures of different sizes.

#include <QImage>

double ImageMismatch(const QImage& a, const QImage& b, int channelTolerance);
