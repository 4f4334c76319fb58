#include "pathbar/HistoryList_p.h"

TKestTreeNode* THistoryList::At(int index) const
{
    if (index < 0 || index >= FNodes.Count())
        return nullptr;
    return FNodes.GetItemsEx(index);
}

bool THistoryList::Add(TKestTreeNode* node)
{
    if (FMembers.contains(node))
        return false;
    FNodes.Add(node);
    FMembers.insert(node);
    return true;
}

void THistoryList::Remove(TKestTreeNode* node)
{
    if (!FMembers.remove(node))
        return;
    // Nodes usually go in reverse order of addition (children before their
    // parent, the last child first), so search from the end.
    FNodes.RemoveLast(node);
}

void THistoryList::RemoveAt(int index)
{
    if (index < 0 || index >= FNodes.Count())
        return;
    FMembers.remove(FNodes.GetItemsEx(index));
    FNodes.Delete(index);
}

void THistoryList::Clear()
{
    FNodes.Clear();
    FMembers.clear();
}
