#include "utils/DotNumbers.h"
#include "utils/KestUtils.h"

#include "framework/FormatSettings.h"

#include <optional>

namespace {

// "*" any run (including none), "?" one character, everything else itself.
// Iterative with one backtracking point, so every pattern costs at most
// pattern length × value length steps.
bool Wildcard(QStringView pattern, QStringView value)
{
    qsizetype p = 0, v = 0, star = -1, mark = 0;
    const qsizetype np = pattern.size(), nv = value.size();
    while (v < nv) {
        if (p < np && pattern[p] == QLatin1Char('*')) {
            while (p < np && pattern[p] == QLatin1Char('*'))
                ++p;
            star = p;
            mark = v;
            continue;
        }
        if (p < np && (pattern[p] == QLatin1Char('?') || pattern[p] == value[v])) {
            ++p;
            ++v;
            continue;
        }
        if (star < 0)
            return false;
        p = star;
        v = ++mark;
    }
    while (p < np && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == np;
}

std::optional<double> AsNumber(const QString& text)
{
    QString plain = TKestUtils::StripThousandSep(text);
    plain.replace(FormatSettings().DecimalSeparator, QLatin1Char('.'));
    double value;
    if (!KestDot::TryTextToDouble(plain, value))
        return std::nullopt;
    return value;
}

// -1, 0 or 1: as numbers when both are numbers, as dates when both are
// dates, else as texts by code.
int Compare(const QString& value, const QString& operand)
{
    auto a = AsNumber(value);
    auto b = AsNumber(operand);
    if (a && b)
        return *a < *b ? -1 : *a > *b ? 1 : 0;
    QDateTime da, db;
    if (TKestUtils::IsDate(value, da) && TKestUtils::IsDate(operand, db))
        return da < db ? -1 : da > db ? 1 : 0;
    int c = value.compare(operand, Qt::CaseSensitive);
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool IsValueEnd(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('&') || c == QLatin1Char('|') || c == QLatin1Char('^');
}

// A pattern of one or two comparisons (">5", "<=x", ">1&<9", ">9^<1");
// nothing when the pattern is not one.
std::optional<bool> Comparison(const QString& pattern, const QString& value)
{
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    std::optional<bool> result;
    QChar joiner = QLatin1Char('&');
    for (int part = 0; part < 2; ++part) {
        while (i < n && pattern[i] == QLatin1Char(' '))
            ++i;
        if (i >= n || (pattern[i] != QLatin1Char('>') && pattern[i] != QLatin1Char('<')))
            break;
        QChar op = pattern[i++];
        bool orEqual = i < n && pattern[i] == QLatin1Char('=');
        if (orEqual)
            ++i;
        while (i < n && pattern[i] == QLatin1Char(' '))
            ++i;
        qsizetype start = i;
        while (i < n && !IsValueEnd(pattern[i]))
            ++i;
        int c = Compare(value, pattern.mid(start, i - start));
        bool holds = op == QLatin1Char('>') ? (c > 0 || (orEqual && c == 0)) : (c < 0 || (orEqual && c == 0));
        if (!result)
            result = holds;
        else
            result = joiner == QLatin1Char('&') ? (*result && holds) : (*result || holds);
        while (i < n && pattern[i] == QLatin1Char(' '))
            ++i;
        if (i >= n || (pattern[i] != QLatin1Char('&') && pattern[i] != QLatin1Char('^') && pattern[i] != QLatin1Char('|')))
            break;
        joiner = pattern[i++];
    }
    return result;
}

}

bool TKestUtils::Matches(const QString& s0a, const QString& s1a)
{
    if (Comparison(s0a, s1a).value_or(false))
        return true;
    // Double quotes only group; "!" anywhere inverts the answer.
    QString pattern;
    pattern.reserve(s0a.size());
    bool invert = false;
    for (QChar c : s0a) {
        if (c == QLatin1Char('"'))
            continue;
        if (c == QLatin1Char('!'))
            invert = !invert;
        else
            pattern.append(c);
    }
    return Wildcard(pattern, s1a) != invert;
}

bool TKestUtils::Matches(const QChar* s0a, const QChar* s1a)
{
    return Matches(s0a ? QString(s0a) : QString(), s1a ? QString(s1a) : QString());
}

bool TKestUtils::MatchStr(const QString& value1, const QString& value2, bool caseSensitive)
{
    return caseSensitive ? Matches(value1, value2) : Matches(value1.toUpper(), value2.toUpper());
}
