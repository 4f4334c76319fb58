#include "framework/CollectionItem.h"

#include "framework/Collection.h"

TCollectionItem::TCollectionItem(TCollection* Collection) : FCollection(Collection) {}

TCollectionItem::~TCollectionItem() = default;

int TCollectionItem::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int Value)
{
    int current = Index();
    if (current >= 0 && current != Value)
        FCollection->MoveItem(current, Value);
}

QString TCollectionItem::DisplayName() const { return ClassName(); }

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection)
        FCollection->ItemChanged(AllItems ? nullptr : this);
}
