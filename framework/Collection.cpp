#include "framework/Collection.h"

#include "framework/Exception.h"

#include <algorithm>

TCollection::TCollection(TCollectionItemClass itemClass) : FItemClass(itemClass) {}

TCollection::~TCollection()
{
    // Items hear nothing more from a collection that is going away.
    for (auto& item : FItems)
        item->FCollection = nullptr;
    FItems.clear();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int index)
{
    if (index < 0 || index > Count())
        throw EListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index));
    std::unique_ptr<TCollectionItem> item(GetItemClass().Create(this));
    item->FID = FNextID++;
    TCollectionItem* raw = item.get();
    FItems.insert(FItems.begin() + index, std::move(item));
    Notify(raw, TCollectionNotification::cnAdded);
    Changed();
    return raw;
}

void TCollection::Delete(int index)
{
    CheckIndex(index);
    TCollectionItem* item = FItems[size_t(index)].get();
    Notify(item, TCollectionNotification::cnDeleting);
    std::unique_ptr<TCollectionItem> gone = std::move(FItems[size_t(index)]);
    FItems.erase(FItems.begin() + index);
    gone->FCollection = nullptr;
    gone.reset();
    Changed();
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    while (!FItems.empty())
        Delete(Count() - 1);
    EndUpdate();
}

void TCollection::CheckIndex(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), index));
}

TCollectionItem* TCollection::Items(int index) const
{
    CheckIndex(index);
    return FItems[size_t(index)].get();
}

void TCollection::SetItems(int index, TCollectionItem* value) { Items(index)->Assign(value); }

TCollectionItem* TCollection::FindItemID(int id) const
{
    for (const auto& item : FItems)
        if (item->FID == id)
            return item.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == item)
            return int(i);
    return -1;
}

void TCollection::MoveItem(int from, int to)
{
    to = std::clamp(to, 0, Count() - 1);
    if (from == to)
        return;
    std::unique_ptr<TCollectionItem> item = std::move(FItems[size_t(from)]);
    FItems.erase(FItems.begin() + from);
    FItems.insert(FItems.begin() + to, std::move(item));
    Changed();
}

void TCollection::BeginUpdate() { ++FUpdateCount; }

void TCollection::EndUpdate()
{
    if (FUpdateCount == 0)
        return;
    if (--FUpdateCount == 0)
        Changed();
}

namespace {
// Ends an update on every way out, exceptions included.
class UpdateScope {
public:
    explicit UpdateScope(TCollection& collection) : FCollection(collection) { FCollection.BeginUpdate(); }
    ~UpdateScope() { FCollection.EndUpdate(); }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TCollection& FCollection;
};
}

void TCollection::Assign(TPersistent* source)
{
    auto* collection = dynamic_cast<TCollection*>(source);
    if (!collection) {
        TPersistent::Assign(source);
        return;
    }
    if (collection == this)
        return;
    UpdateScope scope(*this);
    Clear();
    for (const auto& item : collection->FItems)
        Add()->Assign(item.get());
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* item)
{
    if (FUpdateCount == 0)
        Update(item);
}
