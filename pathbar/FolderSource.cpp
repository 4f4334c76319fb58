// The folder source: the desktop, the computer and the folders of this
// machine as the bar's tree, loaded lazily as folders are selected.
//
// Listings run on the window thread and let it handle pending input every
// few milliseconds, so a handler may clear the tree, delete the node being
// filled or even the bar in the middle of a listing. Every listing therefore
// watches its parent node (TListingGuard) and the bar (QPointer) and stops
// as soon as either is gone.

#include "pathbar/FolderSource_p.h"

#include "pathbar/CustomExplorerTreeview_p.h"

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

struct TFolderSource::TListingGuard {
    // The source lives as long as the bar: while Bar is there, so is Source.
    TListingGuard(TFolderSource& source, TKestTreeNode* node) : Bar(&source.FOwner.Bar()), Source(&source), Node(node)
    {
        source.FListingGuards.push_back(this);
    }
    ~TListingGuard()
    {
        if (Bar) {
            auto& guards = Source->FListingGuards;
            guards.erase(std::remove(guards.begin(), guards.end(), this), guards.end());
        }
    }
    bool Alive() const { return Bar && !Aborted; }

    QPointer<TCustomExplorerTreeview> Bar;
    TFolderSource* Source;
    TKestTreeNode* Node;
    bool Aborted = false;
};

TFolderSource::TFolderSource(TCustomExplorerTreeviewPrivate& owner) : FOwner(owner) {}

TFolderSource::~TFolderSource() = default;

void TFolderSource::NodeGoing(TKestTreeNode* node)
{
    ++FTreeGeneration;
    if (node == FMyComputerNode)
        FMyComputerNode = nullptr;
    if (node == FDesktopNode)
        FDesktopNode = nullptr;
    for (TListingGuard* g : FListingGuards)
        if (g->Node == node)
            g->Aborted = true;
}

// --- Icons -----------------------------------------------------------------

void TFolderSource::EnsureInternalImages()
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (FInternalImages)
        return;
    FInternalImages = std::make_unique<TCustomImageList>(nullptr);
    // The small icon at the bar's scale (24 at 1.5), its pictures at the
    // screen's pixel ratio (32 pixels for 16 at 2).
    const int size = Kest::Round(Platform::Shell().SmallIconSize() * GetControlDPIScale(&bar, nullptr));
    FInternalImages->SetWidth(size);
    FInternalImages->SetHeight(size);
    FInternalImages->SetDevicePixelRatio(Platform::ScreenDpi().DevicePixelRatio(bar));
    // The image area takes the icons' width: a bar already laid out moves its
    // left icon and text over.
    FOwner.ImagesResized();
}

int TFolderSource::IconIndex(const QString& key)
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

QString TFolderSource::FolderOfNode(TKestTreeNode* node) const
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    // The folder tree's root is a path root whose path is FolderPath itself.
    if (bar.Mode() == aeFolder && node && node == bar.Items()->GetFirstNode())
        return bar.FolderPath();
    return bar.GetNodePath(node);
}

void TFolderSource::LoadDirectoryStructure(TBaseNode baseNode, const QString& path, bool clearOldNodes)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (clearOldNodes)
        bar.Clear();
    EnsureInternalImages();
    if (baseNode == bnDesktop)
        LoadDesktop();
    else
        LoadFolder(path);
}

void TFolderSource::LoadDesktop()
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    Platform::IShellNamespace& shell = Platform::Shell();
    Platform::TShellItem desktopItem = shell.DesktopItem();
    TKestTreeNode* desktop = bar.Items()->AddFirst(desktopItem.displayName);
    desktop->SetShowText(false);
    desktop->SetVirtualParent(true);
    desktop->SetImageIndex(IconIndex(desktopItem.iconKey));
    FDesktopNode = desktop;
    AddComputerNode(desktop);
    bar.SetSelectedNode(FMyComputerNode);
}

void TFolderSource::AddComputerNode(TKestTreeNode* desktop)
{
    Platform::TShellItem computerItem = Platform::Shell().ComputerItem();
    FMyComputerNode = desktop->AddChild(computerItem.displayName);
    FMyComputerNode->SetVirtualParent(true);
    FMyComputerNode->SetImageIndex(IconIndex(computerItem.iconKey));
    AddComputerItems();
}

void TFolderSource::AddComputerItems()
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

