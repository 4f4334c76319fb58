#include "DropDownFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLineEdit>

namespace {

// A bar with editing enabled over a small tree of drive-like roots:
// c:/Windows/System, c:/windows2, C:/Users (another root differing only in
// case), d:/Data; the selection is c:/Windows.
class EditModeFixture : public DropDownFixture {
protected:
    void SetUp() override
    {
        DropDownFixture::SetUp();
        other = std::make_unique<QLineEdit>();
        other->show();
        bar->SetEditorEnabled(true);
        c = nodes()->Add("c:");
        windows = c->AddChild("Windows");
        windows->AddChild("System");
        c->AddChild("windows2");
        nodes()->Add("C:")->AddChild("Users");
        nodes()->Add("d:")->AddChild("Data");
        bar->SetSelectedNode(windows);
        // The bar starts without the focus; typing gives it the focus.
        LeaveTheBar();
    }

    void TearDown() override
    {
        other.reset();
        DropDownFixture::TearDown();
    }

    // Focus into the bar (edit mode), its text replaced by typed.
    void Type(const QString& typed)
    {
        QApplication::setActiveWindow(bar.get());
        bar->setFocus();
        bar->selectAll();
        QTest::keyClicks(bar.get(), typed);
        QApplication::processEvents();
    }

    QStringList Shown() { return Texts(Inside(bar).AutoCompleteListBox()); }

    void LeaveTheBar()
    {
        QApplication::setActiveWindow(other.get());
        other->setFocus();
        QApplication::processEvents();
    }

    std::unique_ptr<QLineEdit> other;
    TKestTreeNode* c = nullptr;
    TKestTreeNode* windows = nullptr;
};

struct FilterCase {
    const char* name;
    const char* typed;
    const char* shown; // joined by spaces; empty: no window
};

class AutoCompleteFilter : public EditModeFixture, public ::testing::WithParamInterface<FilterCase> {};

}

TEST_P(AutoCompleteFilter, ShowsThePathsStartingWithTheText)
{
    Type(GetParam().typed);
    const QString expected = GetParam().shown;
    EXPECT_EQ(Shown().join(u' '), expected);
    if (expected.isEmpty()) {
        EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
        return;
    }
    ASSERT_NE(Inside(bar).AutoCompleteForm(), nullptr);
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    EXPECT_EQ(Inside(bar).AutoCompleteListBox()->ItemIndex(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Typing, AutoCompleteFilter,
    ::testing::Values(
        FilterCase{"DriveLetter", "c:", "C:/ c:/ C:/Users c:/Windows c:/Windows/System c:/windows2"},
        FilterCase{"TrailingSeparatorIgnored", "c:/windows/", "c:/Windows c:/Windows/System c:/windows2"},
        FilterCase{"AnyLetterCase", "C:/WIN", "c:/Windows c:/Windows/System c:/windows2"},
        FilterCase{"OnlyOneSeparatorIgnored", "c:/windows2//", ""},
        FilterCase{"SeparatorAloneShowsAll",
                   "/", "C:/ c:/ C:/Users c:/Windows c:/Windows/System c:/windows2 d:/ d:/Data"},
        FilterCase{"NoMatchClosesTheWindow", "x:", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditModeFixture, EditModeStaysWhileTheListIsOpen)
{
    Type("c:/w");
    ASSERT_NE(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_TRUE(bar->EditMode());
    EXPECT_TRUE(Inside(bar).NodeButtons().empty());
    EXPECT_TRUE(Inside(bar).IsEditorFocused());
}

TEST_F(EditModeFixture, KeysInTheListEditTheTextAtTheCaret)
{
    Type("c:/");
    TExplorerTreeviewListBox* list = Inside(bar).AutoCompleteListBox();
    ASSERT_NE(list, nullptr);
    QTest::keyClicks(list, "wi");
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "c:/wi");
    EXPECT_EQ(Shown().join(u' '), "c:/Windows c:/Windows/System c:/windows2");
    QTest::keyClick(list, Qt::Key_Backspace);
    QTest::keyClick(list, Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "c:/");
    EXPECT_EQ(Shown().size(), 6);

    // Moving the caret, selecting and undoing act on the text; the list
    // follows every change.
    QTest::keyClick(list, Qt::Key_Left);
    QApplication::processEvents();
    EXPECT_EQ(bar->cursorPosition(), 2);
    EXPECT_NE(Inside(bar).AutoCompleteForm(), nullptr) << "the list stays open";
    QTest::keyClick(list, Qt::Key_Home);
    QTest::keyClick(list, Qt::Key_End, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(bar->selectedText(), "c:/");
    QTest::keyClicks(list, "d");
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "d");
    EXPECT_EQ(Shown().join(u' '), "d:/ d:/Data");
    QTest::keyClick(list, Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "c:/");
    EXPECT_EQ(Shown().size(), 6);
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(bar->selectedText(), "c:/");

    QTest::keyClicks(list, "q");
    QApplication::processEvents();
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr) << "no entry starts with q";
}

TEST_F(EditModeFixture, DeleteInTheListDeletesAtTheCaret)
{
    Type("c:/w");
    TExplorerTreeviewListBox* list = Inside(bar).AutoCompleteListBox();
    ASSERT_NE(list, nullptr);
    bar->setSelection(3, 1);
    QTest::keyClick(list, Qt::Key_Delete);
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "c:/");
    EXPECT_EQ(Shown().size(), 6) << "the list follows";
}

TEST_F(EditModeFixture, TypingWhileTheHistoryIsOpenEditsTheText)
{
    Type("c:/w");
    QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape);
    bar->AddToDropDownList(windows);
    QTest::keyClick(bar.get(), Qt::Key_F4);
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_TRUE(Inside(bar).HasFocusLook()) << "the frame keeps its focused look";
    QTest::keyClicks(Inside(bar).DropListBox(), "d");
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "d") << "the selected text was replaced";
    EXPECT_EQ(Inside(bar).DropForm(), nullptr) << "the history made way for the auto-complete list";
    EXPECT_EQ(Shown().join(u' '), "d:/ d:/Data");
    EXPECT_TRUE(Inside(bar).HasFocusLook());
}

