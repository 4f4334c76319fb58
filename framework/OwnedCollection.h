#pragma once
// A collection that knows the object holding it.

#include "framework/Collection.h"

#pragma GCC visibility push(default)

class TOwnedCollection : public TCollection {
    Q_OBJECT
public:
    TOwnedCollection(TPersistent* owner, TCollectionItemClass itemClass)
        : TCollection(itemClass), FOwner(owner)
    {
    }
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};

#pragma GCC visibility pop