void TFolderSource::LoadFolder(const QString& path)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    Platform::IShellNamespace& shell = Platform::Shell();
    if (!shell.DirectoryExists(path)) {
        if (bar.IsLoading())
            return;
        throw InvalidFolderPath();
    }
    const QString folder = WithoutSeparator(path);
    QPointer<TCustomExplorerTreeview> self(&bar);
    TKestTreeNode* root = IsDriveRoot(folder) ? AddDriveRoot(folder) : AddFolderRoot(folder);
    if (!self)
        return;
    if (!root)
        return; // a hidden folder while hidden folders are not shown: nothing to show
    root->SetVirtualParent(true);
    root->SetShowText(false);
    AddSubFolders(WithSeparator(folder), root);
    bar.SetSelectedNode(bar.Items()->GetFirstNode());
}

bool TFolderSource::IsDriveRoot(const QString& folder) const
{
    if (folder == QString(kPathSeparator))
        return true;
    for (const Platform::TShellItem& item : Platform::Shell().ComputerItems())
        if (item.isDrive && item.parsingName == WithSeparator(folder))
            return true;
    return false;
}

TKestTreeNode* TFolderSource::AddDriveRoot(const QString& folder)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    for (const Platform::TShellItem& item : Platform::Shell().ComputerItems()) {
        if (item.isFolder && item.parsingName == WithSeparator(folder)) {
            TKestTreeNode* node = bar.Items()->Add(item.parsingName);
            node->SetImageIndex(IconIndex(item.iconKey));
            return node;
        }
    }
    return nullptr;
}

TKestTreeNode* TFolderSource::AddFolderRoot(const QString& folder)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
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
    QPointer<TCustomExplorerTreeview> self(&bar);
    TEventPump pump;
    std::vector<const Platform::TDirEntry*> visible;
    for (const Platform::TDirEntry& e : *entries) {
        if (pump.Pump() && !self)
            return nullptr;
        if (e.isDirectory && (!e.isHidden || bar.ShowHiddenFolders()) && !e.name.isEmpty())
            visible.push_back(&e);
    }
    const Platform::TDirEntry* const* found = FindByName(visible, name, [](const Platform::TDirEntry* e) { return e->name; });
    if (!found)
        return nullptr;
    const Platform::TDirEntry* match = *found;
    // The folder's own spelling on disk, whatever the case of the path typed.
    TKestTreeNode* node = bar.Items()->Add(match->name);
    node->SetImageIndex(IconIndex(shell.IconKeyOfPath(parent + match->name)));
    return node;
}

void TFolderSource::AddSubFolders(const QString& path, TKestTreeNode* parentNode)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (path.isEmpty())
        return;
    const QString folder = WithSeparator(path);
    bool populateAllowed = true;
    QPointer<TCustomExplorerTreeview> self(&bar);
    if (bar.OnPopulateChildNode)
        bar.OnPopulateChildNode(&bar, parentNode, folder, populateAllowed);
    if (!self || !populateAllowed)
        return;
    Platform::IShellNamespace& shell = Platform::Shell();
    TListingGuard guard(*this, parentNode);
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
        if (e.isHidden && !bar.ShowHiddenFolders())
            continue;
        if (recheck && !shell.EntryExists(folder, e.name))
            continue;
        TKestTreeNode* node = parentNode ? parentNode->AddChild(e.name) : bar.Items()->Add(e.name);
        node->SetImageIndex(IconIndex(shell.IconKeyOfPath(folder + e.name)));
    }
}

void TFolderSource::RefreshSubFolders(TKestTreeNode* parentNode)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (!FOwner.IsOwnNode(parentNode) || !FOwner.IsFolderMode())
        return;
    // The desktop and the computer have no folder of their own: they are
    // remembered by what they are, the others by their folder.
    enum { kFolder, kDesktop, kComputer } selectedKind = kFolder;
    if (bar.SelectedNode() && bar.SelectedNode() == FDesktopNode)
        selectedKind = kDesktop;
    else if (bar.SelectedNode() && bar.SelectedNode() == FMyComputerNode)
        selectedKind = kComputer;
    QString selected = selectedKind == kFolder ? FolderOfNode(bar.SelectedNode()) : QString();
    bar.SetSelectedNode(nullptr);
    parentNode->DeleteChildren();
    QPointer<TCustomExplorerTreeview> self(&bar);
    if (parentNode == FDesktopNode)
        AddComputerNode(parentNode);
    else if (parentNode == FMyComputerNode)
        AddComputerItems();
    else
        AddSubFolders(FolderOfNode(parentNode), parentNode);
    if (!self)
        return;
    if (selectedKind == kDesktop)
        bar.SetSelectedNode(FDesktopNode);
    else if (selectedKind == kComputer)
        bar.SetSelectedNode(FMyComputerNode);
    else
        SetSelectedFolder(selected, true);
}

