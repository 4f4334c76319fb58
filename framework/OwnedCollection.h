#pragma once
// A collection that knows the object holding it.

#include "framework/Collection.h"

class TOwnedCollection : public TCollection {
    Q_OBJECT
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass)
        : TCollection(ItemClass), FOwner(AOwner)
    {
    }
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
