#include "framework/Collection.h"

#include "framework/Exception.h"

#include <algorithm>

TCollection::TCollection(TCollectionItemClass ItemClass) : FItemClass(ItemClass) {}

TCollection::~TCollection()
{
    // Items hear nothing more from a collection that is going away.
    for (auto& item : FItems)
        item->FCollection = nullptr;
    FItems.clear();
}

TCollectionItem* TCollection::Add() { return Insert(Count()); }

TCollectionItem* TCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw EListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), Index));
    std::unique_ptr<TCollectionItem> item(GetItemClass().Create(this));
    item->FID = FNextID++;
    TCollectionItem* raw = item.get();
    FItems.insert(FItems.begin() + Index, std::move(item));
    Notify(raw, TCollectionNotification::cnAdded);
    Changed();
    return raw;
}

void TCollection::Delete(int Index)
{
    CheckIndex(Index);
    TCollectionItem* item = FItems[size_t(Index)].get();
    Notify(item, TCollectionNotification::cnDeleting);
    std::unique_ptr<TCollectionItem> gone = std::move(FItems[size_t(Index)]);
    FItems.erase(FItems.begin() + Index);
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

void TCollection::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(Exception::Format(QString::fromLatin1(Messages::ListIndex), Index));
}

TCollectionItem* TCollection::Items(int Index) const
{
    CheckIndex(Index);
    return FItems[size_t(Index)].get();
}

void TCollection::SetItems(int Index, TCollectionItem* Value) { Items(Index)->Assign(Value); }

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (const auto& item : FItems)
        if (item->FID == ID)
            return item.get();
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i].get() == Item)
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

void TCollection::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TCollection*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    if (source == this)
        return;
    UpdateScope scope(*this);
    Clear();
    for (const auto& item : source->FItems)
        Add()->Assign(item.get());
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem*, TCollectionNotification) {}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::ItemChanged(TCollectionItem* Item)
{
    if (FUpdateCount == 0)
        Update(Item);
}
