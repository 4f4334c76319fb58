// Links and their hit test: the anchor, link number and rectangle under the
// point, in measuring and in hit-testing passes, and through the canvas.

#include "KestHTMLTestCanvas.h"

namespace {

class THTMLHitTest : public THTMLCanvasTest {};

TEST_P(THTMLHitTest, LinkUnderThePointIsReported)
{
    const QString markup = QStringLiteral("go <A href=\"first\">here</A> or <A href=\"second\">there</A>");
    const float go = Run(QStringLiteral("go")).Width + Space();
    const float here = Run(QStringLiteral("here"), fsUnderline).Width;
    const float between = Run(QStringLiteral(" or")).Width + Space();
    const int middle = int(LineHeight() / 2);
    struct {
        const char* Name;
        int X, Y;
        bool Hit;
        QString Anchor;
        int Link;
    } cases[] = {
        {"plain text", 2, middle, false, QString(), -1},
        {"first link", int(go + here / 2), middle, true, QStringLiteral("first"), 1},
        {"second link", int(go + here + between + 3), middle, true, QStringLiteral("second"), 2},
        {"below the line", int(go + 2), int(LineHeight()) + 5, false, QString(), -1},
        {"right of the text", 390, middle, false, QString(), -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        for (bool hotSpot : {false, true}) {
            const TKestHTMLDrawOutput out = Draw(markup, c.X, c.Y, hotSpot);
            EXPECT_EQ(out.Hit, c.Hit);
            EXPECT_EQ(out.Anchor, c.Anchor);
            EXPECT_EQ(out.HoveredLink, c.Link);
            EXPECT_EQ(out.LinkCount, 2);
        }
    }
}

TEST_P(THTMLHitTest, LinkRectangleCoversItsRunsOnEveryLine)
{
    const QString markup = QStringLiteral("<A href=\"x\">one two</A> three");
    const float one = Run(QStringLiteral("one"), fsUnderline).Width + Space();
    const float two = Run(QStringLiteral("two"), fsUnderline).Width;
    TKestHTMLDrawInput input;
    input.Text = markup;
    input.Rect = TRectF(10, 20, 10 + one + 1, 400);
    input.WordWrap = true;
    input.PointX = 12;
    input.PointY = 22;
    TKestHTMLDrawOutput out;
    EXPECT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
    EXPECT_EQ(out.Anchor, QStringLiteral("x"));
    EXPECT_EQ(out.LineCount, 3);
    EXPECT_FLOAT_EQ(out.LinkRect.Left, 10);
    EXPECT_FLOAT_EQ(out.LinkRect.Top, 20);
    EXPECT_NEAR(out.LinkRect.Right, 10 + std::max(one, two), 0.01f);
    EXPECT_FLOAT_EQ(out.LinkRect.Bottom, 20 + 2 * LineHeight());
}

TEST_P(THTMLHitTest, MeasuringAloneFindsTheLinkWhereDrawingPutsIt)
{
    TKestHTMLDrawInput input;
    input.Text = QStringLiteral("<P ALIGN=\"RIGHT\"><A href=\"r\">right</A></P>");
    input.Rect = TRectF(0, 0, 300, 100);
    input.MeasureOnly = true;
    input.PointX = 295;
    input.PointY = 3;
    TKestHTMLDrawOutput out;
    EXPECT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
    EXPECT_EQ(out.Anchor, QStringLiteral("r"));
    input.PointX = 5;
    EXPECT_FALSE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
}

TEST_P(THTMLHitTest, FocusedLinkGivesItsTarget)
{
    TKestHTMLDrawInput input;
    input.Text = QStringLiteral("<A href=\"a\">a</A> <A href=\"b\">b</A>");
    input.Rect = TRectF(0, 0, 300, 100);
    input.FocusLink = 1;
    TKestHTMLDrawOutput out;
    TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out);
    EXPECT_EQ(out.FocusAnchor, QStringLiteral("b"));
}

// Hit tests of one view are answered from its kept layout; any change of
// what the layout depends on must be seen by the next one.
TEST_P(THTMLHitTest, HitTestAfterAChangeAnswersForTheNewView)
{
    const float go = Run(QStringLiteral("go")).Width + Space();
    const float here = Run(QStringLiteral("here"), fsUnderline).Width;
    const int middle = int(LineHeight() / 2);
    struct {
        const char* Name;
        int X;
        std::function<void(TKestHTMLDrawInput&)> Change;
        bool Hit;
        QString Anchor;
    } cases[] = {
        {"same length, other target", int(go + 2),
         [](TKestHTMLDrawInput& input) { input.Text.replace(QStringLiteral("first"), QStringLiteral("other")); },
         true, QStringLiteral("other")},
        {"text edited in place", 2,
         [](TKestHTMLDrawInput& input) { input.Text.replace(0, 3, QStringLiteral("<A href=\"pre\">go</A> ")); },
         true, QStringLiteral("pre")},
        {"link removed", int(go + 2),
         [](TKestHTMLDrawInput& input) { input.Text = QStringLiteral("go here"); }, false, QString()},
        {"rectangle moved", int(go + 2), [](TKestHTMLDrawInput& input) { input.Rect.Left += 100; }, false,
         QString()},
        {"rectangle narrowed, link wrapped", int(go + 2),
         [&](TKestHTMLDrawInput& input) {
             input.WordWrap = true;
             input.Rect.Right = go;
         },
         false, QString()},
        {"measuring", int(go + 2), [](TKestHTMLDrawInput& input) { input.MeasureOnly = true; }, true,
         QStringLiteral("first")},
        {"canvas font larger", int(go + here + 3), [this](TKestHTMLDrawInput&) { Canvas->SetFontSize(20); }, true,
         QStringLiteral("first")},
    };
    const int height = Canvas->Font()->Height();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TKestHTMLDrawInput input;
        input.Text = QStringLiteral("go <A href=\"first\">here</A> and on");
        input.Rect = TRectF(0, 0, 300, 100);
        input.HotSpotCheck = true;
        input.PointX = int(go + here + 3);
        input.PointY = middle;
        TKestHTMLDrawOutput out;
        EXPECT_FALSE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
        input.PointX = int(go + 2);
        ASSERT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
        c.Change(input);
        input.PointX = c.X;
        EXPECT_EQ(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out), c.Hit);
        EXPECT_EQ(out.Anchor, c.Anchor);
        TKestGraphicsFont font;
        font.Assign(Canvas->Font());
        font.SetHeight(height);
        Canvas->SetFont(&font);
    }
}