TEST_F(EditModeFixture, TabInTheListLeavesTheBar)
{
    Type("c:/w");
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Tab);
    QApplication::processEvents();
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_EQ(bar->QLineEdit::text(), "c:/w") << "Tab is not text";
}

TEST_F(EditModeFixture, ProgramKeyHandlersVetoTheBarsSteps)
{
    bar->AddToDropDownList(windows);
    bar->OnKeyDown = [](QObject*, int& key, TShiftState) {
        if (key == Qt::Key_Down || key == Qt::Key_F4)
            key = 0;
    };
    Type("c:");
    QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape);
    QTest::keyClick(bar.get(), Qt::Key_F4);
    QTest::keyClick(bar.get(), Qt::Key_Down);
    EXPECT_EQ(Inside(bar).DropForm(), nullptr) << "the handler took F4 and Down";

    bar->OnKeyPress = [](QObject*, QChar& key) {
        if (key == u'x')
            key = QChar();
    };
    QTest::keyClicks(bar.get(), "x");
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "c:");
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr) << "a swallowed character does not refilter";
    QTest::keyClicks(bar.get(), "/");
    QApplication::processEvents();
    EXPECT_NE(Inside(bar).AutoCompleteForm(), nullptr) << "other characters still do";
}

TEST_F(EditModeFixture, ArrowsAndEnterChooseAnEntry)
{
    Type("c:/win");
    TExplorerTreeviewListBox* list = Inside(bar).AutoCompleteListBox();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->ItemIndex(), 1);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_EQ(bar->SelectedNode(), windows->GetFirstChild());
    EXPECT_EQ(bar->QLineEdit::text(), "c:/Windows/System");
    EXPECT_EQ(bar->selectedText(), "c:/Windows/System");
}

TEST_F(EditModeFixture, EnterOnTheSelectionKeepsIt)
{
    Type("c:/windows");
    TExplorerTreeviewListBox* list = Inside(bar).AutoCompleteListBox();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->Items()->Strings(0), "c:/Windows");
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(bar->SelectedNode(), windows);
    EXPECT_EQ(bar->QLineEdit::text(), "c:/Windows");
}

