#pragma once
// The named pictures of a picture container.

#include "pictures/KestOwnedCollection.h"
#include "pictures/PictureItem.h"

#pragma GCC visibility push(default)

class TPictureContainer;

class TPictureCollection : public TKestOwnedCollection<TPictureItem> {
    Q_OBJECT
public:
    explicit TPictureCollection(TPictureContainer* AOwner);

    TCollectionItemClass GetItemClass() const override { return TCollectionItemClass::Of<TPictureItem>(); }
    TPictureContainer* Container() const { return FOwner; }
    void SetItems(int Index, TPictureItem* Value) { Items(Index)->Assign(Value); }
    // Steps every animated picture; true when any moved to another frame.
    bool Animate();

protected:
    void Update(TCollectionItem* Item) override;

private:
    TPictureContainer* FOwner;
};

#pragma GCC visibility pop
