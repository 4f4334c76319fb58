// Form controls in markup: their sizes, and what the hit test reports of
// the control under the point or, in hot-spot mode, of the one asked for
// by ID.

#include "KestHTMLTestCanvas.h"

namespace {

class THTMLControlTest : public THTMLCanvasTest {};

TEST_P(THTMLControlTest, ControlsTakeTheirSizeOnTheLine)
{
    const float line = LineHeight();
    const struct {
        const char* Name;
        QString Markup;
        double Scale;
        float Width;
        float Height;
    } cases[] = {
        {"check box", "<C TYPE=\"CHECK\">", 1, 18, 18},
        {"radio button scaled", "<C TYPE=\"RADIO\">", 1.5, 26, 26},
        {"button from its value", "<C TYPE=\"BUTTON\" VALUE=\"Go\">", 1, Run(QStringLiteral("Go")).Width + 16, 22},
        {"edit with width", "<C TYPE=\"EDIT\" WIDTH=\"80\">", 1, 80, line + 10},
        {"edit with height", "<C TYPE=\"EDIT\" HEIGHT=\"40\">", 1, 100, 40},
        {"password", "<C TYPE=\"PASSWORD\">", 1, 100, 25},
        {"combo box", "<C TYPE=\"COMBO\" HEIGHT=\"60\" WIDTH=\"70\">", 1, 70, 25},
        {"unknown type", "<C TYPE=\"SLIDER\">", 1, 0, 0},
        {"hidden", "<Z><C TYPE=\"CHECK\"></Z>", 1, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Prepare = [&](TKestHTMLDrawInput& input) { input.ScaleFactor = c.Scale; };
        const TKestHTMLDrawOutput out = Measure(c.Markup);
        EXPECT_NEAR(out.Width, c.Width + 2, 0.01f);
        EXPECT_FLOAT_EQ(out.Height, std::max(line, c.Height));
    }
}

TEST_P(THTMLControlTest, ControlUnderThePointIsReported)
{
    const QString markup =
        QStringLiteral("<C TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\"><C TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go &amp; see\">");
    const float button = Run(QStringLiteral("Go & see")).Width + 16;
    const struct {
        const char* Name;
        int X, Y;
        bool HotSpot;
        QString AskedID;
        bool Hit;
        QString ID, Value, Type;
        TRectF Rect;
    } cases[] = {
        {"check box", 9, 11, false, "", true, "c", "TRUE", "CHECK", TRectF(0, 2, 18, 20)},
        {"button", 30, 11, false, "", true, "b", "Go & see", "BUTTON", TRectF(18, 0, 18 + button, 22)},
        {"right of both", int(18 + button + 5), 11, false, "", false, "", "", "", TRectF()},
        {"above the check box", 9, 1, false, "", false, "", "", "", TRectF()},
        {"asked for by ID", 300, 200, true, "b", true, "b", "Go & see", "BUTTON", TRectF(18, 0, 18 + button, 22)},
        {"asked for an unknown ID", 300, 200, true, "x", false, "", "", "", TRectF()},
        {"hit-testing the point", 9, 11, true, "", true, "c", "TRUE", "CHECK", TRectF(0, 2, 18, 20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Prepare = [&](TKestHTMLDrawInput& input) { input.ControlID = c.AskedID; };
        const TKestHTMLDrawOutput out = Draw(markup, c.X, c.Y, c.HotSpot);
        EXPECT_EQ(out.Hit, c.Hit);
        EXPECT_EQ(out.Anchor, c.Hit ? QStringLiteral("ctrl") : QString());
        EXPECT_EQ(out.ControlID, c.ID);
        EXPECT_EQ(out.ControlValue, c.Value);
        EXPECT_EQ(out.ControlType, c.Type);
        if (c.Hit) {
            EXPECT_NEAR(out.ControlRect.Left, c.Rect.Left, 0.01f);
            EXPECT_NEAR(out.ControlRect.Right, c.Rect.Right, 0.01f);
            EXPECT_NEAR(out.ControlRect.Top, c.Rect.Top, 0.01f);
            EXPECT_NEAR(out.ControlRect.Bottom, c.Rect.Bottom, 0.01f);
        }
    }
}

TEST_P(THTMLControlTest, MeasuringAloneFindsTheControlWhereDrawingPutsIt)
{
    TKestHTMLDrawInput input;
    input.Text = QStringLiteral("<P ALIGN=\"RIGHT\"><C TYPE=\"RADIO\" ID=\"r\"></P>");
    input.Rect = TRectF(0, 0, 300, 100);
    input.MeasureOnly = true;
    input.PointX = 290;
    input.PointY = 10;
    TKestHTMLDrawOutput out;
    EXPECT_TRUE(TKestGraphicsHTMLEngine::DrawHTML(*Canvas, input, out));
    EXPECT_EQ(out.ControlID, QStringLiteral("r"));
    EXPECT_NEAR(out.ControlRect.Left, 282, 0.01f);
}

INSTANTIATE_TEST_SUITE_P(BackEnds, THTMLControlTest, ::testing::Bool(), BackEndName);

}
