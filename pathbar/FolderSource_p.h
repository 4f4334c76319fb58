#pragma once
// The folder source: the desktop, the computer and the folders of this
// machine as the bar's tree, loaded lazily as folders are selected; it owns
// the icons the folder nodes show.

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "pathbar/ExplorerTreeviewTypes.h"

class TCustomExplorerTreeviewPrivate;
class TCustomImageList;
class TKestTreeNode;

class TFolderSource {
public:
    explicit TFolderSource(TCustomExplorerTreeviewPrivate& owner);
    ~TFolderSource();
    TFolderSource(const TFolderSource&) = delete;
    TFolderSource& operator=(const TFolderSource&) = delete;

    // The folder nodes' icons, none until the first load.
    TCustomImageList* Images() const { return FInternalImages.get(); }
    // Counts node deletions: a walk or listing that sees it move knows the
    // tree changed under it.
    quint64 Generation() const { return FTreeGeneration; }
    // The folder a node stands for (FolderPath for the root in aeFolder).
    QString FolderOfNode(TKestTreeNode* node) const;

    void LoadDirectoryStructure(TBaseNode baseNode, const QString& path, bool clearOldNodes);
    void AddSubFolders(const QString& path, TKestTreeNode* parentNode);
    void RefreshSubFolders(TKestTreeNode* parentNode);
    // The user's choice of node: a folder deleted since it was listed raises
    // "Invalid Folder Path" after its parent has been listed again.
    void ChooseNode(TKestTreeNode* node);
    void SetSelectedFolder(const QString& path, bool immediately);
    // The path SetSelectedFolder left for its posted message.
    QString PendingFolderPath() const { return FNewSelectedFolderPath; }

    // A node is about to be destroyed: listings filling it stop.
    void NodeGoing(TKestTreeNode* node);

private:
    struct TListingGuard;

    void EnsureInternalImages();
    int IconIndex(const QString& key);
    void LoadDesktop();
    void AddComputerNode(TKestTreeNode* desktop);
    void AddComputerItems();
    bool IsGoneFolder(TKestTreeNode* node) const;
    void LoadFolder(const QString& path);
    bool IsDriveRoot(const QString& folder) const;
    TKestTreeNode* AddDriveRoot(const QString& folder);
    TKestTreeNode* AddFolderRoot(const QString& folder);
    // The node of a level (first and its siblings) named segment, or none.
    TKestTreeNode* FindInLevel(TKestTreeNode* first, const QString& segment) const;
    // Selects a node of a walk; false when the walk must stop.
    bool SelectOnWalk(TKestTreeNode* node);
    void WalkFolderTree(const QString& path, const QStringList& segments);
    void WalkComputer(const QStringList& segments);

    TCustomExplorerTreeviewPrivate& FOwner;
    std::unique_ptr<TCustomImageList> FInternalImages;
    // Icons loaded so far by key.
    QHash<QString, int> FIconIndexes;
    // Listings in progress.
    std::vector<TListingGuard*> FListingGuards;
    quint64 FTreeGeneration = 0;
    TKestTreeNode* FMyComputerNode = nullptr;
    // The desktop node of a tree loaded from the desktop.
    TKestTreeNode* FDesktopNode = nullptr;
    QString FNewSelectedFolderPath;
};
