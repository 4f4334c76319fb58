#include "DropDownFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/Exception.h"
#include "framework/Messages.h"

#include <QScrollBar>
#include <QSizeGrip>

namespace {

struct HeightCase {
    const char* name;
    int entries;
    int maxDropHeight;
    int height;
};

class HistoryHeight : public DropDownFixture, public ::testing::WithParamInterface<HeightCase> {};

}

TEST_P(HistoryHeight, FollowsEntriesUpToMaxDropHeight)
{
    UseImages();
    History(GetParam().entries);
    bar->SetMaxDropHeight(GetParam().maxDropHeight);
    PressHistoryButton();
    TDropForm* form = Inside(bar).DropForm();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_EQ(Inside(bar).DropListBox()->ItemHeight(), 16);
    EXPECT_EQ(form->height(), GetParam().height);
    // Flush under the bar, from its left edge to the history button's right.
    const QPoint origin = bar->mapToGlobal(QPoint(0, 0));
    const QRect button = Inside(bar).GetDropDownButtonRect();
    EXPECT_EQ(form->geometry(), QRect(origin.x(), origin.y() + bar->height(), button.x() + button.width(),
                                      GetParam().height));
    QApplication::processEvents();
    // A scroll bar only when the entries do not fit.
    EXPECT_EQ(Inside(bar).DropListBox()->verticalScrollBar()->isVisible(), GetParam().entries * 16 + 2 > GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Window, HistoryHeight,
                         ::testing::Values(HeightCase{"TwentyEntriesAreCut", 20, 150, 150},
                                           HeightCase{"ThreeEntriesFit", 3, 150, 50},
                                           HeightCase{"LowerLimit", 20, 60, 60}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropDownFixture, OpensAboveTheBarNearTheScreensBottom)
{
    History(3);
    const int screenBottom = bar->screen()->geometry().bottom() + 1;
    bar->move(50, screenBottom - 40);
    PressHistoryButton();
    ASSERT_NE(Inside(bar).DropForm(), nullptr);
    EXPECT_EQ(Inside(bar).DropForm()->geometry().bottom() + 1, bar->mapToGlobal(QPoint(0, 0)).y());
}

TEST_F(DropDownFixture, ListsTheHistoryWithTheSelectionChosen)
{
    auto added = History(3);
    auto* child = added[1]->AddChild("deep");
    bar->AddToDropDownList(child);
    bar->SetSelectedNode(child);
    int beforeDropDown = 0;
    bar->OnBeforeDropDown = [&](QObject*) { ++beforeDropDown; };
    PressHistoryButton();
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_EQ(beforeDropDown, 1);
    EXPECT_EQ(Texts(Inside(bar).DropListBox()), QStringList({"n0/", "n1/", "n2/", "n1/deep"}));
    EXPECT_EQ(Inside(bar).DropListBox()->ItemIndex(), 3);
}

TEST_F(DropDownFixture, EmptyHistoryOpensNothing)
{
    PressHistoryButton();
    EXPECT_EQ(Inside(bar).DropForm(), nullptr);
    QTest::mouseRelease(Inside(bar).DropDownButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(Inside(bar).DropDownButtonControl()->Down());
}

TEST_F(DropDownFixture, ButtonStaysPressedWhileTheWindowIsOpen)
{
    History(2);
    TDropDownButton* button = Inside(bar).DropDownButtonControl();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(bar->IsDroppedDown());
    EXPECT_TRUE(button->Down());
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Escape);
    EXPECT_FALSE(bar->IsDroppedDown());
    EXPECT_FALSE(button->Down());
}

TEST_F(DropDownFixture, ClickOnTheButtonClosesWithoutReopening)
{
    History(2);
    ClickHistoryButton();
    ASSERT_TRUE(bar->IsDroppedDown());
    QPointer<TDropForm> first = Inside(bar).DropForm();
    ClickHistoryButton();
    EXPECT_FALSE(bar->IsDroppedDown()) << "the click that closed the window must not open it again";
    EXPECT_TRUE(!first || !first->isVisible());
    ClickHistoryButton();
    EXPECT_TRUE(bar->IsDroppedDown()) << "the next click opens it again";
}

TEST_F(DropDownFixture, KeysInTheBarToggleTheWindow)
{
    History(2);
    bar->setFocus();
    QTest::keyClick(bar.get(), Qt::Key_F4);
    ASSERT_TRUE(bar->IsDroppedDown());
    EXPECT_TRUE(Inside(bar).DropDownButtonControl()->Down());
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Escape);
    EXPECT_FALSE(bar->IsDroppedDown());
    QTest::keyClick(bar.get(), Qt::Key_Down);
    EXPECT_TRUE(bar->IsDroppedDown());
}

TEST_F(DropDownFixture, ArrowKeysMoveTheChoice)
{
    History(3);
    PressHistoryButton();
    TExplorerTreeviewListBox* list = Inside(bar).DropListBox();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ItemIndex(), 0);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->ItemIndex(), 0) << "Up stops at the first item";
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->ItemIndex(), 2) << "Down stops at the last item";
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(DropDownFixture, EnterChoosesANodeOrShowsTheSelectionsPath)
{
    auto added = History(3);
    bar->SetSelectedNode(added[0]);
    PressHistoryButton();
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Down);
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Return);
    EXPECT_EQ(bar->SelectedNode(), added[1]);
    EXPECT_FALSE(bar->IsDroppedDown());
}

