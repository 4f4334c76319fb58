#include "support/ReviewedPicture.h"

#include <QDir>
#include <QFileInfo>
#include <cstdlib>
#include <gtest/gtest.h>

double ImageMismatch(const QImage& a, const QImage& b, int channelTolerance)
{
    if (a.size() != b.size() || a.isNull())
        return 1;
    const QImage p = a.convertToFormat(QImage::Format_ARGB32), q = b.convertToFormat(QImage::Format_ARGB32);
    const auto differs = [channelTolerance](int x, int y) { return std::abs(x - y) > channelTolerance; };
    long bad = 0;
    for (int y = 0; y < p.height(); ++y) {
        const auto* left = reinterpret_cast<const QRgb*>(p.constScanLine(y));
        const auto* right = reinterpret_cast<const QRgb*>(q.constScanLine(y));
        for (int x = 0; x < p.width(); ++x)
            bad += differs(qRed(left[x]), qRed(right[x])) || differs(qGreen(left[x]), qGreen(right[x])) ||
                   differs(qBlue(left[x]), qBlue(right[x])) || differs(qAlpha(left[x]), qAlpha(right[x]));
    }
    return double(bad) / (double(p.width()) * p.height());
}

void ExpectMatchesReviewed(const QImage& drawn, const QString& reviewedPath, TPictureTolerance tolerance)
{
    const QImage reviewed(reviewedPath);
    const QString file = QFileInfo(reviewedPath).fileName();
    const double mismatch = reviewed.isNull() ? 1 : ImageMismatch(drawn, reviewed, tolerance.Channel);
    EXPECT_LE(mismatch, tolerance.Share) << file.toStdString() << (reviewed.isNull() ? " missing" : "");
    const QString output = qEnvironmentVariable("KEST_GOLDEN_OUTPUT");
    if (!output.isEmpty() || mismatch > tolerance.Share) {
        const QString folder = output.isEmpty() ? QDir::tempPath() + QStringLiteral("/kest-golden") : output;
        QDir().mkpath(folder);
        drawn.save(folder + QLatin1Char('/') + file);
    }
}
