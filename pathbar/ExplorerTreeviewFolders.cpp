// The folder source: the desktop, the computer and the folders of this
// machine as the bar's tree.

#include "pathbar/CustomExplorerTreeview.h"

#include "framework/Messages.h"

void TCustomExplorerTreeview::LoadDirectoryStructure(TBaseNode, const QString&, bool) {}

void TCustomExplorerTreeview::AddSubFolders(const QString&, TKestTreeNode*) {}

void TCustomExplorerTreeview::RefreshSubFolders(TKestTreeNode*) {}

QString TCustomExplorerTreeview::GetSelectedFolder() const
{
    if ((FMode == aeSystem || FMode == aeFolder) && FSelectedNode)
        return GetNodePath(FSelectedNode);
    return QString();
}

void TCustomExplorerTreeview::SetSelectedFolder(const QString& Path, bool Immediately)
{
    if (!Immediately) {
        FNewSelectedFolderPath = Path;
        PostMessage(this, ET_SETFOLDERPATH());
    }
}
