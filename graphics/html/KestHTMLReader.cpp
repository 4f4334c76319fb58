#include "graphics/html/KestHTMLReader.h"

#include "utils/KestUtils.h"

#include <algorithm>

namespace {

// "&" followed by any number of "amp;" becomes one "&": the same as
// replacing "&amp;" until none is left, in one pass.
QString CollapseAmpersands(const QString& text)
{
    static const QLatin1String amp("amp;");
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        out.append(text.at(i));
        if (text.at(i) != QLatin1Char('&'))
            continue;
        while (QStringView(text).mid(i + 1, amp.size()) == amp)
            i += amp.size();
    }
    return out;
}

}

TKestHTMLReader::TKestHTMLReader(const QString& text, qsizetype begin, qsizetype end)
    : FText(text), FPos(std::clamp<qsizetype>(begin, 0, text.size())),
      FEnd(std::clamp<qsizetype>(end, FPos, text.size()))
{
}

QString TKestHTMLReader::PrepareMarkup(const QString& text)
{
    QString out = text;
    if (out.contains(QLatin1Char('&'))) {
        // Only the named characters: "&lt;" and "&gt;" stay escaped until a
        // run is taken, so escaped text never turns into tags.
        out = CollapseAmpersands(TKestUtils::UnFixMarkup(out, true, true));
    }
    const qsizetype hash = out.indexOf(QLatin1String("<#"));
    if (hash >= 0) {
        const qsizetype close = out.indexOf(QLatin1Char('>'), hash + 2);
        if (close >= 0)
            out.remove(close, 1);
        out.remove(hash, 2);
    }
    if (out.contains(QLatin1Char('\r')) || out.contains(QLatin1Char('\n'))) {
        QString lines;
        lines.reserve(out.size());
        for (QChar c : std::as_const(out)) {
            if (c == QLatin1Char('\r'))
                lines.append(QLatin1String("<BR>"));
            else if (c != QLatin1Char('\n'))
                lines.append(c);
        }
        out = lines;
    }
    return out;
}

QString TKestHTMLReader::DecodeRun(QStringView run)
{
    if (!run.contains(QLatin1Char('&')))
        return run.toString();
    static const struct {
        QLatin1String Name;
        QChar Text;
    } entities[] = {{QLatin1String("&nbsp;"), QLatin1Char(' ')},
                    {QLatin1String("&lt;"), QLatin1Char('<')},
                    {QLatin1String("&gt;"), QLatin1Char('>')},
                    {QLatin1String("&quot;"), QLatin1Char('"')},
                    {QLatin1String("&amp;"), QLatin1Char('&')}};
    QString out;
    out.reserve(run.size());
    for (qsizetype i = 0; i < run.size();) {
        bool replaced = false;
        if (run.at(i) == QLatin1Char('&')) {
            for (const auto& entity : entities) {
                if (run.mid(i).startsWith(entity.Name, Qt::CaseInsensitive)) {
                    out.append(entity.Text);
                    i += entity.Name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out.append(run.at(i++));
    }
    return out;
}

void TKestHTMLReader::SkipSpaces()
{
    while (FPos < FEnd && FText.at(FPos) == QLatin1Char(' '))
        ++FPos;
}

void TKestHTMLReader::TrimEnd()
{
    while (FEnd > FPos && FText.at(FEnd - 1) == QLatin1Char(' '))
        --FEnd;
}

qsizetype TKestHTMLReader::NextTagStart()
{
    if (FNextTag < FPos) {
        FNextTag = FText.indexOf(QLatin1Char('<'), FPos);
        if (FNextTag < 0 || FNextTag > FEnd)
            FNextTag = FEnd;
    }
    return FNextTag;
}

QStringView TKestHTMLReader::PeekRun(bool wordWrap)
{
    qsizetype stop = NextTagStart();
    if (wordWrap) {
        // Spaces at the cursor belong to the run before the next word.
        qsizetype i = FPos;
        while (i < stop && FText.at(i) == QLatin1Char(' '))
            ++i;
        const qsizetype space = QStringView(FText).mid(i, stop - i).indexOf(QLatin1Char(' '));
        if (space >= 0)
            stop = i + space + 1;
    }
    return QStringView(FText).mid(FPos, stop - FPos);
}

QStringView TKestHTMLReader::ReadTag()
{
    const qsizetype close = FText.indexOf(QLatin1Char('>'), FPos);
    if (close < 0 || close >= FEnd) {
        FPos = FEnd;
        return QStringView();
    }
    const QStringView tag = QStringView(FText).mid(FPos, close + 1 - FPos);
    FPos = close + 1;
    return tag;
}
