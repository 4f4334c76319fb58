// Markup drawn on real pixels: text colours from tags, bad colours keeping
// the current one, links, backgrounds, rules and error marks.

#include "KestHTMLTestCanvas.h"

#include <functional>

namespace {

class THTMLDrawTest : public THTMLCanvasTest {};

enum TTone { Reddish, Bluish, Greenish, Yellowish };

bool HasTone(QRgb p, TTone tone)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p), a = qAlpha(p);
    if (a < 60)
        return false;
    switch (tone) {
    case Reddish:
        return r > 150 && g < 100 && b < 100;
    case Bluish:
        return b > 150 && r < 100 && g < 100;
    case Greenish:
        return g > 100 && r < 100 && b < 100;
    case Yellowish:
        return r > 200 && g > 200 && b < 100;
    }
    return false;
}

int CountTone(const QImage& image, TTone tone, const QRect& area)
{
    int count = 0;
    for (int y = std::max(0, area.top()); y <= std::min(image.height() - 1, area.bottom()); ++y)
        for (int x = std::max(0, area.left()); x <= std::min(image.width() - 1, area.right()); ++x)
            count += HasTone(image.pixel(x, y), tone);
    return count;
}

TEST_P(THTMLDrawTest, TagsColourTheTextAndBadColoursKeepTheCurrentOne)
{
    const QRect all(0, 0, Width, Height);
    const struct {
        const char* Name;
        QString Markup;
        TTone Present;
        TTone Absent;
    } cases[] = {
        {"named colour", "<FONT COLOR=\"clBlue\">xxxx</FONT>", Bluish, Reddish},
        {"html colour", "<FONT COLOR=\"#0000FF\">xxxx</FONT>", Bluish, Reddish},
        {"bad colour keeps red", "<FONT COLOR=\"#GG\">xxxx</FONT>", Reddish, Bluish},
        {"empty colour keeps red", "<FONT COLOR=\"\">xxxx</FONT>", Reddish, Bluish},
        {"link colour", "<A href=\"x\">xxxx</A>", Bluish, Reddish},
        {"text background", "<FONT BGCOLOR=\"clLime\">xxxx</FONT>", Greenish, Bluish},
        {"body background", "<BODY BGCOLOR=\"clLime\">xxxx", Greenish, Bluish},
        {"paragraph background", "<P BGCOLOR=\"clYellow\">xxxx</P>", Yellowish, Bluish},
        {"highlight", "<HI>xxxx</HI>", Yellowish, Bluish},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Canvas = TKestGraphics::CreateBitmapCanvas(Width, Height, GetParam());
        Canvas->SetFontName(QStringLiteral("DejaVu Sans"));
        Canvas->SetFontSize(14);
        Canvas->SetFontColor(clRed);
        Canvas->BeginScene();
        Draw(c.Markup);
        const QImage image = Picture();
        EXPECT_GT(CountTone(image, c.Present, all), 0);
        EXPECT_EQ(CountTone(image, c.Absent, all), 0);
    }
}

TEST_P(THTMLDrawTest, ErrorMarkAndRuleAreDrawnUnderTheLine)
{
    Canvas->SetFontColor(clBlack);
    const int line = int(LineHeight());
    Draw(QStringLiteral("<E>wrong</E><HR COLOR=\"clBlue\">"));
    const QImage image = Picture();
    // The zigzag spans the word just under it; the rule the whole width.
    EXPECT_GT(CountTone(image, Reddish, QRect(0, line - 2, 40, 5)), 10);
    EXPECT_EQ(CountTone(image, Reddish, QRect(0, 0, Width, line - 3)), 0);
    EXPECT_GT(CountTone(image, Bluish, QRect(Width - 20, line - 1, 20, 4)), 10);
}

TEST_P(THTMLDrawTest, DrawingStopsBelowTheRectangle)
{
    QString many;
    for (int i = 0; i < 1000; ++i)
        many += QStringLiteral("line<BR>");
    TKestHTMLDrawInput input;
    input.Text = many;
    input.Rect = TRectF(0, 0, 100, 50);
    TKestHTMLDrawOutput out;
    TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out);
    EXPECT_LT(out.LineCount, 10);
    input.MeasureOnly = true;
    TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out);
    EXPECT_EQ(out.LineCount, 1000);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLDrawTest, ::testing::Bool(), BackEndName);

}
