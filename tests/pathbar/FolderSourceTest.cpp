#include "FolderFixture.h"

#include "framework/platform/linux/LinuxShellNamespace.h"
#include "support/WithoutFileAccessOverride.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <limits.h>
#include <sys/stat.h>
#include <thread>
#include <time.h>
#include <unistd.h>

namespace {

// This machine's folders, with a hook that runs for every entry a listing
// takes (a listing looks up one icon per entry).
class TWatchedShell : public Platform::TLinuxShellNamespace {
public:
    std::function<void()> OnEntry;

    QString IconKeyOfPath(const QString& path) override
    {
        if (OnEntry)
            OnEntry();
        return TLinuxShellNamespace::IconKeyOfPath(path);
    }
};

// Installs a watched shell for the length of a scope.
class TWatchedShellScope {
public:
    TWatchedShell& operator*() { return FShell; }
    TWatchedShell* operator->() { return &FShell; }

private:
    TWatchedShell FShell;
    Platform::TScopedService<Platform::IShellNamespace> FScope{FShell};
};

}

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
    Make({"locked/inside"});
    const QString locked = root + "/locked";
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::Permissions()));
    OpenFolder();
    TKestTreeNode* node = Child(nodes()->GetFirstNode(), "locked");
    ASSERT_NE(node, nullptr);
    {
        // Permissions stop the superuser too once the overrides are gone.
        TWithoutFileAccessOverride withoutOverride;
        ASSERT_TRUE(withoutOverride.Dropped());
        DIR* probe = opendir(QFile::encodeName(locked).constData());
        const bool readable = probe != nullptr;
        if (probe)
            closedir(probe);
        ASSERT_FALSE(readable) << "the folder can still be listed";
        EXPECT_NO_THROW(bar->SetSelectedNode(node));
    }
    EXPECT_FALSE(node->HasChildren());
    EXPECT_EQ(bar->SelectedNode(), node);
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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
    QTimer::singleShot(0, bar.get(), [&] { QDir(root + "/c").removeRecursively(); });
    bar->AddSubFolders(root, top);
    EXPECT_EQ(Children(nodes(), top), "a,b");
}

TEST_F(FolderFixture, FolderDeletedDuringTheListingOfALongUnchangedFolderIsLeftOut)
{
    // The folder's stamp can tell a change apart: it is checked again
    // because it moved, not merely because input ran.
    Make({"a", "b", "c"});
    const struct timespec past[2] = {{time(nullptr) - 60, 0}, {time(nullptr) - 60, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(root).constData(), past, 0), 0);
    bar->SetMode(aeFolder);
    bar->SetLoading(true);
    bar->SetFolderPath(root);
    bar->SetLoading(false);
    bar->LoadDirectoryStructure(bnFolder, root, true);
    TKestTreeNode* top = nodes()->GetFirstNode();
    top->DeleteChildren();
    QTimer::singleShot(0, [&] { QDir(root + "/c").removeRecursively(); });
    bar->AddSubFolders(root, top);
    EXPECT_EQ(Children(nodes(), top), "a,b");
}

TEST_F(FolderFixture, AWalkListsOnlyTheFoldersOnItsPath)
{
    // "aside" sorts first at every level; the walk must not list it.
    Make({"aside/inner", "one/aside/inner", "one/two/three"});
    OpenFolder();
    QStringList listed;
    bar->OnPopulateChildNode = [&](QObject*, TKestTreeNode*, const QString& path, bool&) {
        listed << path.mid(root.size());
    };
    int selections = 0;
    bar->OnSelect = [&](QObject*, TKestTreeNode*) { ++selections; };
    bar->show();
    bar->SetSelectedFolder(root + "/one/two/three", true);
    EXPECT_EQ(bar->GetSelectedFolder(), root + "/one/two/three");
    // The empty end folder is listed again when the walk reselects it.
    listed.removeDuplicates();
    EXPECT_EQ(listed, (QStringList{"/one/", "/one/two/", "/one/two/three/"}));
    EXPECT_EQ(selections, 1);
    EXPECT_FALSE(Child(nodes()->GetFirstNode(), "aside")->HasChildren());
}

TEST_F(FolderFixture, ClearingTheTreeDuringAListingStopsIt)
{
    Make({"big/1", "big/2", "big/3"});
    OpenFolder();
    TKestTreeNode* big = Child(nodes()->GetFirstNode(), "big");
    QTimer::singleShot(0, bar.get(), [&] { nodes()->Clear(); });
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
    TWatchedShellScope shell;
    QPointer<TKestExplorerTreeview> alive(bar.get());
    int entriesAfterTheDelete = 0;
    shell->OnEntry = [&] { entriesAfterTheDelete += alive ? 0 : 1; };
    TKestExplorerTreeview* raw = bar.release();
    QTimer::singleShot(0, raw, [raw] { delete raw; });
    raw->SetSelectedNode(big); // must return without touching the freed bar
    EXPECT_TRUE(alive.isNull()) << "the listing let no input run";
    EXPECT_EQ(entriesAfterTheDelete, 0) << "the listing went on";
    bar.reset(alive.data()); // still there after a failure: the fixture frees it
}

