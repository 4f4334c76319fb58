#include "utils/KestUtils.h"

#include "framework/FormatSettings.h"

#include <gtest/gtest.h>

using U = TKestUtils;

namespace {

struct TMatchCase {
    const char* pattern;
    const char* value;
    bool matches;
};

TEST(UtilsMatching, Matches)
{
    TFormatSettings fs;
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ',';
    fs.ShortDateFormat = "dd/MM/yyyy";
    fs.DateSeparator = '/';
    TScopedFormatSettings scope(fs);
    const TMatchCase cases[] = {
        {"?b*", "abc", true},
        {"a*c", "abc", true},
        {"a*c", "ac", true},
        {"a*c", "abd", false},
        {"a**b", "axxb", true},
        {"*", "", true},
        {"?", "", false},
        {"abc", "abc", true},
        {"abc", "abcd", false},
        {"\"a*\"", "abc", true},
        {"!a*", "abc", false},
        {"!a*", "bcd", true},
        {">10", "11", true},
        {">10", "9", false},
        {">10", "10", false},
        {">=10", "10", true},
        {"<= 5", "5", true},
        {"<5", "10", false},
        {">9", "1,000", true},   // numbers, not texts
        {">b", "c", true},       // texts by code
        {">1&<9", "5", true},
        {">1&<9", "10", false},
        {"<1^>9", "10", true},
        {"<1^>9", "5", false},
        {">01/02/2023", "15/02/2023", true}, // dates
        {">01/02/2023", "15/01/2023", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::Matches(QString(c.pattern), QString(c.value)), c.matches) << c.pattern << " ~ " << c.value;
    const QString pattern = "?b*", value = "abc";
    EXPECT_TRUE(U::Matches(pattern.constData(), value.constData()));
}

TEST(UtilsMatching, MatchStrCase)
{
    EXPECT_TRUE(U::MatchStr("A*", "abc", false));
    EXPECT_FALSE(U::MatchStr("A*", "abc", true));
    EXPECT_TRUE(U::MatchStr(QString::fromUtf8("É*"), QString::fromUtf8("été"), false));
}

TEST(UtilsMatching, MatchStrEx)
{
    const TMatchCase cases[] = {
        {"a*|b*", "abc", true},
        {"a*|b*", "bcd", true},
        {"a*|b*", "cde", false},
        {"a* & *c", "abc", true},
        {"a*&*d", "abc", false},
        {"=a*", "abc", true},
        {"", "", true},
        {"", "x", false},
        {"*", "x", true},
        {"*", "", false},
        {"a*;x*", "xyz", true},
        {"a*^x*", "xyz", true},
        // Left to right without precedence: (a* | x*) & *z.
        {"a*|x*&*z", "abc", false},
        {"(a*|x*)&*c", "abc", true},
        {"*c&(x*|(a*&*b*))", "abc", true},
        {"\"a|b\"", "a|b", true},
        {">1&<9", "5", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::MatchStrEx(c.pattern, c.value, false), c.matches) << c.pattern << " ~ " << c.value;
}

// Patterns that take exponential time or unbounded recursion with a naive
// matcher finish at once (a hang shows as the test program's time-out).
TEST(UtilsMatching, HostilePatternsStayCheap)
{
    QString value(20000, 'a');
    EXPECT_FALSE(U::Matches(QString("*a*a*a*a*a*a*a*a*a*a*a*a*b"), value));
    EXPECT_TRUE(U::Matches(QString("*a*a*a*a*a*a*a*a*a*a*a*a*"), value));
    QString deep = QString(100000, '(') + "a*" + QString(100000, ')');
    EXPECT_TRUE(U::MatchStrEx(deep, "abc", true));
    EXPECT_FALSE(U::MatchStrEx(QString(100000, '(') + "b*", "abc", true));
}

}
