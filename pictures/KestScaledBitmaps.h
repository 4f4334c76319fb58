#pragma once
// Bitmaps for different display scales; the largest available one serves a
// scale that has no exact match.

#include "framework/Events.h"
#include "pictures/KestOwnedCollection.h"
#include "pictures/KestScaledBitmap.h"

#pragma GCC visibility push(default)

class TGraphic;
class TKestBitmap;
class TPicture;

class TKestScaledBitmaps : public TKestOwnedCollection<TKestScaledBitmap> {
    Q_OBJECT
public:
    explicit TKestScaledBitmaps(TPersistent* AOwner);

    TKestScaledBitmap* Add(float Scale);
    TKestScaledBitmap* AddBitmap(TPicture* Bitmap, float Scale);
    TKestScaledBitmap* AddDrawBitmap(TGraphic* Bitmap, float Scale);
    TKestScaledBitmap* AddBitmapFromFile(const QString& FileName, float Scale);
    TKestScaledBitmap* AddBitmapFromResource(const QString& ResourceName, float Scale);
    TKestScaledBitmap* AddBitmapFromResource(const QString& ResourceName, quintptr AInstance, float Scale);
    TKestScaledBitmap* AddBitmapName(const QString& BitmapName, float Scale);
    TKestScaledBitmap* Insert(int Index, float Scale);
    TKestScaledBitmap* Insert(int Index);

    // The item of exactly that scale, else the one of the largest positive
    // scale (the first among equals), else none.
    TKestScaledBitmap* GetItemByScale(float Scale) const;
    TKestBitmap* GetBitmapByScale(float Scale) const;
    TKestBitmap* GetBitmap(float Scale) const { return GetBitmapByScale(Scale); }
    // The item GetItemByScale selects receives a copy of Value; an item of
    // that scale is added only when none is selected.
    void SetBitmap(float Scale, TPicture* Value);

    TNotifyEvent OnChange;

protected:
    void Update(TCollectionItem* Item) override;
};

#pragma GCC visibility pop
