#include "pictures/PictureCollection.h"

#include "pictures/HTMLPicture.h"
#include "pictures/PictureContainer.h"

TPictureCollection::TPictureCollection(TPictureContainer* AOwner)
    : TKestOwnedCollection<TPictureItem>(AOwner), FOwner(AOwner)
{
}

bool TPictureCollection::Animate()
{
    bool moved = false;
    for (TPictureItem* item : *this)
        if (auto* picture = qobject_cast<THTMLPicture*>(item->Picture()))
            moved = picture->Step() || moved;
    return moved;
}

void TPictureCollection::Update(TCollectionItem* Item)
{
    TKestOwnedCollection::Update(Item);
    if (FOwner)
        FOwner->Changed();
}
