#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using U = TKestUtils;

namespace {

TEST(UtilsMarkup, IsHTML)
{
    for (const char* yes : {"a</b>", "<img/>", "x<br>y", "<BR>"})
        EXPECT_TRUE(U::IsHTML(yes)) << yes;
    for (const char* no : {"", "a < b > c", "<b>bold", "a/b"})
        EXPECT_FALSE(U::IsHTML(no)) << no;
}

TEST(UtilsMarkup, HTMLStrip)
{
    struct TCase {
        const char* html;
        const char* text;
    };
    const TCase cases[] = {
        {"<b>bold</b> text", "bold text"},
        {"a<br>b<HR>c", "a\r\nb\r\nc"},
        {"before<i>after < unclosed", "beforeafter < unclosed"},
        {"no tags", "no tags"},
        {"<>", ""},
        {"x < y <BR> z", "x < y \r\n z"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::HTMLStrip(c.html), QString::fromUtf8(c.text)) << c.html;
}

TEST(UtilsMarkup, UnFixMarkup)
{
    struct TCase {
        const char* markup;
        bool special;
        bool specialOnly;
        const char* text;
    };
    const TCase cases[] = {
        {"&lt;b&gt; &AMP; &Quot;", false, false, "<b> & \""},
        {"&Eacute;t&eacute;", true, false, "Été"},
        {"&Eacute;", false, false, "&Eacute;"},
        {"&lt;&nbsp;", true, true, "&lt; "},
        // Decoded once: what a replacement produced is not decoded again.
        {"&amp;quot;", true, false, "&quot;"},
        {"&amp;eacute;", true, false, "&eacute;"},
        {"&copy; 2024 &euro;5 &#36;", true, false, "(c) 2024 €5 $"},
        {"&unknown; & &", true, false, "&unknown; & &"},
        {"&EACUTE;", true, false, "&EACUTE;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::UnFixMarkup(c.markup, c.special, c.specialOnly), QString::fromUtf8(c.text)) << c.markup;
}

TEST(UtilsMarkup, FixMarkup)
{
    struct TCase {
        const char* text;
        bool special;
        const char* markup;
    };
    const TCase cases[] = {
        {"a & b < c > \"d\"", false, "a &amp; b &lt; c &gt; &quot;d&quot;"},
        {"a b", true, "a&nbsp;b"},
        {"É(c)$'", true, "&Eacute;&copy;&#36;&#39;"},
        {"\u0100\u20AC\u2603", true, "\u0100&euro;&#9731;"},
        {"😀", true, "&#128512;"},
        // A literal intermediate text survives.
        {"*amp; &", false, "*amp; &amp;"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::FixMarkup(QString::fromUtf8(c.text), c.special), QString::fromUtf8(c.markup)) << c.text;
}

TEST(UtilsMarkup, FixThenUnFixGivesTheTextBack)
{
    const QString text = QString::fromUtf8("Ça & <b> \"ß\" über (c) 50% ™ ÿ");
    EXPECT_EQ(U::UnFixMarkup(U::FixMarkup(text, true), true, false), text);
    EXPECT_EQ(U::UnFixMarkup(U::FixMarkup(text, false), false, false), text);
}

TEST(UtilsMarkup, EntityTable)
{
    EXPECT_EQ(U::GetSpecialChar(1), QString("&"));
    EXPECT_EQ(U::GetSpecialChar(5), QString(" "));
    EXPECT_EQ(U::GetSpecialChar(52), QString("(c)"));
    EXPECT_EQ(U::GetSpecialChar(86), QString::fromUtf8("Ð"));
    EXPECT_EQ(U::GetSpecialChar(0), QString());
    EXPECT_EQ(U::GetSpecialChar(87), QString());
    EXPECT_EQ(U::GetMarkupIndex("&Eacute;"), 25);
    EXPECT_EQ(U::GetMarkupIndex("&eacute;"), 5);
    EXPECT_EQ(U::GetMarkupIndex("&NBSP;"), 4);
    EXPECT_EQ(U::GetMarkupIndex("&sect;"), 61); // the first of the two
    EXPECT_EQ(U::GetMarkupIndex("nothing"), -1);
}

TEST(UtilsJSONEscaping, EscapeString)
{
    EXPECT_EQ(U::EscapeString(QString::fromUtf16(u"a\"\\\b\f\n\r\t/\x01\u00E9\uFFFF")),
              QString("a\\u0022\\u005C\\u0008\\u000C\\u000A\\u000D\\u0009/\\u0001\\u00E9\\uFFFF"));
    EXPECT_EQ(U::EscapeString(""), QString());
}

TEST(UtilsJSONEscaping, UnescapeString)
{
    struct TCase {
        const char16_t* escaped;
        const char16_t* text;
    };
    const TCase cases[] = {
        {u"plain", u"plain"},
        {u"\\/\\\\\\\"\\b\\f\\n\\r\\t", u"/\\\"\b\f\n\r\t"},
        {u"\\u00e9\\u00C9\\uD83D\\uDE00", u"\u00E9\u00C9\U0001F600"},
        {u"", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::UnescapeString(QString::fromUtf16(c.escaped)), QString::fromUtf16(c.text));
    struct TError {
        const char* escaped;
        const char* message;
    };
    const TError errors[] = {
        {"ab\\", "Unexpected end of string"},
        {"a\\x", "Invalid code at position 2"},
        {"\\u12", "Invalid code at position 1"},
        {"xy\\u12G4", "Invalid code at position 3"},
    };
    for (const auto& e : errors) {
        try {
            U::UnescapeString(e.escaped);
            ADD_FAILURE() << e.escaped;
        } catch (const Exception& x) {
            EXPECT_EQ(x.Message(), QString(e.message));
        }
    }
}

}
