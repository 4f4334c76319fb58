#include "pathbar/DbgList.h"

#include "framework/Exception.h"

TKestTreeNode* TDbgList::GetItemsEx(int Index) const
{
    if (Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list read access"));
    return static_cast<TKestTreeNode*>(Get(Index));
}

void TDbgList::SetItemsEx(int Index, TKestTreeNode* Value)
{
    if (Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list write access"));
    Put(Index, Value);
}

void TDbgList::AssignList(const TList& ListA)
{
    Clear();
    for (void* item : ListA.Items())
        Add(item);
}
