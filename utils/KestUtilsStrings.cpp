#include "utils/KestUtils.h"

#include "framework/FormatSettings.h"
#include "framework/platform/PathSeparator.h"

namespace {

// Upper case for the letters a to z only, as the search functions compare.
QString AsciiUpper(const QString& s)
{
    QString out = s;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return out;
}

// 1-based position of sub in s; an empty sub is found nowhere.
int Position(const QString& sub, const QString& s)
{
    if (sub.isEmpty())
        return 0;
    return int(s.indexOf(sub)) + 1;
}

}

int TKestUtils::IPos(const QString& su, const QString& s) { return Position(AsciiUpper(su), AsciiUpper(s)); }

int TKestUtils::VarPos(const QString& subValue, const QString& value, int& result)
{
    result = Position(subValue, value);
    return result;
}

int TKestUtils::VarPosNoCase(const QString& subValue, const QString& value, int& result)
{
    result = IPos(subValue, value);
    return result;
}

QChar TKestUtils::CharInStr(const QString& s, int index)
{
    return index >= 1 && index <= s.size() ? s.at(index - 1) : QChar();
}

bool TKestUtils::TagReplaceString(const QString& srch, const QString& repl, QString& dest)
{
    int at = IPos(srch, dest);
    if (at == 0)
        return false;
    dest.replace(at - 1, srch.size(), repl);
    return true;
}

void TKestUtils::Split(QChar delimiter, const QString& input, QStringList& strings, bool clearEmptyStrings)
{
    strings.clear();
    const QChar quote = QLatin1Char('"');
    const qsizetype n = input.size();
    qsizetype i = 0;
    while (i < n) {
        QString part;
        // A part that starts with a double quote runs to the closing quote
        // ("" stands for one quote inside); text after it up to the
        // delimiter belongs to the part too.
        if (input.at(i) == quote) {
            ++i;
            while (i < n) {
                if (input.at(i) == quote) {
                    if (i + 1 < n && input.at(i + 1) == quote) {
                        part.append(quote);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                part.append(input.at(i++));
            }
        }
        qsizetype next = input.indexOf(delimiter, i);
        if (next < 0)
            next = n;
        part.append(QStringView(input).mid(i, next - i));
        strings.append(part);
        i = next;
        if (i < n) {
            ++i; // the delimiter
            if (i == n)
                strings.append(QString());
        }
    }
    if (clearEmptyStrings)
        strings.removeAll(QString());
}

int TKestUtils::IndexOfTextInArray(const QString& text, const QStringList& values)
{
    // Accented entity names differ from their capitals only by case.
    static const char* const accents[] = {"cute", "grave", "uml", "circ", "tilde", "ring", "cedil"};
    bool exactCase = false;
    for (const char* a : accents)
        exactCase = exactCase || text.contains(QLatin1String(a));
    for (int i = 0; i < values.size(); ++i) {
        if (text.compare(values.at(i), exactCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString TKestUtils::StripThousandSep(const QString& ps)
{
    QString out = ps;
    out.remove(FormatSettings().ThousandSeparator);
    return out;
}

QString TKestUtils::StripLogicSpaces(const QString& value)
{
    QString out;
    out.reserve(value.size());
    bool quoted = false;
    for (QChar c : value) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted)
            continue;
        out.append(c);
    }
    return out;
}

QChar TKestUtils::FirstChar(const TKestUtilsCharSet& charset, const QString& value, int& spos)
{
    bool quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        QChar c = value.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && CharInSet(c, charset)) {
            spos = i + 1;
            return c;
        }
    }
    spos = 0;
    return QChar();
}

int TKestUtils::ClosingParenthesis(const QString& s1)
{
    int depth = 0;
    for (int i = 0; i < s1.size(); ++i) {
        if (s1.at(i) == QLatin1Char('('))
            ++depth;
        else if (s1.at(i) == QLatin1Char(')') && --depth == 0)
            return i + 1;
        if (depth == 0)
            return 0; // the text does not start with "("
    }
    return 0;
}

QString TKestUtils::AddBackslash(const QString& value)
{
    return value.isEmpty() || value.endsWith(QLatin1Char('\\')) ? value : value + QLatin1Char('\\');
}

QString TKestUtils::AddForwardslash(const QString& value)
{
    return value.isEmpty() || value.endsWith(QLatin1Char('/')) ? value : value + QLatin1Char('/');
}
