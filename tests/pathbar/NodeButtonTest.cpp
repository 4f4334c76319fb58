#include "BarLayoutFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "pathbar/ChildMenu.h"
#include "pathbar/ScrollingChildMenu.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/TextWidthCache_p.h"

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

// The texts of a child menu's entries, "-" for a separator, whichever form
// the menu takes.
QStringList Items(const QWidget& menu)
{
    QStringList texts;
    if (auto* list = qobject_cast<const TScrollingChildMenu*>(&menu)) {
        for (int r = 0; r < list->RowCount(); ++r)
            texts << (list->RowNode(r) ? list->RowNode(r)->Text() : QStringLiteral("-"));
        return texts;
    }
    for (QAction* a : menu.actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

// Closes every child menu that opens while it lives and records their items.
class MenuWatcher {
public:
    MenuWatcher()
    {
        timer.setInterval(20);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* popup = QApplication::activePopupWidget();
            auto* menu = qobject_cast<QMenu*>(popup);
            auto* list = qobject_cast<TScrollingChildMenu*>(popup);
            if (!menu && !list)
                return;
            opened << Items(*popup).join(u',');
            if (menu && onOpen)
                onOpen(*menu);
            else if (list && onList)
                onList(*list);
            else
                popup->close();
        });
        timer.start();
    }

    QStringList opened;
    // Called instead of closing the menu; it must close it eventually.
    std::function<void(QMenu&)> onOpen;
    // The same for a menu too long for the screen.
    std::function<void(TScrollingChildMenu&)> onList;

private:
    QTimer timer;
};

void WaitFor(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        QTest::qWait(10);
}

}

class NodeButtonFixture : public BarLayoutFixture {
protected:
    void SetUp() override
    {
        BarLayoutFixture::SetUp();
        Show(400);
        // A > B > C, A also has A2, B also has B2; X is a second top-level node.
        a = nodes()->Add("A");
        b = a->AddChild("B");
        a->AddChild("A2");
        c = b->AddChild("C");
        b->AddChild("B2");
        nodes()->Add("X");
    }

    std::unique_ptr<TNodeButton> ButtonFor(TKestTreeNode* node, bool overflow = false)
    {
        auto button = std::make_unique<TNodeButton>(bar.get());
        // Placed as the row would, though not in the row.
        button->SetNode(node, {-1, Inside(bar).GetNodeAreaRect().height(), node == bar->SelectedNode(),
                               bar->Appearance()->ButtonAppearance(), &widths});
        button->SetScrollButton(overflow);
        return button;
    }

    TTextWidthCache widths;
    TKestTreeNode* a = nullptr;
    TKestTreeNode* b = nullptr;
    TKestTreeNode* c = nullptr;
};

TEST_F(NodeButtonFixture, MenuContents)
{
    struct Case {
        const char* name;
        TKestTreeNode* node;
        bool overflow;
        TKestTreeNode* selected;
        const char* items;
    };
    for (const Case& k : {
             Case{"OverflowChain", c, true, nullptr, "C,B,A,-,B,A2"},
             Case{"OverflowOfTheSelection", c, true, c, "-,B,A2"},
             Case{"TopLevelNotSelected", a, false, c, "A,-,B,A2"},
             Case{"TopLevelSelected", a, false, a, "B,A2"},
             Case{"MiddleNode", b, false, c, "C,B2"},
         }) {
        bar->SetSelectedNode(k.selected);
        auto button = ButtonFor(k.node, k.overflow);
        auto menu = CreateChildMenu(*button);
        EXPECT_EQ(Items(*menu).join(u','), k.items) << k.name;
    }
}

TEST_F(NodeButtonFixture, MenuItemsCarryTheirNodes)
{
    auto button = ButtonFor(b);
    TKestTreeNode* populated = nullptr;
    bar->OnNodePopulate = [&](QObject* sender, TKestTreeNode* node) {
        EXPECT_EQ(sender, bar.get());
        populated = node;
        node->AddChild("Late");
    };
    auto menu = CreateChildMenu(*button);
    EXPECT_EQ(populated, b);
    EXPECT_EQ(Items(*menu).join(u','), "C,B2,Late") << "children added by the event are listed";
    EXPECT_EQ(MenuItemNode(menu->actions().at(0)), c);
}

TEST_F(NodeButtonFixture, PressOnTheArrowBoundaryOpensNothing)
{
    const auto& buttons = Select(c);
    TNodeButton* bButton = buttons.at(1);
    ASSERT_EQ(bButton->Node(), b);
    MenuWatcher watcher;
    const int boundary = bButton->width() - 14;
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(boundary, 5));
    EXPECT_TRUE(watcher.opened.isEmpty());
    EXPECT_TRUE(bButton->Down());
    QTest::mouseRelease(bButton, Qt::LeftButton, {}, QPoint(boundary, 5));
    EXPECT_EQ(bar->SelectedNode(), c) << "a release on the boundary selects nothing";
}

