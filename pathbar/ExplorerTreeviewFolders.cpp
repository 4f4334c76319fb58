// The folder source: the desktop, the computer and the folders of this
// machine as the bar's tree, loaded lazily as folders are selected.
//
// Listings run on the window thread and let it handle pending input every
// few milliseconds, so a handler may clear the tree, delete the node being
// filled or even the bar in the middle of a listing. Every listing therefore
// watches its parent node (TListingGuard) and the bar (QPointer) and stops
// as soon as either is gone.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/EventPump.h"
#include "framework/Exception.h"
#include "framework/ImageList.h"
#include "framework/Messages.h"
#include "framework/Rounding.h"
#include "framework/platform/PathSeparator.h"
#include "framework/platform/ScreenDpi.h"
#include "framework/platform/ShellNamespace.h"
#include "styles/ControlDPIScale.h"

namespace {

QString WithSeparator(const QString& path) { return path.endsWith(kPathSeparator) ? path : path + kPathSeparator; }

QString WithoutSeparator(const QString& path)
{
    return path.size() > 1 && path.endsWith(kPathSeparator) ? path.chopped(1) : path;
}

Exception InvalidFolderPath() { return Exception(QStringLiteral("Invalid Folder Path")); }

// The segments of a path; the root of an absolute path is a segment of its
// own, so that a walk finds the root drive first.
QStringList SplitPath(const QString& path)
{
    QStringList segments = path.split(kPathSeparator, Qt::SkipEmptyParts);
    if (path.startsWith(kPathSeparator))
        segments.prepend(QString(kPathSeparator));
    return segments;
}

// Names differ in case on this platform: an exact match wins, one ignoring
// case is the fallback.
template <typename Range, typename TextOf>
auto FindByName(const Range& candidates, const QString& name, TextOf textOf) -> decltype(&*std::begin(candidates))
{
    decltype(&*std::begin(candidates)) fallback = nullptr;
    for (auto& c : candidates) {
        QString text = textOf(c);
        if (text == name)
            return &c;
        if (!fallback && text.compare(name, Qt::CaseInsensitive) == 0)
            fallback = &c;
    }
    return fallback;
}

}

// --- Listing guards --------------------------------------------------------

struct TCustomExplorerTreeview::TListingGuard {
    TListingGuard(TCustomExplorerTreeview* bar, TKestTreeNode* node) : Bar(bar), Node(node)
    {
        bar->FListingGuards.push_back(this);
    }
    ~TListingGuard()
    {
        if (Bar) {
            auto& guards = Bar->FListingGuards;
            guards.erase(std::remove(guards.begin(), guards.end(), this), guards.end());
        }
    }
    bool Alive() const { return Bar && !Aborted; }

    QPointer<TCustomExplorerTreeview> Bar;
    TKestTreeNode* Node;
    bool Aborted = false;
};

void TCustomExplorerTreeview::NodeGoing(TKestTreeNode* Node)
{
    ++FTreeGeneration;
    if (Node == FMyComputerNode)
        FMyComputerNode = nullptr;
    if (Node == FDesktopNode)
        FDesktopNode = nullptr;
    for (TListingGuard* g : FListingGuards)
        if (g->Node == Node)
            g->Aborted = true;
}

// --- Icons -----------------------------------------------------------------

void TCustomExplorerTreeview::EnsureInternalImages()
{
    if (FInternalImages)
        return;
    FInternalImages = new TCustomImageList(nullptr);
    // The small icon at the bar's scale (24 at 1.5), its pictures at the
    // screen's pixel ratio (32 pixels for 16 at 2).
    const int size = Kest::Round(Platform::Shell().SmallIconSize() * GetControlDPIScale(this, nullptr));
    FInternalImages->SetWidth(size);
    FInternalImages->SetHeight(size);
    FInternalImages->SetDevicePixelRatio(Platform::ScreenDpi().DevicePixelRatio(*this));
    // The image area takes the icons' width: a bar already laid out moves its
    // left icon and text over.
    UpdateLayout();
    UpdateEditRect();
}

int TCustomExplorerTreeview::IconIndex(const QString& key)
{
    if (key.isEmpty() || !FInternalImages)
        return -1;
    if (auto it = FIconIndexes.constFind(key); it != FIconIndexes.constEnd())
        return *it;
    const int pixels = FInternalImages->PixelSize().width();
    QImage image = Platform::Shell().IconImage(key, pixels);
    // Only pictures of the list's own width are taken.
    int index = image.isNull() || image.width() != pixels ? -1 : FInternalImages->Add(image);
    FIconIndexes.insert(key, index);
    return index;
}

