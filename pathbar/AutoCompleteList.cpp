#include "pathbar/AutoCompleteList.h"

bool TAutoCompleteList::Add(const QString& path, TKestTreeNode* node)
{
    auto [it, inserted] = FEntries.emplace(path.toCaseFolded(), Entry{path, node});
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
    return found == FByNode.constEnd() ? QString() : (*found)->second.path;
}

void TAutoCompleteList::Clear()
{
    FEntries.clear();
    FByNode.clear();
}

void TAutoCompleteList::ForEach(const TVisitor& visit) const
{
    for (const auto& [key, entry] : FEntries)
        if (!visit(entry.path, entry.node))
            return;
}

void TAutoCompleteList::ForEachStartingWith(const QString& prefix, const TVisitor& visit) const
{
    const QString folded = prefix.toCaseFolded();
    for (auto it = FEntries.lower_bound(folded); it != FEntries.end(); ++it) {
        if (!it->first.startsWith(folded) || !visit(it->second.path, it->second.node))
            return;
    }
}
