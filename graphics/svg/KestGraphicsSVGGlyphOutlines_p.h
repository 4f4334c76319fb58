#pragma once
// Glyph outlines kept per thread: getting one from the font loads and
// scales the glyph each time, and the same texts are drawn again and again.

#include <QPainterPath>
#include <QRawFont>
#include <QString>

class TKestGraphicsSVGGlyphOutlines {
public:
    explicit TKestGraphicsSVGGlyphOutlines(const QRawFont& font);

    // The outline of the font's glyph at the font's pixel size, the origin
    // on the baseline.
    QPainterPath Outline(quint32 glyph) const;

private:
    const QRawFont& FFont;
    // What tells the font's outlines apart from other fonts'.
    QString FFace;
};
