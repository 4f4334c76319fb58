#include "FolderFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <unistd.h>

TEST_F(FolderFixture, FolderModeListsSubfoldersInNaturalOrder)
{
    Make({"b", "A", "file10", "file2", ".hidden", "A/inner"});
    QFile plain(root + "/notes.txt");
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    OpenFolder();

    ASSERT_EQ(nodes()->Count(), 1);
    TKestTreeNode* top = nodes()->GetFirstNode();
    EXPECT_EQ(top->Text(), "Data");
    EXPECT_TRUE(top->VirtualParent());
    EXPECT_FALSE(top->ShowText());
    EXPECT_EQ(Children(nodes(), top), "A,b,file2,file10"); // no files, no hidden folders
    EXPECT_EQ(bar->SelectedNode(), top);
    EXPECT_EQ(bar->Text(), ""); // the top folder shows no text
    EXPECT_GE(top->ImageIndex(), 0);
    EXPECT_EQ(top->GetFirstChild()->ImageIndex(), top->GetFirstChild()->GetNextSibling()->ImageIndex());

    bar->SetSelectedNode(Child(top, "A"));
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/A");
    EXPECT_EQ(Children(nodes(), Child(top, "A")), "inner");
    bar->SetSelectedNode(top);
    EXPECT_EQ(bar->GetSelectedFolder(), root);
}

TEST_F(FolderFixture, HiddenFoldersOnlyWhenAsked)
{
    Make({".hidden", "shown"});
    bar->SetShowHiddenFolders(true);
    OpenFolder();
    EXPECT_EQ(Children(nodes(), nodes()->GetFirstNode()), ".hidden,shown");

    // A hidden folder as the root, while hidden folders are not shown: empty.
    bar->SetShowHiddenFolders(false);
    bar->SetFolderPath(root + "/.hidden");
    EXPECT_EQ(nodes()->Count(), 0);
}

TEST_F(FolderFixture, MissingFolderIsReported)
{
    bar->SetMode(aeFolder);
    try {
        bar->SetFolderPath(root + "/nothing here");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid Folder Path");
    }
}

