#include "pathbar/AutoCompleteList.h"

bool TAutoCompleteList::Add(const QString& path, TKestTreeNode* node)
{
    auto [it, inserted] = FEntries.emplace(path, node);
    if (inserted && node)
        FByNode.insert(node, it);
    return inserted;
}

bool TAutoCompleteList::RemoveNode(TKestTreeNode* node)
{
    auto found = FByNode.find(node);
    if (found == FByNode.end())
        return false;
    FEntries.erase(*found);
    FByNode.erase(found);
    return true;
}

QString TAutoCompleteList::PathOf(TKestTreeNode* node) const
{
    auto found = FByNode.constFind(node);
    return found == FByNode.constEnd() ? QString() : (*found)->first;
}

void TAutoCompleteList::Clear()
{
    FEntries.clear();
    FByNode.clear();
}

void TAutoCompleteList::ForEach(const TVisitor& visit) const
{
    for (const auto& [path, node] : FEntries)
        if (!visit(path, node))
            return;
}

void TAutoCompleteList::ForEachStartingWith(const QString& prefix, const TVisitor& visit) const
{
    for (auto it = FEntries.lower_bound(prefix); it != FEntries.end(); ++it) {
        if (!it->first.startsWith(prefix, Qt::CaseInsensitive) || !visit(it->first, it->second))
            return;
    }
}