// --- Loading ---------------------------------------------------------------

QString TCustomExplorerTreeview::FolderOfNode(TKestTreeNode* Node) const
{
    // The folder tree's root is a path root whose path is FolderPath itself.
    if (FMode == aeFolder && Node && Node == FTreeNodes->GetFirstNode())
        return FFolderPath;
    return GetNodePath(Node);
}

void TCustomExplorerTreeview::LoadDirectoryStructure(TBaseNode BaseNode, const QString& path, bool ClearOldNodes)
{
    if (ClearOldNodes)
        Clear();
    EnsureInternalImages();
    if (BaseNode == bnDesktop)
        LoadDesktop();
    else
        LoadFolder(path);
}

void TCustomExplorerTreeview::LoadDesktop()
{
    Platform::IShellNamespace& shell = Platform::Shell();
    Platform::TShellItem desktopItem = shell.DesktopItem();
    TKestTreeNode* desktop = FTreeNodes->AddFirst(desktopItem.displayName);
    desktop->SetShowText(false);
    desktop->SetVirtualParent(true);
    desktop->SetImageIndex(IconIndex(desktopItem.iconKey));
    FDesktopNode = desktop;
    AddComputerNode(desktop);
    SetSelectedNode(FMyComputerNode);
}

void TCustomExplorerTreeview::AddComputerNode(TKestTreeNode* Desktop)
{
    Platform::TShellItem computerItem = Platform::Shell().ComputerItem();
    FMyComputerNode = Desktop->AddChild(computerItem.displayName);
    FMyComputerNode->SetVirtualParent(true);
    FMyComputerNode->SetImageIndex(IconIndex(computerItem.iconKey));
    AddComputerItems();
}

void TCustomExplorerTreeview::AddComputerItems()
{
    for (const Platform::TShellItem& item : Platform::Shell().ComputerItems()) {
        if (!item.isFolder)
            continue;
        QString name = item.parsingName.endsWith(kPathSeparator) ? item.parsingName : item.displayName;
        if (name.trimmed().isEmpty())
            continue;
        FMyComputerNode->AddChild(name)->SetImageIndex(IconIndex(item.iconKey));
    }
}

void TCustomExplorerTreeview::LoadFolder(const QString& path)
{
    Platform::IShellNamespace& shell = Platform::Shell();
    if (!shell.DirectoryExists(path)) {
        if (IsLoading())
            return;
        throw InvalidFolderPath();
    }
    const QString folder = WithoutSeparator(path);
    QPointer<TCustomExplorerTreeview> self(this);
    TKestTreeNode* root = IsDriveRoot(folder) ? AddDriveRoot(folder) : AddFolderRoot(folder);
    if (!self)
        return;
    if (!root)
        return; // a hidden folder while hidden folders are not shown: nothing to show
    root->SetVirtualParent(true);
    root->SetShowText(false);
    AddSubFolders(WithSeparator(folder), root);
    SetSelectedNode(FTreeNodes->GetFirstNode());
}

bool TCustomExplorerTreeview::IsDriveRoot(const QString& folder) const
{
    if (folder == QString(kPathSeparator))
        return true;
    for (const Platform::TShellItem& item : Platform::Shell().ComputerItems())
        if (item.isDrive && item.parsingName == WithSeparator(folder))
            return true;
    return false;
}

TKestTreeNode* TCustomExplorerTreeview::AddDriveRoot(const QString& folder)
{
    for (const Platform::TShellItem& item : Platform::Shell().ComputerItems()) {
        if (item.isFolder && item.parsingName == WithSeparator(folder)) {
            TKestTreeNode* node = FTreeNodes->Add(item.parsingName);
            node->SetImageIndex(IconIndex(item.iconKey));
            return node;
        }
    }
    return nullptr;
}

