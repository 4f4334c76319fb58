// Search matches of the visible text wrapped in a tag.

#include "graphics/html/KestHTMLHilight.h"

#include <gtest/gtest.h>

namespace {

TEST(HilightMarkup, WrapsEveryMatchOfTheVisibleTextOnly)
{
    const struct {
        const char* Name;
        QString Text, Hilight;
        bool DoCase;
        QString Expected;
    } cases[] = {
        {"empty search text", "abc", "", false, "abc"},
        {"each match resumes after the last", "aaa", "a", false, "<HI>a</HI><HI>a</HI><HI>a</HI>"},
        {"overlapping matches", "aaaa", "aa", false, "<HI>aa</HI><HI>aa</HI>"},
        {"tags stay tags", "<B>bold</B> b", "b", false, "<B><HI>b</HI>old</B> <HI>b</HI>"},
        {"across a tag", "ab<I>cd</I>", "bc", false, "a<HI>b<I>c</HI>d</I>"},
        {"attribute text", "<A href=\"hit\">x</A>", "hit", false, "<A href=\"hit\">x</A>"},
        {"case sensitive", "Aba", "a", true, "Ab<HI>a</HI>"},
        {"case ignored", "Aba", "a", false, "<HI>A</HI>b<HI>a</HI>"},
        {"entity", "x &amp; y", "&", false, "x <HI>&amp;</HI> y"},
        {"escaped tag", "&lt;B&gt;", "<b>", false, "<HI>&lt;B&gt;</HI>"},
        {"unclosed tag", "a <b", "b", false, "a <b"},
        {"no match", "abc", "x", false, "abc"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(TKestHTMLHilight::HilightMarkup(c.Text, c.Hilight, QStringLiteral("HI"), c.DoCase), c.Expected);
    }
}

}