TEST_F(DropDownFixture, EnterOnTheSelectionShowsItsFullPath)
{
    auto added = History(2);
    auto* deep = added[1]->AddChild("deep");
    bar->AddToDropDownList(deep);
    bar->SetSelectedNode(deep);
    PressHistoryButton();
    ASSERT_EQ(Inside(bar).DropListBox()->ItemIndex(), 2);
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Return);
    EXPECT_EQ(bar->SelectedNode(), deep);
    EXPECT_EQ(bar->Text(), "n1/deep");
    EXPECT_FALSE(Inside(bar).NodeButtons().empty());
    EXPECT_EQ(bar->QLineEdit::text(), "") << "no text is drawn beneath the node buttons";

    // In edit mode the edit shows it, all selected.
    bar->SetEditorEnabled(true);
    bar->clearFocus();
    QApplication::setActiveWindow(bar.get());
    bar->setFocus();
    ASSERT_TRUE(bar->EditMode());
    QTest::keyClick(bar.get(), Qt::Key_F4);
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    QTest::keyClick(Inside(bar).DropListBox(), Qt::Key_Return);
    EXPECT_EQ(bar->QLineEdit::text(), "n1/deep");
    EXPECT_EQ(bar->selectedText(), "n1/deep");
}

TEST_F(DropDownFixture, WithoutItsButtonTheWindowEndsAtTheButtonsPlace)
{
    History(3);
    bar->SetDropDownButton(false);
    QTest::keyClick(bar.get(), Qt::Key_F4);
    ASSERT_NE(Inside(bar).DropForm(), nullptr);
    const QRect button = Inside(bar).GetDropDownButtonRect();
    EXPECT_EQ(button.width(), 0);
    EXPECT_EQ(Inside(bar).DropForm()->width(), button.left()) << "not over the refresh button";
    EXPECT_LT(Inside(bar).DropForm()->width(), Inside(bar).RefreshButtonControl()->x() + 1);
}

TEST_F(DropDownFixture, ClickOnAnEntrySelectsItsNode)
{
    auto added = History(3);
    PressHistoryButton();
    TExplorerTreeviewListBox* list = Inside(bar).DropListBox();
    ASSERT_NE(list, nullptr);
    const QRect third = list->visualRect(list->Items()->index(2));
    QTest::mouseMove(list->viewport(), third.center());
    EXPECT_EQ(list->ItemIndex(), 2) << "the entry under the mouse is highlighted";
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third.center());
    EXPECT_EQ(bar->SelectedNode(), added[2]);
    EXPECT_FALSE(bar->IsDroppedDown());
}

