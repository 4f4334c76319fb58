#include "pictures/KestScaledBitmaps.h"

#include "framework/Graphic.h"
#include "pictures/KestBitmap.h"

TKestScaledBitmaps::TKestScaledBitmaps(TPersistent* AOwner) : TKestOwnedCollection<TKestScaledBitmap>(AOwner) {}

TKestScaledBitmap* TKestScaledBitmaps::Add(float Scale)
{
    TKestScaledBitmap* item = TKestOwnedCollection::Add();
    item->SetScale(Scale);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::AddBitmap(TPicture* Bitmap, float Scale)
{
    TKestScaledBitmap* item = Add(Scale);
    item->SetBitmap(Bitmap);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::AddDrawBitmap(TGraphic* Bitmap, float Scale)
{
    TKestScaledBitmap* item = Add(Scale);
    item->Bitmap()->Assign(Bitmap);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::AddBitmapFromFile(const QString& FileName, float Scale)
{
    TKestScaledBitmap* item = Add(Scale);
    item->Bitmap()->LoadFromFile(FileName);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::AddBitmapFromResource(const QString& ResourceName, float Scale)
{
    TKestScaledBitmap* item = Add(Scale);
    item->Bitmap()->LoadFromResource(ResourceName);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::AddBitmapFromResource(const QString& ResourceName, quintptr, float Scale)
{
    // One module holds every resource here.
    return AddBitmapFromResource(ResourceName, Scale);
}

TKestScaledBitmap* TKestScaledBitmaps::AddBitmapName(const QString& BitmapName, float Scale)
{
    TKestScaledBitmap* item = Add(Scale);
    item->SetBitmapName(BitmapName);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::Insert(int Index, float Scale)
{
    TKestScaledBitmap* item = TKestOwnedCollection::Insert(Index);
    item->SetScale(Scale);
    return item;
}

TKestScaledBitmap* TKestScaledBitmaps::Insert(int Index) { return TKestOwnedCollection::Insert(Index); }

TKestScaledBitmap* TKestScaledBitmaps::GetItemByScale(float Scale) const
{
    TKestScaledBitmap* largest = nullptr;
    float largestScale = 0.0f;
    for (TKestScaledBitmap* item : *this) {
        if (item->Scale() == Scale)
            return item;
        if (item->Scale() > largestScale) {
            largest = item;
            largestScale = item->Scale();
        }
    }
    return largest;
}

TKestBitmap* TKestScaledBitmaps::GetBitmapByScale(float Scale) const
{
    TKestScaledBitmap* item = GetItemByScale(Scale);
    return item ? item->Bitmap() : nullptr;
}

void TKestScaledBitmaps::SetBitmap(float Scale, TPicture* Value)
{
    TKestScaledBitmap* item = GetItemByScale(Scale);
    if (!item)
        item = Add(Scale);
    item->SetBitmap(Value);
}

void TKestScaledBitmaps::Update(TCollectionItem* Item)
{
    TKestOwnedCollection::Update(Item);
    if (OnChange)
        OnChange(this);
}
