#pragma once
// The gradient stops of a fill: colour, position (0 to 1) and opacity of
// each stop. Changing a stop's values tells the fill that owns the
// collection; adding, inserting or removing stops does not.

#include "framework/Color.h"
#include "framework/CollectionItem.h"
#include "pictures/KestOwnedCollection.h"

#pragma GCC visibility push(default)

class TKestCustomGraphicsFill;

class TKestGraphicsFillGradientItem : public TCollectionItem {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(float Opacity READ Opacity WRITE SetOpacity)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(float Position READ Position WRITE SetPosition)
    Q_CLASSINFO("Default:Opacity", "1")
    Q_CLASSINFO("Default:Color", "0xFFFFFF")
    Q_CLASSINFO("Default:Position", "0")

public:
    Q_INVOKABLE explicit TKestGraphicsFillGradientItem(TCollection* collection);
    ~TKestGraphicsFillGradientItem() override;

    // From another stop: its three values, without notification.
    void Assign(TPersistent* source) override;

    TColor Color() const { return FColor; }
    void SetColor(TColor value);
    float Position() const { return FPosition; }
    void SetPosition(float value);
    float Opacity() const { return FOpacity; }
    void SetOpacity(float value);

private:
    template <typename T>
    void Update(T& field, const T& value);
    TKestCustomGraphicsFill* OwningFill() const;

    TColor FColor = 0xFFFFFF;
    float FPosition = 0;
    float FOpacity = 1;
};

class TKestGraphicsFillGradientItems : public TKestOwnedCollection<TKestGraphicsFillGradientItem> {
public:
    explicit TKestGraphicsFillGradientItems(TKestCustomGraphicsFill* owner);
    ~TKestGraphicsFillGradientItems() override;

    TKestGraphicsFillGradientItem* GetItemEx(int index) const { return GetItem(index); }
    // Copies value into the stop at index.
    void SetItemEx(int index, TKestGraphicsFillGradientItem* value) { SetItems(index, value); }

    TCollectionItemClass GetItemClass() const override
    {
        return TCollectionItemClass::Of<TKestGraphicsFillGradientItem>();
    }

    TKestCustomGraphicsFill* FOwner;
};

#pragma GCC visibility pop