TKestTreeNode* TCustomExplorerTreeview::AddFolderRoot(const QString& folder)
{
    Platform::IShellNamespace& shell = Platform::Shell();
    QString name = folder.mid(folder.lastIndexOf(kPathSeparator) + 1);
    if (name.isEmpty())
        return nullptr;
    QString parent = folder.left(folder.size() - name.size());
    auto entries = shell.ListDirectory(parent, true);
    if (!entries) {
        parent = WithSeparator(folder);
        entries = shell.ListDirectory(parent, true);
    }
    if (!entries)
        return nullptr;
    // A large parent is searched while input is handled, as every listing is.
    QPointer<TCustomExplorerTreeview> self(this);
    TEventPump pump;
    std::vector<const Platform::TDirEntry*> visible;
    for (const Platform::TDirEntry& e : *entries) {
        if (pump.Pump() && !self)
            return nullptr;
        if (e.isDirectory && (!e.isHidden || FShowHiddenFolders) && !e.name.isEmpty())
            visible.push_back(&e);
    }
    const Platform::TDirEntry* const* found = FindByName(visible, name, [](const Platform::TDirEntry* e) { return e->name; });
    if (!found)
        return nullptr;
    const Platform::TDirEntry* match = *found;
    // The folder's own spelling on disk, whatever the case of the path typed.
    TKestTreeNode* node = FTreeNodes->Add(match->name);
    node->SetImageIndex(IconIndex(shell.IconKeyOfPath(parent + match->name)));
    return node;
}

void TCustomExplorerTreeview::AddSubFolders(const QString& path, TKestTreeNode* ParentNode)
{
    if (path.isEmpty())
        return;
    const QString folder = WithSeparator(path);
    bool populateAllowed = true;
    QPointer<TCustomExplorerTreeview> self(this);
    if (OnPopulateChildNode)
        OnPopulateChildNode(this, ParentNode, folder, populateAllowed);
    if (!self || !populateAllowed)
        return;
    Platform::IShellNamespace& shell = Platform::Shell();
    TListingGuard guard(this, ParentNode);
    TEventPump pump;
    bool eventsRan = false;
    // Input handled meanwhile can change the folder only through program
    // code; whether it did shows in the folder's stamp, so entries are
    // checked again on disk only once the stamp has moved (or cannot tell).
    const QString stamp = shell.DirectoryStamp(folder);
    bool recheck = false;
    const auto keepResponsive = [&] {
        if (pump.Pump()) {
            eventsRan = true;
            recheck = recheck || !guard.Alive() || stamp.isEmpty() || shell.DirectoryStamp(folder) != stamp;
        }
    };
    auto entries = shell.ListDirectory(folder, true, keepResponsive);
    if (!guard.Alive() || !entries)
        return;
    EnsureInternalImages();
    for (const Platform::TDirEntry& e : *entries) {
        keepResponsive();
        if (eventsRan && !guard.Alive())
            return;
        if (e.isHidden && !FShowHiddenFolders)
            continue;
        if (recheck && !shell.EntryExists(folder, e.name))
            continue;
        TKestTreeNode* node = ParentNode ? ParentNode->AddChild(e.name) : FTreeNodes->Add(e.name);
        node->SetImageIndex(IconIndex(shell.IconKeyOfPath(folder + e.name)));
    }
}

void TCustomExplorerTreeview::RefreshSubFolders(TKestTreeNode* ParentNode)
{
    if (!IsOwnNode(ParentNode) || !IsFolderMode())
        return;
    // The desktop and the computer have no folder of their own: they are
    // remembered by what they are, the others by their folder.
    enum { kFolder, kDesktop, kComputer } selectedKind = kFolder;
    if (FSelectedNode && FSelectedNode == FDesktopNode)
        selectedKind = kDesktop;
    else if (FSelectedNode && FSelectedNode == FMyComputerNode)
        selectedKind = kComputer;
    QString selected = selectedKind == kFolder ? FolderOfNode(FSelectedNode) : QString();
    SetSelectedNode(nullptr);
    ParentNode->DeleteChildren();
    QPointer<TCustomExplorerTreeview> self(this);
    if (ParentNode == FDesktopNode)
        AddComputerNode(ParentNode);
    else if (ParentNode == FMyComputerNode)
        AddComputerItems();
    else
        AddSubFolders(FolderOfNode(ParentNode), ParentNode);
    if (!self)
        return;
    if (selectedKind == kDesktop)
        SetSelectedNode(FDesktopNode);
    else if (selectedKind == kComputer)
        SetSelectedNode(FMyComputerNode);
    else
        SetSelectedFolder(selected, true);
}

bool TCustomExplorerTreeview::IsGoneFolder(TKestTreeNode* Node) const
{
    if (!Node || !IsFolderMode() || Node == FDesktopNode || Node == FMyComputerNode)
        return false;
    return !Platform::Shell().DirectoryExists(FolderOfNode(Node));
}

void TCustomExplorerTreeview::ChooseNode(TKestTreeNode* Node)
{
    if (IsGoneFolder(Node)) {
        // Deleted since it was listed: its parent is listed again and the
        // bar stays on a folder that exists.
        if (TKestTreeNode* parent = Node->Parent())
            RefreshSubFolders(parent);
        throw Exception(QStringLiteral("Invalid Folder Path"));
    }
    SetSelectedNode(Node);
}

