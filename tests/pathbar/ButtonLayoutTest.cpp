#include "BarLayoutFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/ImageList.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/LeftIcon.h"

#include <QApplication>

namespace {

struct LayoutCase {
    const char* name;
    double scale;
    int width;
    bool refresh;
    bool dropDown;
    bool showImage;
    Edges refreshButton;
    Edges dropDownButton;
    Edges nodeArea;
};

class LayoutRule : public BarLayoutFixture, public ::testing::WithParamInterface<LayoutCase> {};

}

TEST_P(LayoutRule, Rectangles)
{
    const LayoutCase& c = GetParam();
    UseScale(c.scale);
    bar->SetRefreshButton(c.refresh);
    bar->SetDropDownButton(c.dropDown);
    bar->SetShowImage(c.showImage);
    Show(c.width);
    EXPECT_EQ(EdgesOf(Inside(bar).GetRefreshButtonRect()), c.refreshButton);
    EXPECT_EQ(EdgesOf(Inside(bar).GetDropDownButtonRect()), c.dropDownButton);
    EXPECT_EQ(EdgesOf(Inside(bar).GetNodeAreaRect()), c.nodeArea);
    // The child controls sit on their rectangles.
    ASSERT_NE(Inside(bar).DropDownButtonControl(), nullptr);
    EXPECT_EQ(EdgesOf(Inside(bar).DropDownButtonControl()->geometry()), c.dropDownButton);
    if (c.refresh) {
        ASSERT_NE(Inside(bar).RefreshButtonControl(), nullptr);
        EXPECT_EQ(EdgesOf(Inside(bar).RefreshButtonControl()->geometry()), c.refreshButton);
    }
    EXPECT_EQ(Inside(bar).LeftIcon()->isVisibleTo(bar.get()), c.showImage);
}

