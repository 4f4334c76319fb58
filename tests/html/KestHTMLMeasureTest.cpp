// Markup measured: the size, line count and plain text of each tag family,
// compared with the plain runs it is made of in the same font.

#include "KestHTMLTestCanvas.h"

#include <functional>

namespace {

class THTMLMeasureTest : public THTMLCanvasTest {};

struct TMeasureCase {
    const char* Name;
    QString Markup;
    // The expected width without the 2 the engine adds, from plain runs.
    std::function<float(THTMLMeasureTest&)> Width;
    int Lines;
    QString Plain;
};

float W(THTMLMeasureTest& t, const char* text, TFontStyles styles = {}, double size = 0)
{
    return t.Run(QString::fromUtf8(text), styles, size).Width;
}

TEST_P(THTMLMeasureTest, MarkupMeasuresAsItsRuns)
{
    const TMeasureCase cases[] = {
        {"bold word", "one <B>two</B> three",
         [](auto& t) { return W(t, "one") + t.Space() + W(t, "two", fsBold) + W(t, " three"); }, 1, "one two three"},
        {"italic underline strike", "<I>a</I><U>b</U><S>c</S>",
         [](auto& t) { return W(t, "a", fsItalic) + W(t, "b", fsUnderline) + W(t, "c", fsStrikeOut); }, 1, "abc"},
        {"line break", "a<BR>b", [](auto& t) { return W(t, "a"); }, 2, "a\rb"},
        {"carriage return", "a\r\nb", [](auto& t) { return W(t, "a"); }, 2, "a\rb"},
        {"hidden text", "<Z>hidden</Z>x", [](auto& t) { return W(t, "x"); }, 1, "hiddenx"},
        {"font size step", "<FONT SIZE=\"3\">x</FONT>", [](auto& t) { return W(t, "x", {}, 12); }, 1, "x"},
        {"font size points", "<FONT STYLE=\"font-size:20pt\">x</FONT>", [](auto& t) { return W(t, "x", {}, 20); },
         1, "x"},
        {"font size itself", "<FONT SIZE=\"30\">x</FONT>y",
         [](auto& t) { return W(t, "x", {}, 30) + W(t, "y"); }, 1, "xy"},
        {"entities", "&lt;B&gt;x&amp;&nbsp;y", [](auto& t) { return W(t, "<B>x& y"); }, 1, "<B>x& y"},
        {"nested amp", "a&amp;amp;lt;b", [](auto& t) { return W(t, "a<b"); }, 1, "a<b"},
        {"hash tag", "<#x>y", [](auto& t) { return W(t, "xy"); }, 1, "xy"},
        {"two list levels", "<UL><UL><LI>x</LI></UL></UL>", [](auto& t) { return 36 + W(t, "x"); }, 2, "x"},
        {"offset", "<OF x=\"50\">x", [](auto& t) { return 50 + W(t, "x"); }, 1, "x"},
        {"indent behind", "abc<IN x=\"1\">d", [](auto& t) { return W(t, "abc") + W(t, "d"); }, 1, "abcd"},
        {"indent ahead", "a<IN x=\"80\">d", [](auto& t) { return 80 + W(t, "d"); }, 1, "ad"},
        {"rule", "a<HR>b", [](auto& t) { return W(t, "a"); }, 2, "ab"},
        {"unclosed tag", "ab<B", [](auto& t) { return W(t, "ab"); }, 1, "ab"},
        {"unknown tag", "a<QQQ x=1>b", [](auto& t) { return W(t, "a") + W(t, "b"); }, 1, "ab"},
        {"paragraph", "<P ALIGN=\"CENTER\">a</P>b", [](auto& t) { return W(t, "a"); }, 2, "ab"},
    };
    for (const TMeasureCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TKestHTMLDrawOutput out = Measure(c.Markup);
        EXPECT_NEAR(out.Width, c.Width(static_cast<THTMLMeasureTest&>(*this)) + 2, 0.01f);
        EXPECT_EQ(out.LineCount, c.Lines);
        EXPECT_EQ(out.PlainText, c.Plain);
    }
}

TEST_P(THTMLMeasureTest, HeightIsTheSumOfItsLines)
{
    const float line = LineHeight();
    EXPECT_FLOAT_EQ(Measure(QString()).Height, line);
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("a")).Height, line);
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("a<BR>b<BR>c")).Height, 3 * line);
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("<FONT SIZE=\"40\">x</FONT>")).Height, Run("x", {}, 40).Height);
    // Superscript and subscript each add a quarter of their run's height.
    EXPECT_FLOAT_EQ(Measure(QStringLiteral("a<SUP>b</SUP><SUB>c</SUB>")).Height, line * 1.5f);
    EXPECT_EQ(Measure(QString()).LineCount, 0);
}

