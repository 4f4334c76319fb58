#include "graphics/svg/KestGraphicsSVGTextLayout.h"

#include "graphics/svg/KestGraphicsSVGElement.h"
#include "graphics/svg/KestGraphicsSVGGlyphOutlines_p.h"
#include "graphics/svg/KestGraphicsSVGTextContent.h"
#include "graphics/svg/KestGraphicsSVGTextFont.h"
#include "graphics/svg/KestGraphicsSVGTextValues.h"

#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace {

void AppendPath(const QPainterPath& source, TKestGraphicsPath& target)
{
    bool open = false;
    for (int i = 0; i < source.elementCount(); ++i) {
        const QPainterPath::Element e = source.elementAt(i);
        const TPointF point(float(e.x), float(e.y));
        if (e.isMoveTo()) {
            if (open)
                target.ClosePath();
            target.MoveTo(point);
            open = true;
        } else if (e.isLineTo()) {
            target.LineTo(point);
        } else if (e.isCurveTo() && i + 2 < source.elementCount()) {
            const QPainterPath::Element c2 = source.elementAt(i + 1);
            const QPainterPath::Element end = source.elementAt(i + 2);
            target.CurveTo(point, TPointF(float(c2.x), float(c2.y)), TPointF(float(end.x), float(end.y)));
            i += 2;
        }
    }
    if (open)
        target.ClosePath();
}

// One run of characters of the same span, shaped as a whole so kerning,
// ligatures and joining scripts come out right.
class TRunShape {
public:
    TRunShape(const QString& text, const QFont& font, Qt::LayoutDirection direction) : FLayout(text, font)
    {
        QTextOption option;
        // The paragraph direction is the text's own, never guessed from
        // its first letters.
        option.setTextDirection(direction);
        option.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        option.setWrapMode(QTextOption::NoWrap);
        option.setUseDesignMetrics(true);
        FLayout.setTextOption(option);
        FLayout.beginLayout();
        FLine = FLayout.createLine();
        if (FLine.isValid())
            FLine.setLineWidth(1e7);
        FLayout.endLayout();
    }

    // The characters from..to (run indices): their outlines, with the
    // left of their visual extent at the origin and the baseline at y 0,
    // at the shaping size; returns their width there.
    qreal Outlines(int from, int to, QPainterPath& path) const
    {
        if (!FLine.isValid())
            return 0;
        qreal a = FLine.cursorToX(from);
        qreal b = FLine.cursorToX(to);
        // A whole run spans the line from its start to the paragraph's
        // end, whatever its first character's direction.
        if (from == 0 && to == FLayout.text().size()) {
            b = std::max(a, b);
            a = 0;
        }
        const qreal left = std::min(a, b);
        for (const QGlyphRun& run : FLayout.glyphRuns(from, to - from)) {
            const QRawFont font = run.rawFont();
            const TKestGraphicsSVGGlyphOutlines outlines(font);
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < glyphs.size() && i < positions.size(); ++i) {
                QPainterPath glyph = outlines.Outline(glyphs[i]);
                glyph.translate(positions[i].x() - left, positions[i].y() - FLine.ascent());
                path.addPath(glyph);
            }
        }
        return std::fabs(b - a);
    }

private:
    QTextLayout FLayout;
    QTextLine FLine;
};

class TLayoutPass {
public:
    static constexpr size_t MaxRun = 256;

    explicit TLayoutPass(const TKestGraphicsSVGTextCharacters& chars) : FChars(chars) {}