bool TFolderSource::IsGoneFolder(TKestTreeNode* node) const
{
    if (!node || !FOwner.IsFolderMode() || node == FDesktopNode || node == FMyComputerNode)
        return false;
    return !Platform::Shell().DirectoryExists(FolderOfNode(node));
}

void TFolderSource::ChooseNode(TKestTreeNode* node)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (IsGoneFolder(node)) {
        // Deleted since it was listed: its parent is listed again and the
        // bar stays on a folder that exists.
        if (TKestTreeNode* parent = node->Parent())
            RefreshSubFolders(parent);
        throw InvalidFolderPath();
    }
    bar.SetSelectedNode(node);
}

// --- Walking to a folder ---------------------------------------------------

void TFolderSource::SetSelectedFolder(const QString& path, bool immediately)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    Platform::IShellNamespace& shell = Platform::Shell();
    if (path.isEmpty() || bar.Mode() == aeCustom ||
        (bar.Mode() == aeFolder && (bar.FolderPath().isEmpty() || !shell.DirectoryExists(bar.FolderPath()))))
        return;
    if (!immediately) {
        FNewSelectedFolderPath = path;
        PostMessage(&bar, TCustomExplorerTreeview::ET_SETFOLDERPATH());
        return;
    }
    // A path no folder can have is a mistake to report, not a folder that
    // merely is not there (yet).
    if (shell.PathTooLong(path))
        throw InvalidFolderPath();
    if (!shell.DirectoryExists(path))
        return;
    QPointer<TCustomExplorerTreeview> self(&bar);
    bar.BeginUpdate();
    QStringList segments = SplitPath(path);
    if (!segments.isEmpty() && bar.Items()->GetFirstNode()) {
        if (bar.Mode() == aeFolder)
            WalkFolderTree(path, segments);
        else if (FMyComputerNode)
            WalkComputer(segments);
    }
    if (self)
        bar.EndUpdate();
}

TKestTreeNode* TFolderSource::FindInLevel(TKestTreeNode* first, const QString& segment) const
{
    // The level is searched as it stands: its first node is not selected,
    // which would list that folder too, off the path.
    std::vector<TKestTreeNode*> level;
    for (TKestTreeNode* n = first; n; n = n->GetNextSibling())
        level.push_back(n);
    TKestTreeNode* const* found =
        FindByName(level, segment, [](TKestTreeNode* n) { return WithoutSeparator(n->Text()); });
    return found ? *found : nullptr;
}

bool TFolderSource::SelectOnWalk(TKestTreeNode* node)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    // Selecting lists the node's folder when needed; input handled during
    // that listing may free the bar or change the tree.
    quint64 generation = FTreeGeneration;
    QPointer<TCustomExplorerTreeview> self(&bar);
    bar.SetSelectedNode(node);
    return self && generation == FTreeGeneration;
}

void TFolderSource::WalkFolderTree(const QString& path, const QStringList& segments)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    if (WithoutSeparator(path) == WithoutSeparator(bar.FolderPath())) {
        bar.SetSelectedNode(bar.Items()->GetFirstNode());
        return;
    }
    TKestTreeNode* root = bar.Items()->GetFirstNode();
    const QString rootName = WithoutSeparator(root->Text());
    qsizetype start = -1;
    for (qsizetype i = 0; i < segments.size() && start < 0; ++i)
        if (segments[i] == rootName)
            start = i;
    for (qsizetype i = 0; i < segments.size() && start < 0; ++i)
        if (segments[i].compare(rootName, Qt::CaseInsensitive) == 0)
            start = i;
    if (start < 0)
        return;
    TKestTreeNode* level = root->GetFirstChild();
    for (qsizetype i = start + 1; i < segments.size() && level; ++i) {
        TKestTreeNode* found = FindInLevel(level, segments[i]);
        if (!found || !SelectOnWalk(found))
            return;
        level = found->GetFirstChild();
    }
}

void TFolderSource::WalkComputer(const QStringList& segments)
{
    TCustomExplorerTreeview& bar = FOwner.Bar();
    QPointer<TCustomExplorerTreeview> self(&bar);
    TKestTreeNode* level = FMyComputerNode->GetFirstChild();
    TKestTreeNode* lastMatch = nullptr;
    bool refreshed = false;
    qsizetype i = 0;
    while (level && i < segments.size()) {
        TKestTreeNode* found = FindInLevel(level, segments[i]);
        if (found) {
            if (!SelectOnWalk(found) || i == segments.size() - 1)
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
