#include "graphics/html/KestHTMLHilight.h"

#include <QStringView>
#include <vector>

namespace {

// The visible text of markup, each character with the stretch of markup it
// comes from: itself, a whole entity, or a line-break tag read as "\r\n".
struct TVisibleText {
    QString Text;
    std::vector<qsizetype> Begin;
    std::vector<qsizetype> End;

    void Add(QChar c, qsizetype begin, qsizetype end)
    {
        Text.append(c);
        Begin.push_back(begin);
        End.push_back(end);
    }
};

const struct {
    QLatin1String Name;
    QChar Text;
} Entities[] = {{QLatin1String("&lt;"), QLatin1Char('<')},     {QLatin1String("&gt;"), QLatin1Char('>')},
                {QLatin1String("&amp;"), QLatin1Char('&')},    {QLatin1String("&quot;"), QLatin1Char('"')},
                {QLatin1String("&nbsp;"), QLatin1Char(' ')}};

bool IsLineBreakTag(QStringView tag)
{
    return tag.compare(QLatin1String("<BR>"), Qt::CaseInsensitive) == 0 ||
           tag.compare(QLatin1String("<HR>"), Qt::CaseInsensitive) == 0;
}

TVisibleText VisibleText(const QString& markup)
{
    TVisibleText visible;
    const qsizetype n = markup.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = markup.at(i);
        if (c == QLatin1Char('<')) {
            const qsizetype close = markup.indexOf(QLatin1Char('>'), i + 1);
            // A "<" without a ">" ends what is drawn: nothing after it is visible.
            if (close < 0)
                break;
            if (IsLineBreakTag(QStringView(markup).mid(i, close + 1 - i))) {
                visible.Add(QLatin1Char('\r'), i, close + 1);
                visible.Add(QLatin1Char('\n'), i, close + 1);
            }
            i = close + 1;
            continue;
        }
        qsizetype length = 1;
        QChar shown = c;
        if (c == QLatin1Char('&')) {
            for (const auto& entity : Entities) {
                if (QStringView(markup).mid(i).startsWith(entity.Name, Qt::CaseInsensitive)) {
                    length = entity.Name.size();
                    shown = entity.Text;
                    break;
                }
            }
        }
        visible.Add(shown, i, i + length);
        i += length;
    }
    return visible;
}

}

QString TKestHTMLHilight::HilightMarkup(const QString& text, const QString& hilight, const QString& tag, bool doCase)
{
    if (hilight.isEmpty())
        return text;
    const TVisibleText visible = VisibleText(text);
    const Qt::CaseSensitivity cs = doCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const QString close = QLatin1String("</") + tag + QLatin1Char('>');
    QString out;
    qsizetype copied = 0;
    for (qsizetype at = visible.Text.indexOf(hilight, 0, cs); at >= 0;
         at = visible.Text.indexOf(hilight, at + hilight.size(), cs)) {
        const qsizetype begin = visible.Begin[size_t(at)];
        const qsizetype end = visible.End[size_t(at + hilight.size() - 1)];
        out.append(QStringView(text).mid(copied, begin - copied));
        out.append(open);
        out.append(QStringView(text).mid(begin, end - begin));
        out.append(close);
        copied = end;
    }
    out.append(QStringView(text).mid(copied));
    return out;
}