    std::vector<TKestGraphicsSVGTextPiece> Run()
    {
        // A run is shaped alone: it ends where the span changes or a
        // character is placed absolutely (no kerning reaches across that),
        // and after MaxRun characters, so picking a character's glyphs out
        // of its run costs the same however long the text.
        size_t start = 0;
        while (start < FChars.size()) {
            size_t end = start + 1;
            while (end < FChars.size() && FChars[end].Owner == FChars[start].Owner
                   && (FChars[end].Joined
                       || (!FChars[end].HasX && !FChars[end].HasY && end - start < MaxRun)))
                ++end;
            LayRun(start, end);
            start = end;
        }
        EndChunk();
        std::vector<TKestGraphicsSVGTextPiece> pieces;
        for (auto& [style, outline] : FPieces) {
            pieces.push_back(TKestGraphicsSVGTextPiece{style, std::make_unique<TKestGraphicsPath>()});
            AppendPath(outline, *pieces.back().Path);
        }
        return pieces;
    }

private:
    void LayRun(size_t start, size_t end)
    {
        const TKestGraphicsSVGElement& owner = *FChars[start].Owner;
        QString text;
        for (size_t i = start; i < end; ++i)
            text.append(FChars[i].Char);
        const bool rtl = TKestGraphicsSVGTextFont::Inherited(owner, &TKestGraphicsSVGTextValues::Direction)
                         == QLatin1String("rtl");
        const TRunShape shape(text, TKestGraphicsSVGTextFont::Font(owner), rtl ? Qt::RightToLeft : Qt::LeftToRight);
        const float fontSize = TKestGraphicsSVGTextFont::Size(owner);
        const float scale = fontSize / float(TKestGraphicsSVGTextFont::ShapingSize);
        const float spacing = TKestGraphicsSVGTextFont::Length(
            TKestGraphicsSVGTextFont::Inherited(owner, &TKestGraphicsSVGTextValues::LetterSpacing), fontSize);
        FNewPiece = true;
        size_t index = start;
        while (index < end) {
            const size_t next = BatchEnd(index, end, spacing != 0);
            Move(FChars[index]);
            QPainterPath outline;
            const qreal width = shape.Outlines(int(index - start), int(next - start), outline);
            QTransform placing;
            placing.translate(FPen.x(), FPen.y());
            if (FChars[index].HasRotate)
                placing.rotate(FChars[index].Rotate);
            placing.scale(scale, scale);
            Piece(owner).addPath(placing.map(outline));
            FPen.rx() += width * scale + spacing;
            index = next;
        }
    }

    // Characters after the first go with it while nothing places them
    // apart; a rotated character or letter spacing stands alone.
    size_t BatchEnd(size_t index, size_t end, bool spaced) const
    {
        size_t next = index + 1;
        const bool alone = spaced || FChars[index].HasRotate;
        while (next < end && (FChars[next].Joined || (!alone && !FChars[next].IsPlaced() && !FChars[next].HasRotate)))
            ++next;
        return next;
    }

    // Moves the pen for a character; an absolute position starts a chunk.
    void Move(const TKestGraphicsSVGTextCharacter& c)
    {
        if ((c.HasX || c.HasY) && FStarted)
            EndChunk();
        if (c.HasX)
            FPen.setX(c.X);
        if (c.HasY)
            FPen.setY(c.Y);
        FPen += QPointF(c.DX, c.DY);
        if (!FStarted) {
            FStarted = true;
            FChunkStart = FPen.x();
            FChunkPiece = FPieces.size();
            FChunkAnchor = TKestGraphicsSVGTextFont::Inherited(*c.Owner, &TKestGraphicsSVGTextValues::TextAnchor);
        }
    }

    QPainterPath& Piece(const TKestGraphicsSVGElement& owner)
    {
        if (FNewPiece || FPieces.empty() || FPieces.back().first != &owner)
            FPieces.emplace_back(&owner, QPainterPath());
        FNewPiece = false;
        return FPieces.back().second;
    }

    void EndChunk()
    {
        const qreal width = FPen.x() - FChunkStart;
        qreal shift = 0;
        if (FChunkAnchor == QLatin1String("middle"))
            shift = -width / 2;
        else if (FChunkAnchor == QLatin1String("end"))
            shift = -width;
        if (shift != 0)
            for (size_t i = FChunkPiece; i < FPieces.size(); ++i)
                FPieces[i].second.translate(shift, 0);
        FStarted = false;
        FNewPiece = true;
    }

    const TKestGraphicsSVGTextCharacters& FChars;
    std::vector<std::pair<const TKestGraphicsSVGElement*, QPainterPath>> FPieces;
    QPointF FPen;
    bool FStarted = false;
    bool FNewPiece = true;
    qreal FChunkStart = 0;
    size_t FChunkPiece = 0;
    QString FChunkAnchor;
};

}

std::vector<TKestGraphicsSVGTextPiece> TKestGraphicsSVGTextLayout::Layout(const TKestGraphicsSVGElement& text)
{
    const TKestGraphicsSVGTextCharacters chars = TKestGraphicsSVGTextContent::Collect(text);
    return TLayoutPass(chars).Run();
}

bool TKestGraphicsSVGTextLayout::Outline(const TKestGraphicsSVGElement& text, TKestGraphicsPath& path)
{
    for (const TKestGraphicsSVGTextPiece& piece : Layout(text))
        path.AddPath(*piece.Path);
    return path.Count() > 0;
}