// Markup over the caller's own buffer may change in that buffer between calls.
TEST_P(THTMLHitTest, HitTestSeesMarkupChangedInTheCallersBuffer)
{
    QString source = QStringLiteral("<A href=\"one\">link</A>");
    std::vector<QChar> buffer(source.begin(), source.end());
    TKestHTMLDrawInput input;
    input.Text = QString::fromRawData(buffer.data(), qsizetype(buffer.size()));
    input.Rect = TRectF(0, 0, 300, 100);
    input.HotSpotCheck = true;
    input.PointX = 2;
    input.PointY = int(LineHeight() / 2);
    TKestHTMLDrawOutput out;
    ASSERT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
    EXPECT_EQ(out.Anchor, QStringLiteral("one"));
    const QString two = QStringLiteral("two");
    std::copy(two.begin(), two.end(), buffer.begin() + 9);
    ASSERT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
    EXPECT_EQ(out.Anchor, QStringLiteral("two"));
}

TEST_P(THTMLHitTest, CanvasDrawsAndMeasuresMarkupThroughTheEngine)
{
    const float line = LineHeight();
    EXPECT_FLOAT_EQ(Canvas->CalculateTextHeight(QStringLiteral("a<BR>b")), 2 * line + 1);
    const QString anchor = Canvas->DrawText(TRectF(0, 0, 300, 100), QStringLiteral("<A href=\"t\">link</A>"), false,
                                            gtaLeading, gtaLeading, gttNone, 0, -1, -1, true, true, 3, 3);
    EXPECT_EQ(anchor, QStringLiteral("t"));
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLHitTest, ::testing::Bool(), BackEndName);

}
