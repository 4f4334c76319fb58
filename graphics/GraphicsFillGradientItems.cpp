#include "graphics/GraphicsFillGradientItems.h"

#include "graphics/GraphicsFill.h"

TKestGraphicsFillGradientItem::TKestGraphicsFillGradientItem(TCollection* collection) : TCollectionItem(collection) {}

TKestGraphicsFillGradientItem::~TKestGraphicsFillGradientItem() = default;

void TKestGraphicsFillGradientItem::Assign(TPersistent* source)
{
    if (auto* item = dynamic_cast<TKestGraphicsFillGradientItem*>(source)) {
        FColor = item->FColor;
        FOpacity = item->FOpacity;
        FPosition = item->FPosition;
        return;
    }
    TCollectionItem::Assign(source);
}

TKestCustomGraphicsFill* TKestGraphicsFillGradientItem::OwningFill() const
{
    auto* items = dynamic_cast<TKestGraphicsFillGradientItems*>(Collection());
    return items ? items->FOwner : nullptr;
}

template <typename T>
void TKestGraphicsFillGradientItem::Update(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    if (TKestCustomGraphicsFill* fill = OwningFill())
        fill->StopChanged();
}

void TKestGraphicsFillGradientItem::SetColor(TColor value) { Update(FColor, value); }

void TKestGraphicsFillGradientItem::SetPosition(float value) { Update(FPosition, value); }

void TKestGraphicsFillGradientItem::SetOpacity(float value) { Update(FOpacity, value); }

TKestGraphicsFillGradientItems::TKestGraphicsFillGradientItems(TKestCustomGraphicsFill* owner)
    : TKestOwnedCollection(owner, TCollectionItemClass::Of<TKestGraphicsFillGradientItem>()), FOwner(owner)
{
}

TKestGraphicsFillGradientItems::~TKestGraphicsFillGradientItems() = default;
