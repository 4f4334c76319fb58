#pragma once
// One item of a collection. Items are made by their collection (Add,
// Insert) and owned by it; an item reports its changes to the collection.

#include "framework/Persistent.h"

#include <QObject>

#pragma GCC visibility push(default)

class TCollection;

class TCollectionItem : public QObject, public TPersistent {
    Q_OBJECT
public:
    explicit TCollectionItem(TCollection* collection);
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // The position in the collection; -1 once the item left it.
    int Index() const;
    // Moves the item within its collection.
    void SetIndex(int value);
    // Unique within the collection, never reused.
    int ID() const { return FID; }
    virtual QString DisplayName() const;

protected:
    // Tells the collection that this item changed; AllItems when the change
    // concerns every item (an order or a shared setting).
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection* FCollection;
    int FID = 0;
};

// What a collection makes its items of: the class and how to make one.
struct TCollectionItemClass {
    const QMetaObject* Meta = nullptr;
    TCollectionItem* (*Create)(TCollection* collection) = nullptr;

    template <typename T>
    static TCollectionItemClass Of()
    {
        return {&T::staticMetaObject, [](TCollection* collection) -> TCollectionItem* { return new T(collection); }};
    }
};

#pragma GCC visibility pop
