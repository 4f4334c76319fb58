#include "framework/CollectionItem.h"

#include "framework/Collection.h"

TCollectionItem::TCollectionItem(TCollection* collection) : FCollection(collection) {}

TCollectionItem::~TCollectionItem() = default;

int TCollectionItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int value)
{
    int current = Index();
    if (current >= 0 && current != value)
        FCollection->MoveItem(current, value);
}

QString TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool allItems)
{
    if (FCollection)
        FCollection->ItemChanged(allItems ? nullptr : this);
}
