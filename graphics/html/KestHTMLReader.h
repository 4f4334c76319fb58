#pragma once
// A cursor over prepared markup: the remaining markup is the text from the
// cursor to the end, so taking a run or a tag moves an index and copies
// nothing. The position of the next "<" is kept, so finding it again for
// every word of a long text without tags costs nothing.

#include <QString>
#include <QStringView>
#include <algorithm>

#pragma GCC visibility push(default)

class TKestHTMLReader {
public:
    // Reads text from begin up to end (exclusive).
    TKestHTMLReader(const QString& text, qsizetype begin, qsizetype end);

    // Entities resolved, the first "<#" and its ">" removed, carriage
    // returns turned into line-break tags, line feeds dropped.
    static QString PrepareMarkup(const QString& text);
    // The run's entities that the preparation leaves: "&nbsp;", "&lt;",
    // "&gt;", "&quot;" and "&amp;".
    static QString DecodeRun(QStringView run);

    qsizetype Pos() const { return FPos; }
    qsizetype End() const { return FEnd; }
    bool AtEnd() const { return FPos >= FEnd; }
    QStringView Remaining() const { return QStringView(FText).mid(FPos, FEnd - FPos); }
    bool AtTag() const { return !AtEnd() && FText.at(FPos) == QLatin1Char('<'); }

    void SkipSpaces();
    // Leaves trailing spaces of the whole text unread.
    void TrimEnd();
    // The text before the next "<"; with wordWrap only up to and including
    // the next space when that comes first. Not consumed.
    QStringView PeekRun(bool wordWrap);
    void Advance(qsizetype count) { FPos = std::min(FPos + count, FEnd); }
    // Back to a position read before (a tag left for the next line).
    void Rewind(qsizetype pos) { FPos = std::min(pos, FEnd); }
    // The tag at the cursor, from "<" to its ">", consumed. A "<" without a
    // later ">" ends the text: the cursor moves to the end and the result
    // is empty.
    QStringView ReadTag();

private:
    qsizetype NextTagStart();

    const QString& FText;
    qsizetype FPos;
    qsizetype FEnd;
    qsizetype FNextTag = -1;
};

#pragma GCC visibility pop