TEST_F(EditModeFixture, ClickOnAnEntrySelectsItsNode)
{
    Type("d");
    TExplorerTreeviewListBox* list = Inside(bar).AutoCompleteListBox();
    ASSERT_NE(list, nullptr);
    const QRect second = list->visualRect(list->Items()->index(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_EQ(bar->SelectedNode()->Text(), "Data");
}

TEST_F(EditModeFixture, EscapeClosesAndSelectsAll)
{
    Type("c:");
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape);
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_EQ(bar->selectedText(), "c:");
    EXPECT_EQ(bar->SelectedNode(), windows) << "typing alone selects nothing";
}

TEST_F(EditModeFixture, TheListSitsUnderTheText)
{
    Type("d");
    TDropForm* form = Inside(bar).AutoCompleteForm();
    ASSERT_NE(form, nullptr);
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    const QRect nodeArea = Inside(bar).GetNodeAreaRect();
    const QPoint origin = bar->mapToGlobal(QPoint(nodeArea.left() - 4, 0));
    const int h = 2 * Inside(bar).AutoCompleteListBox()->ItemHeight() + 2;
    EXPECT_EQ(form->geometry(), QRect(origin.x(), origin.y() + bar->height() - 4, nodeArea.x() + nodeArea.width(), h));
}

namespace {

struct LeaveCase {
    const char* name;
    TEditStyle style;
    const char* typed;
    bool keepsSelection;
    const char* text; // the bar's Text afterwards
};

class LeavingTheEditor : public EditModeFixture, public ::testing::WithParamInterface<LeaveCase> {};

}

TEST_P(LeavingTheEditor, RestoresButtonsOrKeepsTheText)
{
    bar->SetEditStyle(GetParam().style);
    Type(GetParam().typed);
    if (Inside(bar).AutoCompleteListBox())
        QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape);
    LeaveTheBar();
    EXPECT_FALSE(bar->EditMode());
    EXPECT_EQ(bar->SelectedNode() == windows, GetParam().keepsSelection);
    EXPECT_EQ(Inside(bar).NodeButtons().empty(), !GetParam().keepsSelection);
    EXPECT_EQ(bar->Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(EditStyles, LeavingTheEditor,
                         ::testing::Values(LeaveCase{"ListDropsTypedText", esList, "d:/elsewhere", true, "c:/Windows"},
                                           LeaveCase{"EditKeepsTypedText", esEdit, "d:/elsewhere", false,
                                                     "d:/elsewhere"},
                                           LeaveCase{"EditSamePathInOtherCase", esEdit, "C:/WINDOWS", true,
                                                     "c:/Windows"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditModeFixture, TypedTextFollowsTheInternalTextWithEditStyle)
{
    bar->SetEditStyle(esEdit);
    Type("d:/x");
    EXPECT_EQ(bar->Text(), "d:/x");
    bar->SetAutoComplete(false);
    QTest::keyClicks(bar.get(), "y");
    QApplication::processEvents();
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    LeaveTheBar();
    EXPECT_EQ(bar->Text(), "d:/xy");
}

TEST_F(EditModeFixture, PasteRefiltersTheList)
{
    QApplication::clipboard()->setText("c:/windows2");
    QApplication::setActiveWindow(bar.get());
    bar->setFocus();
    bar->selectAll();
    QTest::keyClick(bar.get(), Qt::Key_V, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(Shown(), QStringList({"c:/windows2"}));
}

TEST_F(EditModeFixture, PasteFromTheContextMenuRefilters)
{
    QApplication::clipboard()->setText("c:/windows2");
    Type("");
    bar->selectAll();
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5), bar->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(bar.get(), &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(bar->EditMode()) << "the menu does not end editing";
    const QString pasteKeys = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    QAction* paste = nullptr;
    for (QAction* a : menu->actions())
        if (a->text().contains(u'&') && a->text().endsWith(pasteKeys))
            paste = a;
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    // Looked at before the menu closes: this platform makes the application
    // inactive for a moment when a pop-up closes, which closes every pop-up.
    QApplication::processEvents();
    EXPECT_EQ(Shown(), QStringList({"c:/windows2"}));
    menu->close();
}

TEST_F(EditModeFixture, DisabledEditorIgnoresTyping)
{
    bar->SetEditorEnabled(false);
    QApplication::setActiveWindow(bar.get());
    bar->setFocus();
    QTest::keyClicks(bar.get(), "abc");
    QApplication::processEvents();
    EXPECT_EQ(Inside(bar).AutoCompleteForm(), nullptr);
    EXPECT_FALSE(bar->EditMode());
    EXPECT_EQ(bar->QLineEdit::text(), "");
    EXPECT_FALSE(bar->CaretVisible());
}

TEST_F(EditModeFixture, ListFollowsRenamesAndClearing)
{
    windows->SetText("Win");
    Type("c:/w");
    EXPECT_EQ(Shown().join(u' '), "c:/Win c:/Win/System c:/windows2");
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    QTest::keyClick(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape);
    nodes()->Clear();
    EXPECT_EQ(bar->AutoCompleteList().Count(), 0);
}