INSTANTIATE_TEST_SUITE_P(
    Bars, LayoutRule,
    ::testing::Values(LayoutCase{"Both300", 1.0, 300, true, true, true, {274, 298}, {259, 274}, {25, 257}},
                      LayoutCase{"Both300Scaled", 1.5, 300, true, true, true, {262, 298}, {240, 262}, {25, 238}},
                      LayoutCase{"NoRefresh", 1.0, 300, false, true, true, {-1, -1}, {283, 298}, {25, 281}},
                      LayoutCase{"NoRefreshScaled", 1.5, 300, false, true, true, {-1, -1}, {276, 298}, {25, 274}},
                      LayoutCase{"HiddenDropDown", 1.0, 300, true, false, true, {274, 298}, {274, 274}, {25, 272}},
                      LayoutCase{"NoImage", 1.0, 300, true, true, false, {274, 298}, {259, 274}, {2, 257}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BarLayoutFixture, BorderWidthCountsFrameLines)
{
    Show(300);
    auto* look = bar->Appearance();
    EXPECT_EQ(Inside(bar).GetBorderWidth(), 1); // only the inner line by default
    look->SetOuterBorderColor(clRed);
    EXPECT_EQ(Inside(bar).GetBorderWidth(), 2);
    EXPECT_EQ(Inside(bar).GetDropDownButtonRect().top(), 2);
    look->SetOuterBorderColor(clNone);
    look->SetInnerBorderColor(clNone);
    EXPECT_EQ(Inside(bar).GetBorderWidth(), 1) << "never 0";

    // Focused, the focus pair counts.
    QApplication::setActiveWindow(bar.get());
    bar->setFocus();
    ASSERT_TRUE(bar->hasFocus());
    look->SetFocusOuterBorderColor(clNone);
    look->SetFocusInnerBorderColor(clNone);
    EXPECT_EQ(Inside(bar).GetBorderWidth(), 1);
    look->SetFocusOuterBorderColor(clRed);
    look->SetFocusInnerBorderColor(clRed);
    EXPECT_EQ(Inside(bar).GetBorderWidth(), 2);
}

TEST_F(BarLayoutFixture, ImageAreaWidth)
{
    EXPECT_EQ(Inside(bar).GetImageAreaWidth(), 22);
    TImageList images(nullptr);
    images.SetWidth(32);
    bar->SetImages(&images);
    EXPECT_EQ(Inside(bar).GetImageAreaWidth(), 38);
    Show(300);
    EXPECT_EQ(EdgesOf(Inside(bar).GetImageRect()), (Edges{2, 40}));
    EXPECT_EQ(Inside(bar).GetNodeAreaRect().left(), 41);
    bar->SetImages(nullptr);
}

namespace {

// Node texts are empty so that every button is S14 wide, whatever the font.
struct OverflowCase {
    const char* name;
    double scale;
    int nodeArea;       // width of the node area
    int chainLength;    // the selection is the last node of the chain
    int buttons;        // buttons built
    bool overflow;      // the last of them is the overflow button
};

class OverflowRule : public BarLayoutFixture, public ::testing::WithParamInterface<OverflowCase> {};

}

TEST_P(OverflowRule, ButtonsThatFit)
{
    const OverflowCase& c = GetParam();
    UseScale(c.scale);
    bar->SetRefreshButton(false);
    bar->SetShowImage(false);
    const int s15 = c.scale == 1.0 ? 15 : 22;
    // Node area: 2 .. width - s15 - 4.
    Show(c.nodeArea + s15 + 6);
    ASSERT_EQ(Inside(bar).GetNodeAreaRect().width(), c.nodeArea);
    std::vector<TKestTreeNode*> chain;
    for (int i = 0; i < c.chainLength; ++i)
        chain.push_back(chain.empty() ? nodes()->Add("") : chain.back()->AddChild(""));
    const auto& buttons = Select(chain.back());
    ASSERT_EQ(int(buttons.size()), c.buttons);
    for (size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(buttons[i]->Node(), chain[chain.size() - 1 - i]);
        EXPECT_EQ(buttons[i]->ScrollButton(), c.overflow && i + 1 == buttons.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, OverflowRule,
                         ::testing::Values(OverflowCase{"ExactFit", 1.0, 42, 3, 3, false},
                                           OverflowCase{"MiddleLeavesTooLittle", 1.0, 41, 3, 2, true},
                                           OverflowCase{"RoomForOnePlusOverflow", 1.0, 28, 3, 2, true},
                                           OverflowCase{"OnlyTheSelection", 1.0, 14, 1, 1, false},
                                           OverflowCase{"TopFitsWithoutOverflowRoom", 1.0, 28, 2, 2, false},
                                           OverflowCase{"SelectionAloneIsOverflow", 1.0, 27, 2, 1, true},
                                           OverflowCase{"NarrowerThanS14", 1.0, 13, 1, 0, false},
                                           OverflowCase{"ScaledExactFit", 1.5, 63, 3, 3, false},
                                           OverflowCase{"ScaledLeavesTooLittle", 1.5, 62, 3, 2, true},
                                           OverflowCase{"ScaledNarrowerThanS14", 1.5, 20, 2, 0, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BarLayoutFixture, ButtonsSitFlushFromTheLeft)
{
    Show(300);
    auto chain = Chain({"", "", ""});
    const auto& buttons = Select(chain.back());
    ASSERT_EQ(buttons.size(), 3u);
    const QRect area = Inside(bar).GetNodeAreaRect();
    EXPECT_EQ(buttons[2]->geometry(), QRect(area.left(), area.top(), 14, area.height()));
    EXPECT_EQ(buttons[1]->x(), area.left() + 14);
    EXPECT_EQ(buttons[0]->x(), area.left() + 28);
    EXPECT_TRUE(bar->QLineEdit::text().isEmpty()) << "the buttons show the path";
    EXPECT_EQ(bar->Text(), "//"); // the selection's path is still the bar's text
}

TEST_F(BarLayoutFixture, SelectionWiderThanTheAreaBecomesTheOverflowButton)
{
    Show(100);
    auto chain = Chain({"Top", "A rather long folder name that cannot fit"});
    const auto& buttons = Select(chain.back());
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_TRUE(buttons[0]->ScrollButton());
    EXPECT_EQ(buttons[0]->Width(), 14);
}

TEST_F(BarLayoutFixture, ButtonWidths)
{
    for (double scale : {1.0, 1.5}) {
        SCOPED_TRACE(scale);
        UseScale(scale);
        const int s14 = scale == 1.0 ? 14 : 21;
        Show(600);
        nodes()->Clear();
        auto withChildren = Chain({"Bravo", "Bravo", "Leaf"});
        withChildren[1]->SetShowText(false);
        auto leaf = Chain({"Bravo"});
        const auto& leafButtons = Select(leaf.back());
        ASSERT_EQ(leafButtons.size(), 1u);
        const int leafWidth = leafButtons[0]->Width();
        EXPECT_GT(leafWidth, s14) << "text and margins";
        const auto& buttons = Select(withChildren.back());
        ASSERT_EQ(buttons.size(), 3u);
        EXPECT_EQ(buttons[1]->Width(), s14) << "hidden text";
        EXPECT_FALSE(buttons[1]->ShowText());
        EXPECT_EQ(buttons[2]->Width(), leafWidth + s14) << "room for the arrow";

        // The selection shows its text even when its node hides it.
        const auto& selected = Select(withChildren[1]);
        ASSERT_FALSE(selected.empty());
        EXPECT_TRUE(selected[0]->ShowText());
        EXPECT_EQ(selected[0]->Width(), leafWidth + s14);
    }
}

TEST_F(BarLayoutFixture, ResizeRebuildsTheButtons)
{
    Show(300);
    auto chain = Chain({"", "", "", ""});
    int selections = 0;
    bar->OnSelect = [&](QObject*, TKestTreeNode*) { ++selections; };
    Select(chain.back());
    selections = 0;
    EXPECT_EQ(Inside(bar).NodeButtons().size(), 4u);
    bar->setGeometry(0, 0, 68 + 28, 25); // node area 28: selection and overflow
    EXPECT_EQ(Inside(bar).NodeButtons().size(), 2u);
    EXPECT_EQ(selections, 0) << "a rebuild is no new selection";
}

TEST_F(BarLayoutFixture, DropDownButtonPropertyMovesInFixedSteps)
{
    UseScale(1.5);
    Show(300);
    TDropDownButton* b = Inside(bar).DropDownButtonControl();
    const int right = b->x() + b->width();
    bar->SetDropDownButton(false);
    EXPECT_EQ(b->width(), 0);
    EXPECT_EQ(b->x(), right);
    bar->SetDropDownButton(true);
    EXPECT_EQ(b->width(), 15) << "not scaled";
    EXPECT_EQ(b->x(), right - 15);
}

TEST_F(BarLayoutFixture, EditTextRectangleEndsBeforeTheDropDownButton)
{
    Show(300);
    const QMargins m = bar->textMargins();
    EXPECT_EQ(m.left(), 3 + 22);
    EXPECT_EQ(300 - m.right(), 259 - 2);
    bar->SetShowImage(false);
    EXPECT_EQ(bar->textMargins().left(), 3);
}

TEST_F(BarLayoutFixture, LeftIconKeepsThePictureOfTheLastNodeWithAnImage)
{
    TImageList images(nullptr);
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    images.Add(red);
    bar->SetImages(&images);
    Show(300);
    auto* withImage = nodes()->Add("A");
    withImage->SetImageIndex(0);
    auto* without = withImage->AddChild("B");
    Select(withImage);
    ASSERT_FALSE(Inside(bar).LeftIcon()->Glyph()->Empty());
    EXPECT_EQ(Inside(bar).LeftIcon()->Glyph()->Image().pixel(8, 8), qRgb(255, 0, 0));
    Select(without);
    EXPECT_EQ(Inside(bar).LeftIcon()->Glyph()->Image().pixel(8, 8), qRgb(255, 0, 0));
    bar->SetImages(nullptr);
}