TEST_F(NodeButtonFixture, PressOnTheArrowOpensTheMenuAndAChoiceSelects)
{
    TNodeButton* bButton = Select(c).at(1);
    MenuWatcher watcher;
    watcher.onOpen = [](QMenu& menu) {
        menu.setActiveAction(menu.actions().at(1)); // B2
        QTest::keyClick(&menu, Qt::Key_Return);
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    EXPECT_EQ(watcher.opened, QStringList{"C,B2"});
    ASSERT_NE(bar->SelectedNode(), nullptr);
    EXPECT_EQ(bar->SelectedNode()->Text(), "B2");
}

TEST_F(NodeButtonFixture, ReleaseSelectsOnlyNodesWithChildren)
{
    TNodeButton* bButton = Select(c).at(1);
    QTest::mouseClick(bButton, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(bar->SelectedNode(), b);
    TNodeButton* leaf = Select(c).at(0);
    QTest::mouseClick(leaf, Qt::LeftButton, {}, QPoint(3, 5));
    EXPECT_EQ(bar->SelectedNode(), c);
    EXPECT_FALSE(leaf->Down());
}

TEST_F(NodeButtonFixture, HotStatesFollowTheMouse)
{
    TNodeButton* bButton = Select(c).at(1);
    QTest::mouseMove(bButton, QPoint(3, 5));
    EXPECT_TRUE(bButton->TextHot());
    EXPECT_FALSE(bButton->ArrowHot());
    QTest::mouseMove(bButton, QPoint(bButton->width() - 3, 5));
    EXPECT_FALSE(bButton->TextHot());
    EXPECT_TRUE(bButton->ArrowHot());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(bButton, &leave);
    EXPECT_FALSE(bButton->IsHot());
}

TEST_F(NodeButtonFixture, OverflowButtonOpensItsMenuAnywhere)
{
    // Room for the selection and the overflow button only.
    const int selectionWidth = Select(c).at(0)->Width();
    bar->setGeometry(0, 0, 68 + selectionWidth + 14, 25);
    const auto& buttons = Select(c);
    ASSERT_EQ(buttons.size(), 2u);
    ASSERT_TRUE(buttons[1]->ScrollButton());
    MenuWatcher watcher;
    QTest::mousePress(buttons[1], Qt::LeftButton, {}, QPoint(2, 5));
    EXPECT_EQ(watcher.opened, QStringList{"B,A,-,B,A2"});
}

TEST_F(NodeButtonFixture, HoveringAnotherButtonSwitchesMenus)
{
    const auto& buttons = Select(c);
    QPointer<TNodeButton> bButton = buttons.at(1);
    QPointer<TNodeButton> aButton = buttons.at(2);
    MenuWatcher watcher;
    watcher.onOpen = [&](QMenu& menu) {
        if (watcher.opened.size() == 1) {
            // Over the leaf first (no children: nothing), then over A's arrow.
            const QPoint overLeaf = buttons.at(0)->mapToGlobal(QPoint(3, 5));
            QMouseEvent moveLeaf(QEvent::MouseMove, menu.mapFromGlobal(overLeaf), overLeaf, Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(&menu, &moveLeaf);
            EXPECT_TRUE(menu.isVisible()) << "a button without children switches nothing";
            const QPoint overA = aButton->mapToGlobal(QPoint(aButton->width() - 5, 5));
            QMouseEvent move(QEvent::MouseMove, menu.mapFromGlobal(overA), overA, Qt::NoButton, Qt::NoButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(&menu, &move);
        } else {
            menu.close();
        }
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    WaitFor([&] { return watcher.opened.size() >= 2; });
    EXPECT_EQ(watcher.opened, (QStringList{"C,B2", "A,-,B,A2"}));
}

TEST_F(NodeButtonFixture, MenuHookHighlightsTheFirstItem)
{
    TNodeButton* bButton = Select(c).at(1);
    MenuWatcher watcher;
    QString active;
    watcher.onOpen = [&](QMenu& menu) {
        WaitFor([&] { return menu.activeAction() != nullptr; });
        active = menu.activeAction() ? menu.activeAction()->text() : QString();
        menu.close();
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    EXPECT_EQ(active, "C");
    EXPECT_EQ(TChildMenuHook::Current(), nullptr) << "removed when the menu closes";
}

TEST_F(NodeButtonFixture, HistoryButtonPressState)
{
    TDropDownButton* history = Inside(bar).DropDownButtonControl();
    QTest::mousePress(history, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(history->Down());
    QTest::mouseRelease(history, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(history->Down()) << "no history window is open";
}

TEST_F(NodeButtonFixture, RefreshClickLeavesEditModeFirst)
{
    bar->SetEditorEnabled(true);
    QApplication::setActiveWindow(bar.get());
    bar->setFocus();
    ASSERT_TRUE(bar->EditMode());
    bool editModeAtClick = true;
    bar->OnRefreshClick = [&](QObject* sender) {
        EXPECT_EQ(sender, bar.get());
        editModeAtClick = bar->EditMode();
    };
    QTest::mouseClick(Inside(bar).RefreshButtonControl(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_FALSE(editModeAtClick);
}

TEST_F(NodeButtonFixture, AltInTheMenuReleasesTheBarsCapture)
{
    TNodeButton* bButton = Select(c).at(1);
    MenuWatcher watcher;
    QWidget* grabberBefore = nullptr;
    QWidget* grabberAfter = bar.get();
    watcher.onOpen = [&](QMenu& menu) {
        bar->grabMouse();
        grabberBefore = QWidget::mouseGrabber();
        QKeyEvent alt(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QCoreApplication::sendEvent(&menu, &alt);
        grabberAfter = QWidget::mouseGrabber();
        menu.close();
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    ASSERT_EQ(watcher.opened.size(), 1);
    EXPECT_EQ(grabberBefore, bar.get());
    EXPECT_NE(grabberAfter, bar.get());
    bar->releaseMouse();
}

TEST_F(NodeButtonFixture, LongMenusScrollInOneColumn)
{
    auto* big = nodes()->Add("Big");
    big->AddChild("Folder 0");
    auto button = ButtonFor(big);
    bar->SetSelectedNode(big);
    const int oneItemWidth = CreateChildMenu(*button)->sizeHint().width();
    for (int i = 1; i < 3000; ++i)
        big->AddChild(QStringLiteral("Folder %1").arg(i));
    auto menu = CreateChildMenu(*button);
    EXPECT_LT(menu->sizeHint().width(), oneItemWidth + 40) << "no extra columns";
}

TEST_F(NodeButtonFixture, AMenuOfAHundredThousandChildren)
{
    auto* big = nodes()->Add("Big");
    for (int i = 0; i < 100000; ++i)
        big->AddChild(QStringLiteral("Folder %1").arg(i));
    TNodeButton* bigButton = Select(big->GetFirstChild()).at(1);
    ASSERT_EQ(bigButton->Node(), big);
    MenuWatcher watcher;
    QString first;
    QString last;
    bool lastShown = false;
    watcher.onList = [&](TScrollingChildMenu& list) {
        WaitFor([&] { return list.CurrentRow() >= 0; });
        first = list.RowNode(list.CurrentRow())->Text();
        QTest::keyClick(&list, Qt::Key_End);
        last = list.RowNode(list.CurrentRow())->Text();
        lastShown = list.TopRow() > 0 && list.TopRow() < list.RowCount();
        QTest::keyClick(&list, Qt::Key_Return);
    };
    QTest::mousePress(bigButton, Qt::LeftButton, {}, QPoint(bigButton->width() - 5, 5));
    ASSERT_EQ(watcher.opened.size(), 1);
    EXPECT_EQ(watcher.opened[0].count(u','), 100000 + 1) << "the node, a separator and every child";
    EXPECT_EQ(first, "Big") << "the first entry is highlighted on opening";
    EXPECT_EQ(last, "Folder 99999");
    EXPECT_TRUE(lastShown) << "the list scrolled to the last entry";
    ASSERT_NE(bar->SelectedNode(), nullptr);
    EXPECT_EQ(bar->SelectedNode()->Text(), "Folder 99999") << "the choice selects the node";
}

class LongMenuFixture : public NodeButtonFixture {
protected:
    void SetUp() override
    {
        NodeButtonFixture::SetUp();
        // Too long for the screen: the menu is the scrolling list. Not
        // selected, so it starts with the node itself and a separator.
        big = nodes()->Add("Big");
        for (int i = 0; i < 200; ++i)
            big->AddChild(QStringLiteral("Folder %1").arg(i));
        big->AddChild("Music");
        bar->SetSelectedNode(c);
        button = ButtonFor(big);
        auto menu = CreateChildMenu(*button);
        list.reset(qobject_cast<TScrollingChildMenu*>(menu.release()));
        ASSERT_NE(list, nullptr) << "a menu that does not fit is the scrolling list";
        list->setGeometry(0, 0, list->sizeHint().width(), 300);
        list->show();
    }
    void TearDown() override
    {
        list.reset();
        button.reset();
        NodeButtonFixture::TearDown();
    }

    QString Current() const { return list->CurrentRow() < 0 ? QString() : list->RowNode(list->CurrentRow())->Text(); }
    bool CurrentInSight() const
    {
        const int top = list->TopRow();
        return list->CurrentRow() >= top && list->CurrentRow() < top + list->height() / list->RowHeight();
    }

    TKestTreeNode* big = nullptr;
    std::unique_ptr<TNodeButton> button;
    std::unique_ptr<TScrollingChildMenu> list;
};

TEST_F(LongMenuFixture, Keys)
{
    struct Case {
        const char* name;
        std::vector<int> keys;
        const char* current;
    };
    for (const Case& k : {
             Case{"DownFromNothingTakesTheFirst", {Qt::Key_Down}, "Big"},
             Case{"DownSkipsTheSeparator", {Qt::Key_Down, Qt::Key_Down}, "Folder 0"},
             Case{"UpWrapsToTheLast", {Qt::Key_Down, Qt::Key_Up}, "Music"},
             Case{"DownWrapsToTheFirst", {Qt::Key_End, Qt::Key_Down}, "Big"},
             Case{"End", {Qt::Key_End}, "Music"},
             Case{"HomeAfterEnd", {Qt::Key_End, Qt::Key_Home}, "Big"},
             Case{"PageUpStopsAtTheTop", {Qt::Key_Down, Qt::Key_PageUp}, "Big"},
             Case{"ALetterJumps", {Qt::Key_M}, "Music"},
             Case{"TheSameLetterGoesOn", {Qt::Key_F, Qt::Key_F}, "Folder 1"},
         }) {
        list->SetCurrentRow(-1);
        list->setFocus();
        // Letters typed in a row narrow the search: after a case that
        // types some, the next waits until they are forgotten.
        for (int key : k.keys)
            QTest::keyClick(list.get(), Qt::Key(key));
        EXPECT_EQ(Current(), k.current) << k.name;
        EXPECT_TRUE(CurrentInSight()) << k.name;
        if (k.keys.back() >= Qt::Key_A && k.keys.back() <= Qt::Key_Z)
            QTest::qWait(QApplication::keyboardInputInterval() + 10);
    }
}

TEST_F(LongMenuFixture, PageDownMovesOnePageAndKeepsTheRowInSight)
{
    QTest::keyClick(list.get(), Qt::Key_Down);
    QTest::keyClick(list.get(), Qt::Key_PageDown);
    const int page = list->height() / list->RowHeight();
    EXPECT_GE(list->CurrentRow(), page - 3);
    EXPECT_LE(list->CurrentRow(), page);
    EXPECT_TRUE(CurrentInSight());
}

TEST_F(LongMenuFixture, MouseHoverWheelAndRelease)
{
    const QPoint overRow(list->width() / 3, list->height() / 2);
    QMouseEvent move(QEvent::MouseMove, overRow, list->mapToGlobal(overRow), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(list.get(), &move);
    const int hovered = list->CurrentRow();
    EXPECT_GT(hovered, 1) << "the row under the mouse is highlighted";
    EXPECT_EQ(list->TopRow(), 0) << "hovering does not scroll";

    QWheelEvent wheel(overRow, list->mapToGlobal(overRow), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(list.get(), &wheel);
    EXPECT_GT(list->TopRow(), 0) << "the wheel scrolls";

    QCoreApplication::sendEvent(list.get(), &move);
    QTest::mouseRelease(list.get(), Qt::LeftButton, {}, overRow);
    EXPECT_FALSE(list->isVisible()) << "a release on the highlighted row chooses it";
}

TEST_F(NodeButtonFixture, LeftAndRightMoveToTheNeighbouringMenu)
{
    TNodeButton* bButton = Select(c).at(1);
    MenuWatcher watcher;
    watcher.onOpen = [&](QMenu& menu) {
        if (watcher.opened.size() == 1) {
            QTest::keyClick(&menu, Qt::Key_Right); // the selection's button has no menu
            EXPECT_TRUE(menu.isVisible());
            QTest::keyClick(&menu, Qt::Key_Left);
        } else {
            menu.close();
        }
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    WaitFor([&] { return watcher.opened.size() >= 2; });
    EXPECT_EQ(watcher.opened, (QStringList{"C,B2", "A,-,B,A2"}));
}

TEST_F(NodeButtonFixture, DeletingANodeClosesTheOpenMenu)
{
    TNodeButton* bButton = Select(c).at(1);
    MenuWatcher watcher;
    bool closed = false;
    watcher.onOpen = [&](QMenu& menu) {
        bar->Items()->Delete(bar->Items()->GetLastNode()); // X, listed nowhere in this menu
        closed = !menu.isVisible();
        menu.close();
    };
    QTest::mousePress(bButton, Qt::LeftButton, {}, QPoint(bButton->width() - 5, 5));
    EXPECT_TRUE(closed) << "the menu's nodes may be among those going";
    EXPECT_EQ(bar->SelectedNode(), c);
}
