#include "utils/KestUtils.h"

#include <vector>

namespace {

bool IsOperator(QChar c)
{
    return c == QLatin1Char('&') || c == QLatin1Char('|') || c == QLatin1Char(';') || c == QLatin1Char('^');
}

// One level of parentheses: the result so far and the operator that joins
// the next term to it. "&" is and; "|", ";" and "^" are or; no precedence.
struct TGroup {
    bool have = false;
    bool result = false;
    QChar op = QLatin1Char('&');

    void Combine(bool term)
    {
        if (!have)
            result = term;
        else if (op == QLatin1Char('&'))
            result = result && term;
        else
            result = result || term;
        have = true;
    }
};

}

bool TKestUtils::MatchStrEx(const QString& value1, const QString& value2, bool caseSensitive)
{
    QString expression = StripLogicSpaces(value1.trimmed());
    if (expression.startsWith(QLatin1Char('=')))
        expression.remove(0, 1);
    if (expression.isEmpty())
        return value2.isEmpty();
    if (expression == QLatin1String("*"))
        return !value2.isEmpty();

    // Groups are kept on a stack of our own: deep nesting costs memory in
    // proportion to the expression, never the call stack.
    std::vector<TGroup> groups(1);
    QString term;
    bool quoted = false;
    auto flushTerm = [&] {
        if (!term.isEmpty())
            groups.back().Combine(MatchStr(term, value2, caseSensitive));
        term.clear();
    };
    for (QChar c : expression) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (quoted || c == QLatin1Char('"')) {
            term.append(c);
        } else if (c == QLatin1Char('(') && term.isEmpty()) {
            groups.emplace_back();
        } else if (c == QLatin1Char(')') && groups.size() > 1) {
            flushTerm();
            bool inner = groups.back().result;
            groups.pop_back();
            groups.back().Combine(inner);
        } else if (IsOperator(c)) {
            flushTerm();
            groups.back().op = c;
        } else {
            term.append(c);
        }
    }
    flushTerm();
    while (groups.size() > 1) {
        bool inner = groups.back().result;
        groups.pop_back();
        groups.back().Combine(inner);
    }
    return groups.front().result;
}
