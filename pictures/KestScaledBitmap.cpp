#include "pictures/KestScaledBitmap.h"

#include "pictures/KestBitmap.h"

TKestScaledBitmap::TKestScaledBitmap(TCollection* Collection)
    : TCollectionItem(Collection), FBitmap(std::make_unique<TKestBitmap>())
{
    FBitmap->OnChange = [this](QObject*) { Changed(false); };
}

TKestScaledBitmap::~TKestScaledBitmap() = default;

void TKestScaledBitmap::Assign(TPersistent* Source)
{
    auto* source = dynamic_cast<TKestScaledBitmap*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    if (source == this)
        return;
    FBitmap->Assign(source->FBitmap.get());
    FBitmapName = source->FBitmapName;
    FScale = source->FScale;
    Changed(false);
}

void TKestScaledBitmap::SetBitmap(TPicture* Value)
{
    if (Value != FBitmap.get())
        FBitmap->Assign(Value);
    Changed(false);
}

void TKestScaledBitmap::SetBitmapName(const QString& Value)
{
    if (Value == FBitmapName)
        return;
    FBitmapName = Value;
    Changed(false);
}

void TKestScaledBitmap::SetScale(float Value)
{
    // NaN differs from everything, itself included, so it is always stored.
    if (Value == FScale)
        return;
    FScale = Value;
    Changed(false);
}
