// The text calls of the framework canvas.
#include "framework/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStaticText>
#include <QTextLayout>
#include <algorithm>

namespace {

// Far enough for any text a surface can show, small enough for Qt's
// layout arithmetic.
constexpr int Unbounded = 1 << 20;

int QtTextFlags(TTextFormat format)
{
    int flags = 0;
    if (format & tfSingleLine)
        flags |= Qt::TextSingleLine;
    else if (format & tfWordBreak)
        flags |= Qt::TextWordWrap;
    if (format & tfCenter)
        flags |= Qt::AlignHCenter;
    else if (format & tfRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if ((format & tfSingleLine) && (format & tfVerticalCenter))
        flags |= Qt::AlignVCenter;
    else if ((format & tfSingleLine) && (format & tfBottom))
        flags |= Qt::AlignBottom;
    else
        flags |= Qt::AlignTop;
    if (!(format & tfNoPrefix))
        flags |= Qt::TextShowMnemonic;
    return flags;
}

const QString Ellipsis = QStringLiteral("\u2026");

// The most whole words, then an ellipsis, that fit the width; characters
// are cut only when not even the first word fits.
QString WordElided(const QFontMetrics& metrics, const QString& text, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    QList<qsizetype> ends;
    for (qsizetype i = 1; i < text.size(); ++i)
        if (text[i].isSpace() && !text[i - 1].isSpace())
            ends.push_back(i);
    // Widths grow with the number of words kept: search for the last fit.
    qsizetype low = 0, high = ends.size();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(ends[mid - 1]) + Ellipsis) <= width)
            low = mid;
        else
            high = mid - 1;
    }
    if (low > 0)
        return text.left(ends[low - 1]) + Ellipsis;
    return metrics.elidedText(text, Qt::ElideRight, width);
}

QString LineElided(const QFontMetrics& metrics, const QString& text, int width, TTextFormat format)
{
    if (format & tfWordEllipsis)
        return WordElided(metrics, text, width);
    return metrics.elidedText(text, Qt::ElideRight, width);
}

// Word-wrapped text cut after the last line that fits the height, that
// line ending in an ellipsis.
QString WrappedElided(const QFont& font, const QString& text, const QRect& box, TTextFormat format)
{
    const QFontMetrics metrics(font);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QList<std::pair<int, int>> lines;
    qreal height = 0;
    bool cut = false;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(box.width());
        if (!lines.isEmpty() && height + line.height() > box.height()) {
            cut = true;
            break;
        }
        height += line.height();
        lines.push_back({line.textStart(), line.textLength()});
    }
    layout.endLayout();
    if (!cut)
        return text;
    QString result;
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        result += text.mid(lines[i].first, lines[i].second).trimmed() + QLatin1Char('\n');
    return result + LineElided(metrics, text.mid(lines.back().first).simplified(), box.width(), format);
}

}

const QFont& TCanvas::QtFont()
{
    if (FQtFont)
        return *FQtFont;
    // Text of mixed styles switches between a few fonts again and again. A
    // font equal to one used before is taken from it: the copy shares what
    // Qt resolved for it, where a new font looks its family up again.
    const QFont font = FFont->ToQFont(1.0);
    const auto known = std::find_if(FRecentQtFonts.begin(), FRecentQtFonts.end(),
                                    [&](const TRecentFont& recent) { return recent.Font == font; });
    if (known != FRecentQtFonts.end()) {
        FQtFontIndex = size_t(known - FRecentQtFonts.begin());
    } else {
        if (FRecentQtFonts.size() >= RecentQtFonts)
            FRecentQtFonts.erase(FRecentQtFonts.begin());
        FRecentQtFonts.push_back(TRecentFont{font, {}});
        FQtFontIndex = FRecentQtFonts.size() - 1;
    }
    FQtFont = FRecentQtFonts[FQtFontIndex].Font;
    return *FQtFont;
}

QPainter* TCanvas::PreparedForText()
{
    QPainter* painter = Prepared(false, false);
    if (!painter)
        return nullptr;
    painter->setFont(QtFont());
    painter->setPen(ColorToQColor(FFont->Color()));
    return painter;
}

const QStaticText* TCanvas::Shaped(const QString& text, int flags, const QPainter& painter)
{
    if (flags != (Qt::TextSingleLine | Qt::AlignLeft | Qt::AlignTop) || !FQtFont ||
        FQtFontIndex >= FRecentQtFonts.size())
        return nullptr;
    // Line breaks, tabs and other controls are the line layout's to handle.
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20; }))
        return nullptr;
    TRecentFont& recent = FRecentQtFonts[FQtFontIndex];
    QHash<QString, QStaticText>& shaped = recent.Shaped;
    auto found = shaped.find(text);
    if (found == shaped.end()) {
        if (recent.ShapedLength + text.size() > ShapedLength) {
            shaped.clear();
            recent.ShapedLength = 0;
        }
        recent.ShapedLength += text.size();
        QStaticText made(text);
        made.setTextFormat(Qt::PlainText);
        made.setPerformanceHint(QStaticText::AggressiveCaching);
        made.prepare(painter.transform(), *FQtFont);
        found = shaped.insert(text, made);
    }
    return &*found;
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    QPainter* painter = PreparedForText();
    if (!painter)
        return;
    const QFontMetrics metrics(QtFont());
    const bool turned = FFont->Orientation() % 3600 != 0;
    if (turned) {
        painter->save();
        painter->translate(x, y);
        painter->rotate(-FFont->Orientation() / 10.0);
        x = y = 0;
    }
    if (BrushVisible())
        painter->fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()),
                          ColorToQColor(FBrush.Color()));
    painter->drawText(QPoint(x, y + metrics.ascent()), text);
    if (turned)
        painter->restore();
}

void TCanvas::TextRect(TRect& rect, const QString& text, TTextFormat format)
{
    const QFont& font = QtFont();
    const QFontMetrics metrics(font);
    const int flags = QtTextFlags(format);
    if (format & tfCalcRect) {
        const bool wraps = (flags & Qt::TextWordWrap) != 0;
        const QRect room(rect.Left, rect.Top, wraps ? std::max(1, rect.Width()) : Unbounded, Unbounded);
        const QRect bound = metrics.boundingRect(room, flags & ~(Qt::AlignHCenter | Qt::AlignRight), text);
        rect.Right = rect.Left + bound.width();
        rect.Bottom = rect.Top + bound.height();
        return;
    }
    const QRect box(rect.Left, rect.Top, rect.Width(), rect.Height());
    QString shown = text;
    if (format & (tfEndEllipsis | tfWordEllipsis))
        shown = (flags & Qt::TextWordWrap) ? WrappedElided(font, text, box, format)
                                           : LineElided(metrics, text, box.width(), format);
    QPainter* painter = PreparedForText();
    if (!painter || shown.isEmpty())
        return;
    const bool clips = !(format & tfNoClip);
    if (clips) {
        painter->save();
        painter->setClipRect(box, Qt::IntersectClip);
    }
    if (BrushVisible())
        painter->fillRect(metrics.boundingRect(box, flags, shown), ColorToQColor(FBrush.Color()));
    if (const QStaticText* shaped = Shaped(shown, flags, *painter))
        painter->drawStaticText(box.topLeft(), *shaped);
    else
        painter->drawText(box, flags, shown);
    if (clips)
        painter->restore();
}

int TCanvas::TextWidth(const QString& text) { return QFontMetrics(QtFont()).horizontalAdvance(text); }

// The height of a line of the font, as the platform's text extent gives it.
int TCanvas::TextHeight(const QString&) { return QFontMetrics(QtFont()).height(); }