TEST_F(FolderFixture, BothCaseSiblingsAreReachable)
{
    Make({"Data/x", "data/y"});
    OpenFolder();
    bar->show(); // the walk's update counter needs a visible bar
    bar->SetSelectedFolder(root + "/data/y", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/data/y");
    bar->SetSelectedFolder(root + "/Data/x", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/Data/x");
}

TEST_F(FolderFixture, PopulateEventCanRefuse)
{
    Make({"a/b"});
    int asked = 0;
    bar->OnPopulateChildNode = [&](QObject*, TKestTreeNode* parent, const QString& path, bool& allowed) {
        if (parent && parent->Text() == "a") {
            ++asked;
            EXPECT_EQ(path, root + "/a/");
            allowed = false;
        }
    };
    OpenFolder();
    TKestTreeNode* a = Child(nodes()->GetFirstNode(), "a");
    bar->SetSelectedNode(a);
    EXPECT_FALSE(a->HasChildren());
    bar->SetSelectedNode(nodes()->GetFirstNode());
    bar->SetSelectedNode(a);
    EXPECT_EQ(asked, 2);
}

TEST_F(FolderFixture, SystemWalkSelectsOnceAndFindsANewFolderAfterOneRefresh)
{
    Make({"one/two"});
    bar->show();
    bar->SetMode(aeSystem);
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    int selections = 0;
    bar->OnSelect = [&](QObject*, TKestTreeNode*) { ++selections; };

    bar->SetSelectedFolder(root + "/one/two", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/one/two");
    EXPECT_EQ(selections, 1);

    // Created after its parent was listed: found after one refresh.
    Make({"one/three"});
    bar->SetSelectedFolder(root + "/one/three", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/one/three");
}

TEST_F(FolderFixture, DeferredPathReplacesTheTreeEvenInSystemMode)
{
    Make({"sub"});
    bar->SetMode(aeSystem);
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    bar->SetSelectedFolder(root, false);
    EXPECT_NE(nodes()->GetFirstNode()->Text(), "Data"); // queued, not yet done
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->FolderPath(), root);
    ASSERT_EQ(nodes()->Count(), 1);
    EXPECT_EQ(nodes()->GetFirstNode()->Text(), "Data");
    EXPECT_EQ(Children(nodes(), nodes()->GetFirstNode()), "sub");
}

TEST_F(FolderFixture, LinkLoopsAndLinksToFolders)
{
    Make({"real"});
    ASSERT_EQ(symlink("loop", QFile::encodeName(root + "/loop").constData()), 0);
    ASSERT_EQ(symlink("real", QFile::encodeName(root + "/alias").constData()), 0);
    ASSERT_EQ(symlink("missing", QFile::encodeName(root + "/dangling").constData()), 0);
    OpenFolder();
    EXPECT_EQ(Children(nodes(), nodes()->GetFirstNode()), "alias,real");
}

TEST_F(FolderFixture, UnreadableFolderIsSkippedSilently)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    Make({"locked/inside"});
    QFile::setPermissions(root + "/locked", QFileDevice::Permissions());
    OpenFolder();
    TKestTreeNode* locked = Child(nodes()->GetFirstNode(), "locked");
    ASSERT_NE(locked, nullptr);
    EXPECT_NO_THROW(bar->SetSelectedNode(locked));
    EXPECT_FALSE(locked->HasChildren());
    QFile::setPermissions(root + "/locked", QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(FolderFixture, FolderDeletedDuringTheListingIsLeftOut)
{
    Make({"a", "b", "c"});
    bar->SetMode(aeFolder);
    bar->SetLoading(true);
    bar->SetFolderPath(root);
    bar->SetLoading(false);
    bar->LoadDirectoryStructure(bnFolder, root, true); // lists the top only
    TKestTreeNode* top = nodes()->GetFirstNode();
    top->DeleteChildren();
    // Runs as soon as the listing lets the window thread handle input.
    QTimer::singleShot(0, [&] { QDir(root + "/c").removeRecursively(); });
    bar->AddSubFolders(root, top);
    EXPECT_EQ(Children(nodes(), top), "a,b");
}

TEST_F(FolderFixture, ClearingTheTreeDuringAListingStopsIt)
{
    Make({"big/1", "big/2", "big/3"});
    OpenFolder();
    TKestTreeNode* big = Child(nodes()->GetFirstNode(), "big");
    QTimer::singleShot(0, [&] { nodes()->Clear(); });
    bar->SetSelectedNode(big); // lists big; input clears the tree meanwhile
    EXPECT_EQ(nodes()->Count(), 0);
    EXPECT_EQ(bar->SelectedNode(), nullptr);
    EXPECT_EQ(Invariants(nodes()), QString());
}

TEST_F(FolderFixture, DeletingTheBarDuringAListingStopsIt)
{
    Make({"big/1", "big/2"});
    OpenFolder();
    TKestTreeNode* big = Child(nodes()->GetFirstNode(), "big");
    TKestExplorerTreeview* raw = bar.release();
    QTimer::singleShot(0, [raw] { delete raw; });
    raw->SetSelectedNode(big); // must return without touching the freed bar
    SUCCEED();
}

TEST_F(FolderFixture, SystemModeOnThisMachine)
{
    bar->SetMode(aeSystem);
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    TKestTreeNode* desktop = nodes()->GetFirstNode();
    ASSERT_NE(desktop, nullptr);
    EXPECT_FALSE(desktop->ShowText());
    EXPECT_TRUE(desktop->VirtualParent());
    TKestTreeNode* computer = desktop->GetFirstChild();
    ASSERT_NE(computer, nullptr);
    EXPECT_EQ(computer->Text(), "Computer");
    EXPECT_EQ(bar->SelectedNode(), computer);
    EXPECT_EQ(computer->GetFirstChild()->Text(), "/");
    if (QDir::homePath() != "/") { // the home folder follows the root, unless it is the root
        EXPECT_EQ(computer->GetFirstChild()->GetNextSibling()->Text(), QDir::homePath() + "/");
    }
    EXPECT_EQ(bar->GetNodePath(computer->GetFirstChild()), "/");
    // The computer's drives are in the history list with it.
    EXPECT_EQ(bar->GetDropDownList(0), computer);
    int drives = 0;
    for (auto* n = computer->GetFirstChild(); n; n = n->GetNextSibling())
        ++drives;
    EXPECT_EQ(bar->DropDownListCount(), 1 + drives);
}
