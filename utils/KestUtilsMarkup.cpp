#include "utils/KestUtils.h"
#include "utils/MarkupEntities.h"

#include <QHash>

using namespace KestMarkup;

namespace {

bool StartsAt(const QString& s, qsizetype i, QLatin1String what, Qt::CaseSensitivity cs)
{
    return QStringView(s).mid(i).startsWith(what, cs);
}

// The basic entities UnFixMarkup resolves, in their order.
struct TBasic {
    QLatin1String name;
    QChar text;
};
const TBasic Basics[] = {
    {QLatin1String("&lt;"), QLatin1Char('<')},
    {QLatin1String("&gt;"), QLatin1Char('>')},
    {QLatin1String("&amp;"), QLatin1Char('&')},
    {QLatin1String("&quot;"), QLatin1Char('"')},
};

// Special characters of one code unit and the first entity that names each.
const QHash<char16_t, QLatin1String>& SpecialNames()
{
    static const QHash<char16_t, QLatin1String> names = [] {
        QHash<char16_t, QLatin1String> h;
        for (int i = FirstSpecial; i < EntityCount; ++i) {
            QStringView text(Entity(i).text);
            if (text.size() == 1 && !h.contains(text.at(0).unicode()))
                h.insert(text.at(0).unicode(), QLatin1String(Entity(i).name));
        }
        return h;
    }();
    return names;
}

}

bool TKestUtils::IsHTML(const QString& value)
{
    return value.contains(QLatin1String("</")) || value.contains(QLatin1String("/>")) ||
           value.contains(QLatin1String("<BR>"), Qt::CaseInsensitive);
}

bool TKestUtils::IsHTMLUnicode(const QString& value) { return IsHTML(value); }

QString TKestUtils::HTMLStrip(const QString& html)
{
    QString text = html;
    text.replace(QLatin1String("<BR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    text.replace(QLatin1String("<HR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        qsizetype open = text.indexOf(QLatin1Char('<'), i);
        if (open < 0) {
            out.append(QStringView(text).mid(i));
            break;
        }
        out.append(QStringView(text).mid(i, open - i));
        qsizetype close = text.indexOf(QLatin1Char('>'), open + 1);
        if (close < 0) {
            // An unclosed "<" is text, with everything after it.
            out.append(QStringView(text).mid(open));
            break;
        }
        i = close + 1;
    }
    return out;
}

QString TKestUtils::UnFixMarkup(const QString& su, bool specialChars, bool specialCharsOnly)
{
    // One pass: what a replacement produced is never read again, so
    // "&amp;quot;" gives "&quot;".
    QString out;
    out.reserve(su.size());
    const qsizetype n = su.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype amp = su.indexOf(QLatin1Char('&'), i);
        if (amp < 0) {
            out.append(QStringView(su).mid(i));
            break;
        }
        out.append(QStringView(su).mid(i, amp - i));
        i = amp;
        bool replaced = false;
        if (!specialCharsOnly) {
            for (const TBasic& b : Basics) {
                if (StartsAt(su, i, b.name, Qt::CaseInsensitive)) {
                    out.append(b.text);
                    i += b.name.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced && specialChars) {
            for (int e = FirstSpecial; e < EntityCount && !replaced; ++e) {
                QLatin1String name(Entity(e).name);
                if (StartsAt(su, i, name, Qt::CaseSensitive)) {
                    out.append(QStringView(Entity(e).text));
                    i += name.size();
                    replaced = true;
                }
            }
        }
        if (!replaced)
            out.append(su.at(i++));
    }
    return out;
}

QString TKestUtils::FixMarkup(const QString& su, bool specialChars)
{
    // One pass, so the names written are never escaped again and no
    // intermediate text can collide with the input.
    QString out;
    out.reserve(su.size() + su.size() / 8);
    const qsizetype n = su.size();
    for (qsizetype i = 0; i < n; ++i) {
        QChar c = su.at(i);
        switch (c.unicode()) {
        case u'&': out.append(QLatin1String("&amp;")); continue;
        case u'"': out.append(QLatin1String("&quot;")); continue;
        case u'<': out.append(QLatin1String("&lt;")); continue;
        case u'>': out.append(QLatin1String("&gt;")); continue;
        default: break;
        }
        if (!specialChars) {
            out.append(c);
            continue;
        }
        if (c == QLatin1Char('(') && StartsAt(su, i, QLatin1String("(c)"), Qt::CaseSensitive)) {
            out.append(QLatin1String("&copy;"));
            i += 2;
            continue;
        }
        auto named = SpecialNames().constFind(c.unicode());
        if (named != SpecialNames().constEnd()) {
            out.append(*named);
            continue;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < n && su.at(i + 1).isLowSurrogate())
            code = QChar::surrogateToUcs4(c, su.at(++i));
        if (code > 256) {
            out.append(QLatin1String("&#")).append(QString::number(code)).append(QLatin1Char(';'));
            continue;
        }
        out.append(c);
    }
    return out;
}

int TKestUtils::GetMarkupIndex(const QString& markup)
{
    QStringList names;
    names.reserve(EntityCount);
    for (int i = 0; i < EntityCount; ++i)
        names.append(QLatin1String(Entity(i).name));
    return IndexOfTextInArray(markup, names);
}

QString TKestUtils::GetSpecialChar(int value)
{
    return value >= 1 && value <= EntityCount ? QString::fromUtf16(Entity(value - 1).text) : QString();
}