TEST_F(FolderFixture, ListingLetsInputRunEveryFewMilliseconds)
{
    // A slow disk: every entry of the listing takes at least 2 ms, so the
    // listing of 200 entries lasts 400 ms or more. Input handled at least
    // once per 40 ms gives ten turns or more, however loaded the machine.
    constexpr int kEntries = 200;
    constexpr std::chrono::milliseconds kPerEntry(2), kLongestWait(40);
    for (int i = 0; i < kEntries; ++i)
        Make({QStringLiteral("big/%1").arg(i)});
    OpenFolder();
    TKestTreeNode* big = Child(nodes()->GetFirstNode(), "big");
    TWatchedShellScope shell;
    shell->OnEntry = [&] { std::this_thread::sleep_for(kPerEntry); };
    int turns = 0;
    QTimer everyTurn;
    everyTurn.setInterval(0);
    QObject::connect(&everyTurn, &QTimer::timeout, [&] { ++turns; });
    everyTurn.start();
    bar->SetSelectedNode(big);
    everyTurn.stop();
    ASSERT_EQ(Children(nodes(), big).split(u',').size(), kEntries);
    EXPECT_GE(turns, kEntries * kPerEntry / kLongestWait);
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

namespace {

// Makes below base a chain of folders named by 200-byte segments until the
// whole path is at least length bytes long; folders are made relative to
// their parent, so the chain may pass the length any one path may have.
// Returns the chain's path.
QString MakeLongChain(const QString& base, int length)
{
    QString path = base;
    int fd = open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY);
    for (int i = 0; fd >= 0 && path.size() < length; ++i) {
        const QByteArray name = QByteArray(199, char('a' + i % 26)) + QByteArray::number(i % 10);
        if (mkdirat(fd, name.constData(), 0700) != 0)
            break;
        const int next = openat(fd, name.constData(), O_RDONLY | O_DIRECTORY);
        close(fd);
        fd = next;
        path += "/" + QString::fromLatin1(name);
    }
    if (fd >= 0)
        close(fd);
    return path;
}

// Removes what MakeLongChain made; QDir cannot reach below the length limit.
void RemoveLongChain(const QString& base)
{
    std::vector<int> fds{open(QFile::encodeName(base).constData(), O_RDONLY | O_DIRECTORY)};
    std::vector<QByteArray> names;
    while (fds.back() >= 0) {
        DIR* dir = fdopendir(dup(fds.back()));
        QByteArray child;
        while (dirent* e = dir ? readdir(dir) : nullptr)
            if (e->d_name[0] != '.')
                child = e->d_name;
        if (dir)
            closedir(dir);
        if (child.isEmpty())
            break;
        names.push_back(child);
        fds.push_back(openat(fds.back(), child.constData(), O_RDONLY | O_DIRECTORY));
    }
    for (size_t i = names.size(); i-- > 0;) {
        close(fds[i + 1]);
        unlinkat(fds[i], names[i].constData(), AT_REMOVEDIR);
    }
    close(fds.front());
}

}

TEST_F(FolderFixture, WalksReachFoldersUpToTheLengthLimit)
{
    // The longest path the system takes is PATH_MAX bytes with its final
    // zero; the chain ends just short of it.
    const QString deep = MakeLongChain(root, PATH_MAX - 210);
    ASSERT_GE(deep.size(), PATH_MAX - 210);
    ASSERT_LT(deep.size(), PATH_MAX);
    OpenFolder();
    bar->show();
    bar->SetSelectedFolder(deep, true);
    EXPECT_EQ(bar->GetSelectedFolder(), deep);

    bar->SetMode(aeSystem);
    bar->LoadDirectoryStructure(bnDesktop, QString(), true);
    bar->SetSelectedFolder(deep, true);
    EXPECT_EQ(bar->GetSelectedFolder(), deep);

    bar->SetMode(aeFolder);
    bar->SetFolderPath(deep);
    EXPECT_EQ(nodes()->GetFirstNode()->Text(), deep.mid(deep.lastIndexOf('/') + 1));
    RemoveLongChain(root);
}

TEST_F(FolderFixture, PathsBeyondTheLengthLimitAreReported)
{
    const QString tooDeep = MakeLongChain(root, PATH_MAX + 100);
    ASSERT_GE(tooDeep.size(), PATH_MAX);
    OpenFolder();
    const struct {
        const char* name;
        std::function<void()> use;
    } rows[] = {
        {"walk in a folder tree", [&] { bar->SetSelectedFolder(tooDeep, true); }},
        {"walk in the computer",
         [&] {
             bar->SetMode(aeSystem);
             bar->LoadDirectoryStructure(bnDesktop, QString(), true);
             bar->SetSelectedFolder(tooDeep, true);
         }},
        {"folder path",
         [&] {
             bar->SetMode(aeFolder);
             bar->SetFolderPath(tooDeep);
         }},
    };
    for (const auto& r : rows) {
        QString error;
        try {
            r.use();
        } catch (const Exception& e) {
            error = e.Message();
        }
        EXPECT_EQ(error, "Invalid Folder Path") << r.name;
    }
    RemoveLongChain(root);
}