TEST_P(THTMLMeasureTest, WordWrapBreaksBetweenWordsToFitTheRectangle)
{
    const QString text = QStringLiteral("aaa bbb ccc");
    const float twoWords = Run(QStringLiteral("aaa bbb")).Width;
    // Words measured one by one may round a unit apart from the whole.
    const TKestHTMLDrawOutput wrapped = Measure(text, twoWords + 3, true);
    EXPECT_EQ(wrapped.LineCount, 2);
    // The trailing space of a wrapped line does not count.
    EXPECT_NEAR(wrapped.Width, twoWords + 2, 1.5f);
    EXPECT_EQ(wrapped.PlainText, text);
    EXPECT_EQ(Measure(text, twoWords + 3, false).LineCount, 1);
    EXPECT_EQ(Measure(text, 1, true).LineCount, 3);
}

// Layouts that once could not end: every line must take something.
TEST_P(THTMLMeasureTest, NoMarkupMakesTheLayoutLoop)
{
    QString deep;
    for (int i = 0; i < 200; ++i)
        deep += QStringLiteral("<UL>");
    deep += QStringLiteral("<LI>x y z</LI>");
    const QString cases[] = {
        QStringLiteral("<OF x=\"100000\">a b c d"),
        QStringLiteral("<IN x=\"100000\">a b c"),
        deep,
        QStringLiteral("<OF x=\"-2147483648\">a b<OF x=\"2147483647\">c"),
        QStringLiteral("<LI><LI><LI>a"),
        QStringLiteral("<"),
        QStringLiteral("<<<<>>>>"),
        QStringLiteral("   "),
        QStringLiteral("</UL></UL></P></A>"),
    };
    for (const QString& markup : cases) {
        SCOPED_TRACE(markup.left(60).toStdString());
        for (float width : {0.0f, 1.0f, 50.0f}) {
            const TKestHTMLDrawOutput out = Measure(markup, width, true);
            EXPECT_LE(out.LineCount, markup.size());
        }
    }
}

TEST_P(THTMLMeasureTest, MalformedValuesNeverRaise)
{
    const QString cases[] = {
        QStringLiteral("<FONT SIZE=\"999999999\">x</FONT>"),
        QStringLiteral("<FONT SIZE=\"-5\">x</FONT>"),
        QStringLiteral("<FONT STYLE=\"font-size:99999999999pt\">x</FONT>"),
        QStringLiteral("<FONT COLOR=\"#GG\" BGCOLOR=\"#\">x</FONT>"),
        QStringLiteral("<FONT COLOR=\"\">x"),
        QStringLiteral("<P BGCOLOR=\"#12345678901\">x</P>"),
        QStringLiteral("<A href=\"unclosed>x</A>"),
        QStringLiteral("<FONT FACE=>x</F>"),
    };
    for (const QString& markup : cases) {
        SCOPED_TRACE(markup.toStdString());
        EXPECT_NO_THROW(Measure(markup));
        EXPECT_NO_THROW(Draw(markup));
    }
}

TEST_P(THTMLMeasureTest, CanvasFontComesBackAfterTheCall)
{
    Canvas->SetFontColor(clRed);
    const int height = Canvas->Font()->Height();
    Draw(QStringLiteral("<B><I><FONT SIZE=\"30\" COLOR=\"clBlue\" FACE=\"DejaVu Serif\">x"));
    EXPECT_EQ(Canvas->Font()->Style(), TFontStyles());
    EXPECT_EQ(Canvas->Font()->Color(), clRed);
    EXPECT_EQ(Canvas->Font()->Height(), height);
    EXPECT_EQ(Canvas->Font()->Name(), QStringLiteral("DejaVu Sans"));
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLMeasureTest, ::testing::Bool(), BackEndName);

}
