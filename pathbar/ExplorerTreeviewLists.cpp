// The bar's history list (visited nodes and their children, for the drop-down
// window) and its auto-complete list (every node's full path), kept in step
// with the tree.

#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/ChildMenu.h"
#include "pathbar/NodePath.h"

#include <vector>

bool TCustomExplorerTreeview::IsOwnNode(TKestTreeNode* Node) const
{
    return Node && Node->Owner() && Node->Owner()->Owner() == this;
}

void TCustomExplorerTreeview::AddToDropDownList(TKestTreeNode* Node)
{
    if (!IsOwnNode(Node) || FDropDownSet.contains(Node))
        return;
    FDropDownList.Add(Node);
    FDropDownSet.insert(Node);
}

void TCustomExplorerTreeview::AddWithChildrenToDropDownList(TKestTreeNode* Node)
{
    AddToDropDownList(Node);
    for (TKestTreeNode* c = Node->GetFirstChild(); c; c = c->GetNextSibling())
        AddToDropDownList(c);
}

void TCustomExplorerTreeview::RemoveFromDropDownList(TKestTreeNode* Node)
{
    if (!FDropDownSet.remove(Node))
        return;
    // Nodes usually go in reverse order of addition (children before their
    // parent, the last child first), so search from the end.
    FDropDownList.RemoveLast(Node);
}

void TCustomExplorerTreeview::RemoveFromDropDownList(int Index)
{
    if (Index < 0 || Index >= FDropDownList.Count())
        return;
    FDropDownSet.remove(FDropDownList.GetItemsEx(Index));
    FDropDownList.Delete(Index);
}

void TCustomExplorerTreeview::ClearDropDownList()
{
    FDropDownList.Clear();
    FDropDownSet.clear();
}

TKestTreeNode* TCustomExplorerTreeview::GetDropDownList(int Index) const
{
    if (Index < 0 || Index >= FDropDownList.Count())
        return nullptr;
    return FDropDownList.GetItemsEx(Index);
}

bool TCustomExplorerTreeview::ListsFollowTree(bool removing) const
{
    return FAutoComplete && !IsDesigning() && !IsLoading() && !(removing && IsDestroying());
}

void TCustomExplorerTreeview::AddAutoCompleteEntries(TKestTreeNode* Node)
{
    // Pre-order without recursion: the node, then its children in order.
    // Each child's path grows from its parent's, so a deep chain costs the
    // length of its paths, not that times the depth.
    const QString prefix = FolderPrefix();
    std::vector<std::pair<TKestTreeNode*, QString>> pending{{Node, NodePath::Chain(Node)}};
    while (!pending.empty()) {
        auto [n, chain] = std::move(pending.back());
        pending.pop_back();
        FAutoCompleteList.Add(NodePath::FromChain(n, chain, prefix), n);
        for (TKestTreeNode* c = n->GetLastChild(); c; c = c->GetPrevSibling())
            pending.emplace_back(c, NodePath::ChildChain(chain, n, c));
    }
}

void TCustomExplorerTreeview::PopulateAutoCompleteList()
{
    if (!FAutoComplete)
        return;
    FAutoCompleteList.Clear();
    for (TKestTreeNode* n = FTreeNodes->GetFirstNode(); n; n = n->GetNextSibling())
        AddAutoCompleteEntries(n);
    AutoCompleteListChanged();
}

void TCustomExplorerTreeview::NodeAdded(TKestTreeNode* Node)
{
    // A node is linked before it is named; an unnamed leaf has no path of its
    // own yet and gets its entry when its text is set.
    if (Node && ListsFollowTree(false) && !(Node->Text().isEmpty() && !Node->HasChildren())) {
        AddAutoCompleteEntries(Node);
        AutoCompleteListChanged();
    }
}

void TCustomExplorerTreeview::NodeDeleted(TKestTreeNode* Node)
{
    NodeGoing(Node);
    // The open lists and menu hold node references: they go rather than
    // offer a node that no longer exists.
    if (!FDropForm.isNull())
        CloseDropDown();
    if (!FAutoComForm.isNull())
        CloseAutoCompleteList();
    TChildMenuHook::CloseMenuOf(this);
    if (Node && ListsFollowTree(true))
        FAutoCompleteList.RemoveNode(Node);
    // Not while the whole tree or the bar goes: the history goes with them.
    if (Node && !(Node->Owner() && Node->Owner()->Deleting()) && !IsDestroying())
        RemoveFromDropDownList(Node);
}

void TCustomExplorerTreeview::NodesCleared() { SetSelectedNode(nullptr); }

void TCustomExplorerTreeview::NodeTextChanged(TKestTreeNode* Node)
{
    if (!Node || !ListsFollowTree(true))
        return;
    // The node may have no entry yet (it was named after it was added), so
    // it gets one in any case. The paths below it changed too: their
    // entries are made anew.
    const QString prefix = FolderPrefix();
    std::vector<std::pair<TKestTreeNode*, QString>> pending{{Node, NodePath::Chain(Node)}};
    while (!pending.empty()) {
        auto [n, chain] = std::move(pending.back());
        pending.pop_back();
        const bool hadEntry = FAutoCompleteList.RemoveNode(n);
        if (hadEntry || n == Node)
            FAutoCompleteList.Add(NodePath::FromChain(n, chain, prefix), n);
        for (TKestTreeNode* c = n->GetFirstChild(); c; c = c->GetNextSibling())
            pending.emplace_back(c, NodePath::ChildChain(chain, n, c));
    }
    AutoCompleteListChanged();
}