QString TCustomExplorerTreeview::GetSelectedFolder() const
{
    if (IsFolderMode() && FSelectedNode)
        return FolderOfNode(FSelectedNode);
    return QString();
}

// --- Walking to a folder ---------------------------------------------------

void TCustomExplorerTreeview::SetSelectedFolder(const QString& Path, bool Immediately)
{
    Platform::IShellNamespace& shell = Platform::Shell();
    if (Path.isEmpty() || FMode == aeCustom ||
        (FMode == aeFolder && (FFolderPath.isEmpty() || !shell.DirectoryExists(FFolderPath))))
        return;
    if (!Immediately) {
        FNewSelectedFolderPath = Path;
        PostMessage(this, ET_SETFOLDERPATH());
        return;
    }
    // A path no folder can have is a mistake to report, not a folder that
    // merely is not there (yet).
    if (shell.PathTooLong(Path))
        throw InvalidFolderPath();
    if (!shell.DirectoryExists(Path))
        return;
    QPointer<TCustomExplorerTreeview> self(this);
    BeginUpdate();
    QStringList segments = SplitPath(Path);
    if (!segments.isEmpty() && FTreeNodes->GetFirstNode()) {
        if (FMode == aeFolder)
            WalkFolderTree(Path, segments);
        else if (FMyComputerNode)
            WalkComputer(segments);
    }
    if (self)
        EndUpdate();
}

TKestTreeNode* TCustomExplorerTreeview::FindInLevel(TKestTreeNode* First, const QString& Segment) const
{
    // The level is searched as it stands: its first node is not selected,
    // which would list that folder too, off the path.
    std::vector<TKestTreeNode*> level;
    for (TKestTreeNode* n = First; n; n = n->GetNextSibling())
        level.push_back(n);
    TKestTreeNode* const* found =
        FindByName(level, Segment, [](TKestTreeNode* n) { return WithoutSeparator(n->Text()); });
    return found ? *found : nullptr;
}

bool TCustomExplorerTreeview::SelectOnWalk(TKestTreeNode* Node)
{
    // Selecting lists the node's folder when needed; input handled during
    // that listing may free the bar or change the tree.
    quint64 generation = FTreeGeneration;
    QPointer<TCustomExplorerTreeview> self(this);
    SetSelectedNode(Node);
    return self && generation == FTreeGeneration;
}

void TCustomExplorerTreeview::WalkFolderTree(const QString& Path, const QStringList& Segments)
{
    if (WithoutSeparator(Path) == WithoutSeparator(FFolderPath)) {
        SetSelectedNode(FTreeNodes->GetFirstNode());
        return;
    }
    TKestTreeNode* root = FTreeNodes->GetFirstNode();
    const QString rootName = WithoutSeparator(root->Text());
    qsizetype start = -1;
    for (qsizetype i = 0; i < Segments.size() && start < 0; ++i)
        if (Segments[i] == rootName)
            start = i;
    for (qsizetype i = 0; i < Segments.size() && start < 0; ++i)
        if (Segments[i].compare(rootName, Qt::CaseInsensitive) == 0)
            start = i;
    if (start < 0)
        return;
    TKestTreeNode* level = root->GetFirstChild();
    for (qsizetype i = start + 1; i < Segments.size() && level; ++i) {
        TKestTreeNode* found = FindInLevel(level, Segments[i]);
        if (!found || !SelectOnWalk(found))
            return;
        level = found->GetFirstChild();
    }
}

void TCustomExplorerTreeview::WalkComputer(const QStringList& Segments)
{
    QPointer<TCustomExplorerTreeview> self(this);
    TKestTreeNode* level = FMyComputerNode->GetFirstChild();
    TKestTreeNode* lastMatch = nullptr;
    bool refreshed = false;
    qsizetype i = 0;
    while (level && i < Segments.size()) {
        TKestTreeNode* found = FindInLevel(level, Segments[i]);
        if (found) {
            if (!SelectOnWalk(found) || i == Segments.size() - 1)
                return;
            lastMatch = found;
            refreshed = false;
            ++i;
            level = found->GetFirstChild();
        } else if (lastMatch && !refreshed) {
            // The folder may have been created after its parent was listed.
            RefreshSubFolders(lastMatch);
            if (!self)
                return;
            refreshed = true;
            level = lastMatch->GetFirstChild();
        } else {
            return;
        }
    }
}
