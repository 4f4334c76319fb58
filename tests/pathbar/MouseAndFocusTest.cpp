// Clicks on the bar and on its child controls, and where they leave the
// focus: a window with the bar and an "OK" button, as the sample has.

#include "BarLayoutFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "pathbar/DropDownButton.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/LeftIcon.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

class MouseAndFocusFixture : public BarLayoutFixture {
protected:
    void SetUp() override
    {
        BarLayoutFixture::SetUp();
        window = std::make_unique<QWidget>();
        window->resize(420, 80);
        bar->setParent(window.get());
        bar->setGeometry(0, 0, 400, 25);
        ok = new QPushButton(QStringLiteral("OK"), window.get());
        ok->setGeometry(10, 40, 80, 25);
        // A > B > C, B also has B2.
        a = nodes()->Add("A");
        b = a->AddChild("B");
        c = b->AddChild("C");
        b->AddChild("B2");
        bar->SetEditorEnabled(true);
        window->show();
        QApplication::setActiveWindow(window.get());
        bar->SetSelectedNode(c);
        ok->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(ok->hasFocus());
        ASSERT_FALSE(bar->EditMode());
    }

    void TearDown() override
    {
        // The bar belongs to the window now; the window goes first.
        bar.release();
        window.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TNodeButton* ButtonOf(TKestTreeNode* node)
    {
        for (TNodeButton* button : Inside(bar).NodeButtons())
            if (button->Node() == node && !button->ScrollButton())
                return button;
        return nullptr;
    }

    std::unique_ptr<QWidget> window;
    QPushButton* ok = nullptr;
    TKestTreeNode* a = nullptr;
    TKestTreeNode* b = nullptr;
    TKestTreeNode* c = nullptr;
};

}

TEST_F(MouseAndFocusFixture, ClickOnANodeButtonNavigatesAndLeavesTheFocus)
{
    TNodeButton* bButton = ButtonOf(b);
    ASSERT_NE(bButton, nullptr);
    QTest::mouseClick(bButton, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(bar->SelectedNode(), b);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_FALSE(bar->EditMode());
    EXPECT_FALSE(Inside(bar).NodeButtons().empty());
}

TEST_F(MouseAndFocusFixture, PressOnAnArrowOpensTheMenuAndLeavesTheFocus)
{
    TNodeButton* bButton = ButtonOf(b);
    ASSERT_NE(bButton, nullptr);
    bool opened = false;
    bool editModeWhileOpen = true;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &closer, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            opened = true;
            editModeWhileOpen = bar->EditMode();
            popup->close();
        }
    });
    closer.start();
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    closer.stop();
    EXPECT_TRUE(opened);
    EXPECT_FALSE(editModeWhileOpen);
    EXPECT_TRUE(ok->hasFocus());
    EXPECT_EQ(bar->SelectedNode(), c) << "no choice made";
}

TEST_F(MouseAndFocusFixture, TabAndAClickOnTheBarItselfStartEditing)
{
    QTest::keyClick(ok, Qt::Key_Tab);
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_TRUE(bar->EditMode());

    ok->setFocus();
    ASSERT_FALSE(bar->EditMode());
    // The free area right of the node buttons, left of the history button.
    const QRect area = Inside(bar).GetNodeAreaRect();
    QTest::mouseClick(bar.get(), Qt::LeftButton, {}, QPoint(area.right() - 3, area.center().y()));
    EXPECT_TRUE(bar->hasFocus());
    EXPECT_TRUE(bar->EditMode());
}

TEST_F(MouseAndFocusFixture, ClickOnTheLeftIconLeavesEditMode)
{
    bar->setFocus();
    ASSERT_TRUE(bar->EditMode());
    QTest::mouseClick(Inside(bar).LeftIcon(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(bar->EditMode());
    EXPECT_FALSE(Inside(bar).NodeButtons().empty());
    EXPECT_EQ(bar->QLineEdit::text(), "");

    // Still focused: a key that edits turns it into the editor again, so
    // nothing is typed beneath the buttons; others leave it as it is.
    QTest::keyClick(bar.get(), Qt::Key_Left);
    EXPECT_FALSE(bar->EditMode());
    QTest::keyClicks(bar.get(), "A");
    EXPECT_TRUE(bar->EditMode());
    EXPECT_EQ(bar->QLineEdit::text(), "A");
}

TEST_F(MouseAndFocusFixture, HistoryOpenedFromTheFocusedButtonRowEdits)
{
    bar->AddToDropDownList(b);
    bar->setFocus();
    QTest::mouseClick(Inside(bar).LeftIcon(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_FALSE(bar->EditMode());
    QTest::mousePress(Inside(bar).DropDownButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_TRUE(bar->EditMode());
    EXPECT_TRUE(Inside(bar).NodeButtons().empty());
}

TEST_F(MouseAndFocusFixture, TheHistoryWindowWorksForTheEditingBar)
{
    bar->AddToDropDownList(b);
    QTest::mousePress(Inside(bar).DropDownButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_NE(Inside(bar).DropListBox(), nullptr);
    EXPECT_TRUE(bar->EditMode()) << "the bar took the focus for the window";
    EXPECT_EQ(bar->selectedText(), "A/B/C");
    QTest::keyClicks(Inside(bar).DropListBox(), "A/B/");
    QApplication::processEvents();
    EXPECT_EQ(bar->QLineEdit::text(), "A/B/");
    ASSERT_NE(Inside(bar).AutoCompleteListBox(), nullptr);
    EXPECT_EQ(Inside(bar).AutoCompleteListBox()->Items()->Count(), 3) << "A/B, A/B/B2, A/B/C";
}

TEST_F(MouseAndFocusFixture, ReusedButtonsStartUnpressed)
{
    TNodeButton* first = Inside(bar).NodeButtons().front();
    bar->SetSelectedNode(nullptr); // the buttons are put aside for reuse
    // Pressed after it was put aside, as a press that cleared the row leaves it.
    first->SetDown(true);
    bar->SetSelectedNode(c);
    for (TNodeButton* button : Inside(bar).NodeButtons())
        EXPECT_FALSE(button->IsHot()) << button->Node()->Text().toStdString();
}

TEST(WindowTeardown, DestroyingAWindowWhileItsBarEditsCreatesNothing)
{
    auto window = std::make_unique<QWidget>();
    auto* bar = new TKestExplorerTreeview(nullptr);
    bar->setParent(window.get());
    bar->SetMode(aeCustom);
    bar->SetEditorEnabled(true);
    window->show();
    QApplication::setActiveWindow(window.get());
    bar->setFocus();
    ASSERT_TRUE(bar->EditMode());
    // Selected while editing: no node button exists yet.
    bar->SetSelectedNode(bar->Items()->Add("A")->AddChild("B"));
    ASSERT_TRUE(Inside(bar).NodeButtons().empty());
    int created = 0;
    struct ChildWatch : QObject {
        int* count;
        explicit ChildWatch(int* c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::ChildAdded && static_cast<QChildEvent*>(e)->child()->isWidgetType())
                ++*count;
            return false;
        }
    } watch(&created);
    bar->installEventFilter(&watch);
    window.reset(); // focus-out and hide events while the window is destroyed
    EXPECT_EQ(created, 0);
}
