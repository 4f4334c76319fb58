#pragma once
// Comparing a drawn picture with a reviewed one kept beside the tests.
// A pixel matches when no channel (alpha included) differs by more than
// the channel tolerance; the pictures match when at most the share
// tolerance of the pixels do not.
//
// KEST_GOLDEN_OUTPUT=<folder> writes what was drawn there (to look at, or
// to review as the new reference); a picture that does not match is
// written there too (default: kest-golden in the temporary folder).

#include <QImage>
#include <QString>

struct TPictureTolerance {
    int Channel = 40;
    double Share = 0.005;
};

// The share of pixels that differ by more than the channel tolerance; 1
// for pictures of different sizes.
double ImageMismatch(const QImage& a, const QImage& b, int channelTolerance);

// A test failure naming the file when the drawn picture does not match the
// reviewed one at reviewedPath.
void ExpectMatchesReviewed(const QImage& drawn, const QString& reviewedPath, TPictureTolerance tolerance = {});
