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

int TKestUtils::VarPos(const QString& ASubValue, const QString& AValue, int& AResult)
{
    AResult = Position(ASubValue, AValue);
    return AResult;
}

int TKestUtils::VarPosNoCase(const QString& ASubValue, const QString& AValue, int& AResult)
{
    AResult = IPos(ASubValue, AValue);
    return AResult;
}

QChar TKestUtils::CharInStr(const QString& s, int Index)
{
    return Index >= 1 && Index <= s.size() ? s.at(Index - 1) : QChar();
}

bool TKestUtils::TagReplaceString(const QString& Srch, const QString& Repl, QString& Dest)
{
    int at = IPos(Srch, Dest);
    if (at == 0)
        return false;
    Dest.replace(at - 1, Srch.size(), Repl);
    return true;
}

void TKestUtils::Split(QChar ADelimiter, const QString& AInput, QStringList& AStrings, bool AClearEmptyStrings)
{
    AStrings.clear();
    const QChar quote = QLatin1Char('"');
    const qsizetype n = AInput.size();
    qsizetype i = 0;
    while (i < n) {
        QString part;
        // A part that starts with a double quote runs to the closing quote
        // ("" stands for one quote inside); text after it up to the
        // delimiter belongs to the part too.
        if (AInput.at(i) == quote) {
            ++i;
            while (i < n) {
                if (AInput.at(i) == quote) {
                    if (i + 1 < n && AInput.at(i + 1) == quote) {
                        part.append(quote);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                part.append(AInput.at(i++));
            }
        }
        qsizetype next = AInput.indexOf(ADelimiter, i);
        if (next < 0)
            next = n;
        part.append(QStringView(AInput).mid(i, next - i));
        AStrings.append(part);
        i = next;
        if (i < n) {
            ++i; // the delimiter
            if (i == n)
                AStrings.append(QString());
        }
    }
    if (AClearEmptyStrings)
        AStrings.removeAll(QString());
}

int TKestUtils::IndexOfTextInArray(const QString& AText, const QStringList& AValues)
{
    // Accented entity names differ from their capitals only by case.
    static const char* const Accents[] = {"cute", "grave", "uml", "circ", "tilde", "ring", "cedil"};
    bool exactCase = false;
    for (const char* a : Accents)
        exactCase = exactCase || AText.contains(QLatin1String(a));
    for (int i = 0; i < AValues.size(); ++i) {
        if (AText.compare(AValues.at(i), exactCase ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0)
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

QString TKestUtils::StripLogicSpaces(const QString& AValue)
{
    QString out;
    out.reserve(AValue.size());
    bool quoted = false;
    for (QChar c : AValue) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(' ') && !quoted)
            continue;
        out.append(c);
    }
    return out;
}

QChar TKestUtils::FirstChar(const TKestUtilsCharSet& ACharset, const QString& AValue, int& spos)
{
    bool quoted = false;
    for (int i = 0; i < AValue.size(); ++i) {
        QChar c = AValue.at(i);
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && CharInSet(c, ACharset)) {
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

QString TKestUtils::AddBackslash(const QString& AValue)
{
    return AValue.isEmpty() || AValue.endsWith(QLatin1Char('\\')) ? AValue : AValue + QLatin1Char('\\');
}

QString TKestUtils::AddForwardslash(const QString& AValue)
{
    return AValue.isEmpty() || AValue.endsWith(QLatin1Char('/')) ? AValue : AValue + QLatin1Char('/');
}
