// Choosing and walking to folders of a real tree: folders that went away,
// names that are not text, the desktop and computer nodes, the update
// counter around walks, and input during the root folder's lookup.

#include "FolderFixture.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"

#include "framework/Application.h"
#include "framework/Exception.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <sys/stat.h>

using FolderChoiceFixture = FolderFixture;

TEST_F(FolderChoiceFixture, ChoosingAFolderDeletedSinceItWasListed)
{
    Make({"a", "b"});
    OpenFolder();
    TKestTreeNode* top = nodes()->GetFirstNode();
    TKestTreeNode* b = Child(top, "b");
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(QDir(root + "/b").removeRecursively());
    try {
        bar->ChooseNode(b);
        ADD_FAILURE() << "no error for a folder that is gone";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Invalid Folder Path");
    }
    EXPECT_EQ(bar->SelectedNode(), nodes()->GetFirstNode()) << "the bar stays on a folder that exists";
    EXPECT_EQ(Children(nodes(), nodes()->GetFirstNode()), "a") << "the parent was listed again";
}

TEST_F(FolderChoiceFixture, NamesThatAreNotTextAreListedAndOpen)
{
    // Two names that differ only in a byte that is not UTF-8, each with a
    // subfolder.
    const QByteArray base = QFile::encodeName(root) + "/";
    for (const QByteArray& name : {QByteArray("x\xfe"), QByteArray("x\xff")}) {
        ASSERT_EQ(mkdir((base + name).constData(), 0755), 0);
        ASSERT_EQ(mkdir((base + name + "/inner").constData(), 0755), 0);
    }
    OpenFolder();
    TKestTreeNode* top = nodes()->GetFirstNode();
    ASSERT_EQ(Children(nodes(), top).count(u','), 1) << Children(nodes(), top).toStdString();
    for (TKestTreeNode* n = top->GetFirstChild(); n; n = n->GetNextSibling()) {
        bar->SetSelectedNode(n);
        EXPECT_EQ(Children(nodes(), n), "inner") << "listed through its own bytes";
    }
    EXPECT_NE(top->GetFirstChild()->Text(), top->GetLastChild()->Text());
}

TEST_F(FolderChoiceFixture, RefreshingTheDesktopAndTheComputer)
{
    bar->SetMode(aeSystem);
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    TKestTreeNode* desktop = nodes()->GetFirstNode();
    TKestTreeNode* computer = desktop->GetFirstChild();
    const QString items = Children(nodes(), computer);
    ASSERT_FALSE(items.isEmpty());
    ASSERT_EQ(bar->SelectedNode(), computer);

    bar->RefreshSubFolders(computer);
    EXPECT_EQ(Children(nodes(), computer), items) << "the computer lists its drives again";
    EXPECT_EQ(bar->SelectedNode(), computer);

    bar->RefreshSubFolders(desktop);
    ASSERT_EQ(desktop->GetFirstChild(), desktop->GetLastChild());
    TKestTreeNode* again = desktop->GetFirstChild();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Text(), "Computer");
    EXPECT_EQ(Children(nodes(), again), items);
    EXPECT_EQ(bar->SelectedNode(), again);
    EXPECT_EQ(Invariants(nodes()), QString());
}

TEST_F(FolderChoiceFixture, WalkingBeforeTheWindowIsShownSelectsOnce)
{
    Make({"one/two/three"});
    OpenFolder();
    int selections = 0;
    bar->OnSelect = [&](QObject*, TKestTreeNode*) { ++selections; };
    bar->SetSelectedFolder(root + "/one/two/three", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/one/two/three");
    EXPECT_EQ(selections, 1);
}

TEST_F(FolderChoiceFixture, HidingTheWindowDuringAWalkLeavesNoUpdatePending)
{
    Make({"one/two/three", "other"});
    bar->show();
    OpenFolder();
    int selections = 0;
    bar->OnSelect = [&](QObject*, TKestTreeNode*) { ++selections; };
    bar->OnPopulateChildNode = [&](QObject*, TKestTreeNode*, const QString&, bool&) { bar->hide(); };
    bar->SetSelectedFolder(root + "/one/two/three", true);
    EXPECT_EQ(selections, 1);
    bar->OnPopulateChildNode = nullptr;

    bar->show();
    bar->SetSelectedNode(Child(nodes()->GetFirstNode(), "other"));
    EXPECT_EQ(selections, 2) << "selections are reported again";
    EXPECT_FALSE(Inside(bar).NodeButtons().empty());
}

TEST_F(FolderChoiceFixture, FindingTheRootFolderHandlesInput)
{
    // The root has no subfolders of its own, so only the lookup of the root
    // among its parent's folders can let the timer run.
    for (int i = 0; i < 50; ++i)
        Make({QStringLiteral("../sibling%1").arg(i)});
    int treeSizeWhenInputRan = -1;
    QTimer::singleShot(0, bar.get(), [&] { treeSizeWhenInputRan = nodes()->Count(); });
    OpenFolder();
    EXPECT_EQ(treeSizeWhenInputRan, 0) << "input ran while the root was looked up";
    ASSERT_EQ(nodes()->Count(), 1);
    EXPECT_EQ(nodes()->GetFirstNode()->Text(), "Data");
}
