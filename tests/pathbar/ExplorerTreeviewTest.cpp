#include "TreeFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/Messages.h"

#include <QCoreApplication>
#include <QTest>

namespace {

struct PathCase {
    const char* name;
    TKestExplorerTreeviewMode mode;
    const char* folderPath;
    const char* path;  // GetNodePath
    const char* shown; // the bar's text with the node selected
};

class PathRule : public TreeFixture, public ::testing::WithParamInterface<PathCase> {};

// One shape per mode, returning the node under test (* = virtual parent):
//   aeCustom: A > B > C
//   aeSystem: Computer* > / > usr > share
//   aeFolder: Data* > X
TKestTreeNode* Build(TKestTreeNodes* t, TKestExplorerTreeviewMode mode)
{
    switch (mode) {
    case aeCustom:
        return t->Add("A")->AddChild("B")->AddChild("C");
    case aeSystem: {
        auto* computer = t->Add("Computer");
        computer->SetVirtualParent(true);
        return computer->AddChild("/")->AddChild("usr")->AddChild("share");
    }
    case aeFolder: {
        auto* top = t->Add("Data");
        top->SetVirtualParent(true);
        return top->AddChild("X");
    }
    }
    return nullptr;
}

}

TEST_P(PathRule, NodePath)
{
    const PathCase& c = GetParam();
    bar->SetMode(c.mode);
    // Stored as a layout would store it, without loading the folder.
    bar->SetLoading(true);
    bar->SetFolderPath(QString::fromUtf8(c.folderPath));
    bar->SetLoading(false);
    TKestTreeNode* node = Build(nodes(), c.mode);
    EXPECT_EQ(bar->GetNodePath(node), QString::fromUtf8(c.path));
    bar->SetSelectedNode(node);
    EXPECT_EQ(bar->Text(), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Modes, PathRule,
                         ::testing::Values(PathCase{"CustomLeaf", aeCustom, "", "A/B/C", "A/B/C"},
                                           PathCase{"SystemBelowDriveRoot", aeSystem, "", "/usr/share", "/usr/share"},
                                           PathCase{"FolderWithPrefix", aeFolder, "/srv/Data", "/srv/Data/X", "X"},
                                           PathCase{"FolderPrefixEndingInSeparator", aeFolder, "/srv/Data/",
                                                    "/srv/Data/X", "X"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TreeFixture, PathOfRootsAndVirtualParents)
{
    auto* a = nodes()->Add("A");
    EXPECT_EQ(bar->GetNodePath(a), "A/"); // a top-level node ends with the separator
    auto* drive = nodes()->Add("Computer");
    drive->SetVirtualParent(true);
    EXPECT_EQ(bar->GetNodePath(drive), "Computer");
    auto* root = drive->AddChild("/");
    EXPECT_EQ(bar->GetNodePath(root->AddChild("etc")), "/etc");
    EXPECT_EQ(bar->GetNodePath(nullptr), "");
}

TEST_F(TreeFixture, FolderModeTopNodeShowsEmptyText)
{
    auto* top = nodes()->Add("Data");
    top->SetVirtualParent(true);
    auto* x = top->AddChild("X");
    bar->SetMode(aeFolder);
    bar->SetSelectedNode(x);
    EXPECT_EQ(bar->Text(), "X");
    bar->SetSelectedNode(top);
    EXPECT_EQ(bar->Text(), "");
}

TEST_F(TreeFixture, SelectionEvents)
{
    std::vector<QString> selected;
    bar->OnSelect = [&](QObject* sender, TKestTreeNode* node) {
        EXPECT_EQ(sender, bar.get());
        selected.push_back(node->Text());
    };
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("B");

    bar->SetSelectedNode(a);
    bar->SetSelectedNode(a); // already selected: nothing
    EXPECT_EQ(selected, std::vector<QString>{"A"});
    EXPECT_EQ(bar->Text(), "A/");

    bar->show(); // the update counter counts only for a visible bar
    bar->BeginUpdate();
    bar->SetSelectedNode(b);
    EXPECT_EQ(selected.size(), 1u);
    bar->EndUpdate();
    EXPECT_EQ(selected, (std::vector<QString>{"A", "B"}));

    bar->resize(bar->width() + 40, bar->height()); // rebuilds, no new selection
    QCoreApplication::processEvents();
    EXPECT_EQ(selected.size(), 2u);

    bar->SetSelectedNode(nullptr);
    EXPECT_EQ(selected.size(), 2u);
    EXPECT_EQ(bar->Text(), "");
}

TEST_F(TreeFixture, PropertyEdgeCases)
{
    EXPECT_EQ(bar->Version(), "1.5.1.1");
    bar->SetVersion("9.9");
    EXPECT_EQ(bar->Version(), "1.5.1.1");

    bar->SetMaxDropHeight(50);
    EXPECT_EQ(bar->MaxDropHeight(), 150);
    bar->SetMaxDropHeight(51);
    EXPECT_EQ(bar->MaxDropHeight(), 51);

    // Writing Text only works for an enabled editor with esEdit.
    auto* a = nodes()->Add("A");
    bar->SetSelectedNode(a);
    bar->SetText("typed");
    EXPECT_EQ(bar->Text(), "A/");
    bar->SetEditorEnabled(true);
    bar->SetEditStyle(esEdit);
    bar->SetText("a/"); // the same path ignoring case keeps the selection
    EXPECT_EQ(bar->SelectedNode(), a);
    bar->SetText("typed");
    EXPECT_EQ(bar->SelectedNode(), nullptr);
    EXPECT_EQ(bar->Text(), "typed");
}

TEST_F(TreeFixture, EditorEnabledSwitchesReadOnly)
{
    EXPECT_TRUE(bar->ReadOnly());
    bar->SetEditorEnabled(true);
    EXPECT_FALSE(bar->ReadOnly());
    bar->SetEditorEnabled(false);
    EXPECT_TRUE(bar->ReadOnly());
}

TEST_F(TreeFixture, EnterInsertsNoCharacter)
{
    bar->SetEditorEnabled(true);
    bar->show();
    bar->setFocus();
    bar->SetSel(0, -1);
    QTest::keyClicks(bar.get(), "ab");
    QTest::keyClick(bar.get(), Qt::Key_Return);
    EXPECT_EQ(bar->QLineEdit::text(), "ab");
}

TEST(RegisteredMessages, SameNumberForSameName)
{
    EXPECT_EQ(RegisterWindowMessage("ET_SETFOLDERPATH"), TCustomExplorerTreeview::ET_SETFOLDERPATH());
    EXPECT_NE(TCustomExplorerTreeview::ET_SETFOLDERPATH(), TCustomExplorerTreeview::ET_SETEDITRECT());
    EXPECT_LE(TCustomExplorerTreeview::ET_SETEDITRECT(), 0xFFFF);
}

TEST_F(TreeFixture, HistoryListMembership)
{
    auto* a = nodes()->Add("A");
    TKestExplorerTreeview other(nullptr);
    auto* foreign = other.Items()->Add("F");
    bar->AddToDropDownList(a);
    bar->AddToDropDownList(a);
    bar->AddToDropDownList(foreign);
    bar->AddToDropDownList(nullptr);
    EXPECT_EQ(bar->DropDownListCount(), 1);
    EXPECT_EQ(bar->GetDropDownList(0), a);
    EXPECT_EQ(bar->GetDropDownList(1), nullptr);
    bar->RemoveFromDropDownList(5);
    EXPECT_EQ(bar->DropDownListCount(), 1);
    bar->RemoveFromDropDownList(0);
    bar->AddToDropDownList(a); // removed, so it may come back
    EXPECT_EQ(bar->DropDownListCount(), 1);
    bar->ClearDropDownList();
    EXPECT_EQ(bar->DropDownListCount(), 0);
}

TEST_F(TreeFixture, DeletedNodesLeaveTheHistoryList)
{
    bar->SetMode(aeSystem);
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("B");
    a->AddChild("C");
    bar->SetSelectedNode(a); // fills the history with A and its children
    EXPECT_EQ(bar->DropDownListCount(), 3);
    b->Delete();
    EXPECT_EQ(bar->DropDownListCount(), 2);
    nodes()->Clear();
    EXPECT_EQ(bar->DropDownListCount(), 0);
    EXPECT_EQ(bar->SelectedNode(), nullptr);
}

TEST_F(TreeFixture, AutoCompleteEntriesAreTheNodesPaths)
{
    // Every rule of a path at once: virtual parents, a text ending with the
    // separator, the folder prefix; entries made for the whole tree, for an
    // added subtree and anew below a renamed node.
    bar->SetAutoComplete(false);
    bar->SetMode(aeFolder);
    bar->SetLoading(true);
    bar->SetFolderPath("/srv");
    bar->SetLoading(false);
    auto* data = nodes()->Add("Data");
    data->SetVirtualParent(true);
    auto* x = data->AddChild("X");
    auto* y = x->AddChild("Y");
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("B/");
    auto* c = b->AddChild("C");
    auto* v = c->AddChild("V");
    v->SetVirtualParent(true);
    auto* w = v->AddChild("W");
    auto entries = [&] {
        QStringList out;
        for (TKestTreeNode* n : {data, x, y, a, b, c, v, w})
            out << bar->AutoCompleteList().PathOf(n);
        return out.join(u' ');
    };
    bar->SetAutoComplete(true);
    EXPECT_EQ(entries(), "Data /srv/X /srv/X/Y /srv/A/ /srv/A/B/ /srv/A/B/C V /srv/W");
    auto* l = y->AddChild("K")->AddChild("L");
    EXPECT_EQ(bar->AutoCompleteList().PathOf(l), "/srv/X/Y/K/L");
    x->SetText("Z");
    b->SetText("B");
    EXPECT_EQ(entries(), "Data /srv/Z /srv/Z/Y /srv/A/ /srv/A/B /srv/A/B/C V /srv/W");
    EXPECT_EQ(bar->AutoCompleteList().PathOf(l), "/srv/Z/Y/K/L");
    for (TKestTreeNode* n : {data, x, y, a, b, c, v, w, l})
        EXPECT_EQ(bar->AutoCompleteList().PathOf(n), bar->GetNodePath(n)) << n->Text().toStdString();
}

TEST_F(TreeFixture, AutoCompleteListFollowsTheTree)
{
    auto paths = [&] {
        QStringList out;
        bar->AutoCompleteList().ForEach([&](const QString& p, TKestTreeNode*) {
            out << p;
            return true;
        });
        return out.join(u' ');
    };
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("b");
    a->AddChild("C");
    nodes()->Add("x");
    EXPECT_EQ(paths(), "A/ A/b A/C x/");
    b->SetText("B2");
    EXPECT_EQ(paths(), "A/ A/B2 A/C x/");
    b->Delete();
    EXPECT_EQ(paths(), "A/ A/C x/");

    bar->SetAutoComplete(false);
    nodes()->Add("y");
    EXPECT_EQ(paths(), "A/ A/C x/"); // switching off leaves the list as it is
    bar->SetAutoComplete(true);
    EXPECT_EQ(paths(), "A/ A/C x/ y/");

    std::vector<QString> found;
    bar->AutoCompleteList().ForEachStartingWith("a/", [&](const QString& p, TKestTreeNode*) {
        found.push_back(p);
        return true;
    });
    EXPECT_EQ(found, (std::vector<QString>{"A/", "A/C"}));
    nodes()->Clear();
    EXPECT_EQ(bar->AutoCompleteList().Count(), 0);
}

TEST_F(TreeFixture, ImagesRemovalResetsRefreshImageIndex)
{
    auto* images = new TImageList(nullptr);
    bar->SetImages(images);
    bar->SetRefreshImageIndex(2);
    delete images;
    EXPECT_EQ(bar->Images(), nullptr);
    EXPECT_EQ(bar->RefreshImageIndex(), -1);
}

TEST_F(TreeFixture, ChildControlsRefuseOtherOwners)
{
    TImageList notABar(nullptr);
    for (auto make : std::initializer_list<std::function<void()>>{
             [&] { TDropDownButton b(&notABar); },
             [&] { TLeftIcon b(&notABar); },
             [&] { TNodeButton b(&notABar); },
             [&] { TDropDownButton b(nullptr); },
         }) {
        try {
            make();
            ADD_FAILURE() << "no error";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "Invalid parent");
        }
    }
    EXPECT_EQ(notABar.ComponentCount(), 0);
}

TEST_F(TreeFixture, RefreshButtonFollowsItsProperty)
{
    EXPECT_TRUE(bar->RefreshButton());
    ASSERT_NE(Inside(bar).RefreshButtonControl(), nullptr);
    EXPECT_EQ(Inside(bar).RefreshButtonControl()->Glyph()->Width(), 16);
    bar->SetRefreshButton(false);
    EXPECT_EQ(Inside(bar).RefreshButtonControl(), nullptr);
    bar->SetRefreshImageIndex(3);
    bar->SetRefreshButton(true);
    ASSERT_NE(Inside(bar).RefreshButtonControl(), nullptr);
    EXPECT_EQ(Inside(bar).RefreshButtonControl()->ImageIndex(), 3);
}
