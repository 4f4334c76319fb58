#include "pathbar/DbgList.h"

#include "framework/Exception.h"

TKestTreeNode* TDbgList::GetItemsEx(int index) const
{
    if (index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list read access"));
    return static_cast<TKestTreeNode*>(Get(index));
}

void TDbgList::SetItemsEx(int index, TKestTreeNode* value)
{
    if (index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list write access"));
    Put(index, value);
}

void TDbgList::AssignList(const TList& listA)
{
    Clear();
    for (void* item : listA.Items())
        Add(item);
}