TEST_F(DropDownFixture, ClickOutsideClosesTheWindow)
{
    History(2);
    PressHistoryButton();
    QTest::mouseRelease(Inside(bar).DropDownButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_TRUE(bar->IsDroppedDown());
    ClickInWindow(QPoint(bar->width() / 2, 5));
    EXPECT_FALSE(bar->IsDroppedDown());
    EXPECT_FALSE(Inside(bar).DropDownButtonControl()->Down());
    ClickHistoryButton();
    EXPECT_TRUE(bar->IsDroppedDown()) << "a click elsewhere does not swallow the next one";
}

TEST_F(DropDownFixture, RegisteredMessageClosesTheWindow)
{
    History(2);
    PressHistoryButton();
    ASSERT_TRUE(bar->IsDroppedDown());
    PostMessage(bar.get(), TCustomExplorerTreeview::ET_HIDEDROPDOWN());
    QApplication::processEvents();
    EXPECT_FALSE(bar->IsDroppedDown());
    EXPECT_FALSE(Inside(bar).DropDownButtonControl()->Down());
}

TEST_F(DropDownFixture, DeletingTheBarWithTheWindowOpen)
{
    History(2);
    PressHistoryButton();
    QPointer<TDropForm> form = Inside(bar).DropForm();
    ASSERT_TRUE(form);
    bar.reset();
    EXPECT_FALSE(form);
}

TEST_F(DropDownFixture, LargeHistoryMakesNoWidgetPerEntry)
{
    for (int i = 0; i < 100000; ++i)
        bar->AddToDropDownList(nodes()->Add(QString::number(i)));
    PressHistoryButton();
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_EQ(Inside(bar).DropListBox()->Items()->Count(), 100000);
    EXPECT_LT(Inside(bar).DropForm()->findChildren<QObject*>().size(), 40);
}

namespace {

struct MoveCase {
    const char* name;
    int from;
    int delta;
    int to;
    bool fires; // OnSelect
};

class MoveSelection : public DropDownFixture, public ::testing::WithParamInterface<MoveCase> {};

}

TEST_P(MoveSelection, StaysBelowTheCount)
{
    TExplorerTreeviewListBox list(nullptr);
    for (const char* t : {"a", "b", "c"})
        list.Items()->AddObject(t, nullptr);
    list.SetItemIndex(GetParam().from);
    int selects = 0;
    list.OnSelect = [&](QObject*) { ++selects; };
    list.MoveSelection(GetParam().delta);
    EXPECT_EQ(list.ItemIndex(), GetParam().to);
    EXPECT_EQ(selects, GetParam().fires ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(ListBox, MoveSelection,
                         ::testing::Values(MoveCase{"Down", 0, 1, 1, true}, MoveCase{"PastTheEnd", 2, 1, 2, false},
                                           MoveCase{"UpFromTheFirstLeavesNone", 0, -1, -1, true},
                                           MoveCase{"UpFromNone", -1, -1, -1, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DropDownFixture, DropFormRefusesOtherOwners)
{
    TForm other(nullptr);
    try {
        TDropForm form(&other);
        FAIL() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid parent");
    }
}

TEST_F(DropDownFixture, PageKeysChooseThroughTheItemIndex)
{
    History(30);
    PressHistoryButton();
    TExplorerTreeviewListBox* list = Inside(bar).DropListBox();
    ASSERT_NE(list, nullptr);
    int selects = 0;
    list->OnSelect = [&](QObject*) { ++selects; };
    QTest::keyClick(list, Qt::Key_PageDown);
    EXPECT_GT(list->ItemIndex(), 0);
    QTest::keyClick(list, Qt::Key_PageUp);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(selects, 2);
    // Home and End belong to the text, as in any edit with a completion list.
    QTest::keyClick(list, Qt::Key_End);
    EXPECT_EQ(list->ItemIndex(), 0);
}

TEST_F(DropDownFixture, DeletingANodeClosesTheOpenLists)
{
    auto added = History(3);
    PressHistoryButton();
    ASSERT_TRUE(bar->IsDroppedDown());
    added[1]->Delete();
    EXPECT_FALSE(bar->IsDroppedDown()) << "the list must not offer a freed node";
    EXPECT_EQ(bar->DropDownListCount(), 2);
}

TEST_F(DropDownFixture, SizeableWindowSizesFromItsLowerRightCornerOnly)
{
    TDropForm form(bar.get());
    form.resize(200, 100);
    form.SetSizeable(true);
    form.show();
    auto* grip = form.findChild<QSizeGrip*>();
    ASSERT_NE(grip, nullptr);
    EXPECT_TRUE(grip->isVisible());
    EXPECT_EQ(grip->geometry().bottomRight(), form.rect().bottomRight());
    form.SetSizeable(false);
    EXPECT_FALSE(grip->isVisible());
}
