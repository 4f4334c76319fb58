#include "graphics/html/KestHTMLTag.h"

namespace {

bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_'); }

}

TKestHTMLTag::TKestHTMLTag(QStringView text) : FText(text)
{
    QStringView inner = text.mid(1);
    if (inner.endsWith(QLatin1Char('>')))
        inner.chop(1);
    if (inner.startsWith(QLatin1Char('/'))) {
        FClosing = true;
        inner = inner.mid(1);
    }
    FName = inner;
}

QChar TKestHTMLTag::Letter(int index) const
{
    return index < FName.size() ? FName.at(index).toUpper() : QChar();
}

bool TKestHTMLTag::StartsWith(QLatin1String text) const { return FText.startsWith(text, Qt::CaseInsensitive); }

qsizetype TKestHTMLTag::FindAttribute(QLatin1String name) const
{
    qsizetype from = 1;
    while (true) {
        const qsizetype at = FName.indexOf(name, from, Qt::CaseInsensitive);
        if (at < 0)
            return -1;
        const qsizetype after = at + name.size();
        const bool wordStart = !IsNameChar(FName.at(at - 1));
        const bool wordEnd = after >= FName.size() || !IsNameChar(FName.at(after));
        if (wordStart && wordEnd)
            return after;
        from = at + 1;
    }
}

bool TKestHTMLTag::HasAttribute(QLatin1String name) const { return FindAttribute(name) >= 0; }

QString TKestHTMLTag::Attribute(QLatin1String name) const
{
    qsizetype i = FindAttribute(name);
    if (i < 0)
        return QString();
    const qsizetype n = FName.size();
    while (i < n && FName.at(i).isSpace())
        ++i;
    if (i >= n || FName.at(i) != QLatin1Char('='))
        return QString();
    ++i;
    while (i < n && FName.at(i).isSpace())
        ++i;
    if (i < n && FName.at(i) == QLatin1Char('"')) {
        const qsizetype close = FName.indexOf(QLatin1Char('"'), i + 1);
        return (close < 0 ? FName.mid(i + 1) : FName.mid(i + 1, close - i - 1)).toString();
    }
    qsizetype end = i;
    while (end < n && !FName.at(end).isSpace() && FName.at(end) != QLatin1Char('/'))
        ++end;
    return FName.mid(i, end - i).toString();
}

int TKestHTMLTag::NumberAttribute(QLatin1String name) const
{
    bool ok = false;
    const int value = Attribute(name).trimmed().toInt(&ok);
    return ok ? value : 0;
}

QString TKestHTMLTag::FirstQuoted() const
{
    const qsizetype open = FText.indexOf(QLatin1Char('"'));
    if (open < 0)
        return QString();
    const qsizetype close = FText.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0)
        return QString();
    return FText.mid(open + 1, close - open - 1).toString();
}
