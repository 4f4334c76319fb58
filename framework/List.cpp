#include "framework/List.h"

#include "framework/Exception.h"

#include <algorithm>

TList::~TList() = default;

void TList::Error(int index) { throw EListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index)); }

void TList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        Error(index);
}

void* TList::Get(int index) const
{
    CheckIndex(index);
    return FItems[size_t(index)];
}

void TList::Put(int index, void* item)
{
    CheckIndex(index);
    FItems[size_t(index)] = item;
}

int TList::Add(void* item)
{
    FItems.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item)
{
    if (index < 0 || index > Count())
        Error(index);
    FItems.insert(FItems.begin() + index, item);
}

void TList::Delete(int index)
{
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

int TList::IndexOf(void* item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

int TList::Remove(void* item)
{
    int i = IndexOf(item);
    if (i >= 0)
        FItems.erase(FItems.begin() + i);
    return i;
}

int TList::RemoveLast(void* item)
{
    auto it = std::find(FItems.rbegin(), FItems.rend(), item);
    if (it == FItems.rend())
        return -1;
    int i = int(FItems.rend() - it) - 1;
    FItems.erase(FItems.begin() + i);
    return i;
}

void TList::Clear() { FItems.clear(); }

void TList::Exchange(int a, int b)
{
    CheckIndex(a);
    CheckIndex(b);
    std::swap(FItems[size_t(a)], FItems[size_t(b)]);
}

void TList::Move(int from, int to)
{
    if (from == to)
        return;
    CheckIndex(from);
    CheckIndex(to);
    void* item = FItems[size_t(from)];
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, item);
}
