#include "framework/StringList.h"

#include "framework/Exception.h"

#include <algorithm>

TStringList::~TStringList() = default;

void TStringList::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index));
}

const QString& TStringList::Strings(int index) const
{
    CheckIndex(index);
    return FItems[size_t(index)].text;
}

void* TStringList::Objects(int index) const
{
    CheckIndex(index);
    return FItems[size_t(index)].object;
}

void TStringList::SetObject(int index, void* object)
{
    CheckIndex(index);
    FItems[size_t(index)].object = object;
}

int TStringList::Compare(const QString& a, const QString& b) const
{
    return a.compare(b, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

bool TStringList::Find(const QString& s, int& index) const
{
    auto it = std::lower_bound(FItems.begin(), FItems.end(), s,
                               [this](const Item& item, const QString& key) { return Compare(item.text, key) < 0; });
    index = int(it - FItems.begin());
    if (it != FItems.end() && Compare(it->text, s) == 0) {
        // With duplicates accepted the first equal entry is the answer.
        return true;
    }
    return false;
}

int TStringList::AddObject(const QString& s, void* object)
{
    if (!FSorted) {
        FItems.push_back({s, object});
        return Count() - 1;
    }
    int index = 0;
    if (Find(s, index)) {
        switch (FDuplicates) {
        case TDuplicates::dupIgnore:
            return index;
        case TDuplicates::dupError:
            throw EStringListError(QString::fromLatin1(Messages::DuplicateString));
        case TDuplicates::dupAccept:
            break;
        }
    }
    FItems.insert(FItems.begin() + index, Item{s, object});
    return index;
}

void TStringList::Insert(int index, const QString& s, void* object)
{
    if (FSorted)
        throw EStringListError(QString::fromLatin1(Messages::SortedListError));
    if (index < 0 || index > Count())
        throw EStringListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index));
    FItems.insert(FItems.begin() + index, Item{s, object});
}

void TStringList::Delete(int index)
{
    CheckIndex(index);
    FItems.erase(FItems.begin() + index);
}

void TStringList::Clear() { FItems.clear(); }

int TStringList::IndexOf(const QString& s) const
{
    if (FSorted) {
        int index = 0;
        return Find(s, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(FItems[size_t(i)].text, s) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(void* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].object == object)
            return i;
    return -1;
}

void TStringList::Sort()
{
    std::stable_sort(FItems.begin(), FItems.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

void TStringList::SetSorted(bool value)
{
    if (value == FSorted)
        return;
    if (value)
        Sort();
    FSorted = value;
}

void TStringList::SetCaseSensitive(bool value)
{
    if (value == FCaseSensitive)
        return;
    FCaseSensitive = value;
    if (FSorted)
        Sort();
}
