#include "graphics/svg/KestGraphicsSVGGlyphOutlines_p.h"

#include <QHash>

namespace {

// The face is named rather than held, so the kept outlines keep no font
// engine alive past the application.
struct TGlyphKey {
    QString Face;
    quint32 Glyph;
    bool operator==(const TGlyphKey&) const = default;
};

size_t qHash(const TGlyphKey& key, size_t seed = 0) { return qHashMulti(seed, key.Face, key.Glyph); }

// Enough for the glyphs of many faces and sizes; past it the store starts
// again rather than growing without end.
constexpr qsizetype MaxOutlines = 16384;

}

TKestGraphicsSVGGlyphOutlines::TKestGraphicsSVGGlyphOutlines(const QRawFont& font)
    : FFont(font)
{
    // Weight and style tell a face from its synthesized bold or slanted
    // forms, which share its names.
    FFace = font.familyName() + QLatin1Char('\n') + font.styleName() + QLatin1Char('\n')
            + QString::number(font.weight()) + QLatin1Char(' ') + QString::number(int(font.style()))
            + QLatin1Char(' ') + QString::number(font.pixelSize(), 'g', 17);
}

QPainterPath TKestGraphicsSVGGlyphOutlines::Outline(quint32 glyph) const
{
    thread_local QHash<TGlyphKey, QPainterPath> outlines;
    TGlyphKey key{FFace, glyph};
    const auto found = outlines.constFind(key);
    if (found != outlines.cend())
        return found.value();
    if (outlines.size() >= MaxOutlines)
        outlines.clear();
    const QPainterPath outline = FFont.pathForGlyph(glyph);
    outlines.insert(std::move(key), outline);
    return outline;
}
