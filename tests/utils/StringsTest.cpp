#include "utils/KestUtils.h"

#include "framework/FormatSettings.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using U = TKestUtils;

namespace {

TEST(UtilsStrings, Positions)
{
    struct TCase {
        const char* sub;
        const char* text;
        int ipos;
        int varPos;
    };
    const TCase cases[] = {
        {"br", "<BR>", 2, 0},
        {"BR", "<BR>", 2, 2},
        {"b", "abcb", 2, 2},
        {"x", "abc", 0, 0},
        {"", "abc", 0, 0}, // an empty search text is found nowhere
        {"abcd", "abc", 0, 0},
    };
    for (const auto& c : cases) {
        int result = -1;
        EXPECT_EQ(U::IPos(c.sub, c.text), c.ipos) << c.sub << " in " << c.text;
        EXPECT_EQ(U::VarPos(c.sub, c.text, result), c.varPos);
        EXPECT_EQ(result, c.varPos);
        EXPECT_EQ(U::VarPosNoCase(c.sub, c.text, result), c.ipos);
        EXPECT_EQ(result, c.ipos);
    }
    // Only a to z change case.
    EXPECT_EQ(U::IPos(QString::fromUtf16(u"\u00E9"), QString::fromUtf16(u"\u00C9")), 0);
}

TEST(UtilsStrings, CharInStrOutsideTheTextIsCharacterZero)
{
    EXPECT_EQ(U::CharInStr("abc", 1), QChar('a'));
    EXPECT_EQ(U::CharInStr("abc", 3), QChar('c'));
    EXPECT_EQ(U::CharInStr("abc", 0), QChar());
    EXPECT_EQ(U::CharInStr("abc", 4), QChar());
}

TEST(UtilsStrings, TagReplaceStringReplacesTheFirstIgnoringCase)
{
    QString text = "a<br>b<BR>c";
    EXPECT_TRUE(U::TagReplaceString("<Br>", "\n", text));
    EXPECT_EQ(text, QString("a\nb<BR>c"));
    while (U::TagReplaceString("<br>", "\n", text)) {
    }
    EXPECT_EQ(text, QString("a\nb\nc"));
    EXPECT_FALSE(U::TagReplaceString("", "x", text));
}

TEST(UtilsStrings, Split)
{
    struct TCase {
        const char* input;
        bool clearEmpty;
        QStringList parts;
    };
    const TCase cases[] = {
        {"a,b,c", false, {"a", "b", "c"}},
        {"a,,b,", false, {"a", "", "b", ""}},
        {"a,,b,", true, {"a", "b"}},
        {"", false, {}},
        {"\"x,y\",z", false, {"x,y", "z"}},
        {"\"say \"\"hi\"\"\"", false, {"say \"hi\""}},
        {" a , b", false, {" a ", " b"}},
    };
    for (const auto& c : cases) {
        QStringList parts{"stale"};
        U::Split(',', c.input, parts, c.clearEmpty);
        EXPECT_EQ(parts, c.parts) << c.input;
    }
}

TEST(UtilsStrings, IndexOfTextInArrayKeepsCaseForAccentNames)
{
    QStringList names{"&Eacute;", "&eacute;", "&nbsp;"};
    EXPECT_EQ(U::IndexOfTextInArray("&eacute;", names), 1);
    EXPECT_EQ(U::IndexOfTextInArray("&Eacute;", names), 0);
    EXPECT_EQ(U::IndexOfTextInArray("&NBSP;", names), 2);
    EXPECT_EQ(U::IndexOfTextInArray("&x;", names), -1);
}

TEST(UtilsStrings, QuotedPartsAreLeftAlone)
{
    EXPECT_EQ(U::StripLogicSpaces("a & \"b c\" | d"), QString("a&\"b c\"|d"));
    int at = -1;
    EXPECT_EQ(U::FirstChar(U::CreateCharSet("&|"), "\"x&y\"|z", at), QChar('|'));
    EXPECT_EQ(at, 6);
    EXPECT_EQ(U::FirstChar(U::CreateCharSet("&"), "abc", at), QChar());
    EXPECT_EQ(at, 0);
}

TEST(UtilsStrings, ClosingParenthesis)
{
    EXPECT_EQ(U::ClosingParenthesis("(a(b)c)d"), 7);
    EXPECT_EQ(U::ClosingParenthesis("()"), 2);
    EXPECT_EQ(U::ClosingParenthesis("(a(b)"), 0);
    EXPECT_EQ(U::ClosingParenthesis("a(b)"), 0);
    EXPECT_EQ(U::ClosingParenthesis(""), 0);
}

TEST(UtilsStrings, SlashesAndSeparators)
{
    EXPECT_EQ(U::AddBackslash("a"), QString("a\\"));
    EXPECT_EQ(U::AddBackslash("a\\"), QString("a\\"));
    EXPECT_EQ(U::AddBackslash(""), QString());
    EXPECT_EQ(U::AddForwardslash("a"), QString("a/"));
    EXPECT_EQ(U::AddForwardslash("a/"), QString("a/"));
    TFormatSettings fs;
    fs.ThousandSeparator = '.';
    TScopedFormatSettings scope(fs);
    EXPECT_EQ(U::StripThousandSep("1.234.567"), QString("1234567"));
}

TEST(UtilsStrings, CharacterSets)
{
    auto set = U::SubCharSet(U::AddCharSet(U::CreateCharSet("ab"), U::NumericCharSet()), U::CreateCharSet("b0"));
    EXPECT_EQ(QString(set.data(), qsizetype(set.size())), QString("a123456789"));
    EXPECT_TRUE(U::CharInSet('Z', U::AlphaCharSet()));
    EXPECT_FALSE(U::CharInSet(QChar(0xE9), U::AlphaCharSet()));
    EXPECT_EQ(U::AlphaCharSet().size(), 52u);
}

}
