#pragma once
// An owned collection typed over its item class: typed Items and an
// enumerator, so that loops see items of that class.

#include "persistence/KestJSONMethods.h"

#include "framework/Exception.h"
#include "framework/OwnedCollection.h"

#include <memory>

#pragma GCC visibility push(default)

template <typename T>
class TKestOwnedCollection : public TOwnedCollection {
public:
    explicit TKestOwnedCollection(TPersistent* AOwner)
        : TOwnedCollection(AOwner, TCollectionItemClass::Of<T>())
    {
    }
    TKestOwnedCollection(TPersistent* AOwner, TCollectionItemClass ItemClass) : TOwnedCollection(AOwner, ItemClass) {}

    // The item at AIndex; "Invalid class typecast" when it is not a T.
    T* GetItem(int AIndex) const { return Cast(TCollection::Items(AIndex)); }
    T* Items(int AIndex) const { return GetItem(AIndex); }
    T* Add() { return Cast(TCollection::Add()); }
    T* Insert(int Index) { return Cast(TCollection::Insert(Index)); }

    class TEnumerator : public TKestJSONMethods {
    public:
        explicit TEnumerator(const TKestOwnedCollection* ACol) : FCol(ACol) {}
        // Moves on while there is a next item; at the end FIndex stays.
        bool MoveNext()
        {
            if (FIndex >= FCol->Count() - 1)
                return false;
            ++FIndex;
            return true;
        }
        T* GetCurrent() const { return FCol->Items(FIndex); }
        int FIndex = -1;
        const TKestOwnedCollection* FCol;
    };
    std::unique_ptr<TEnumerator> GetEnumerator() const { return std::make_unique<TEnumerator>(this); }

    // Range-for over the items, through the enumerator.
    class Iterator {
    public:
        explicit Iterator(const TKestOwnedCollection* col) : FEnum(col) { Advance(); }
        Iterator() : FEnum(nullptr), FDone(true) {}
        T* operator*() const { return FEnum.GetCurrent(); }
        Iterator& operator++()
        {
            Advance();
            return *this;
        }
        bool operator!=(const Iterator& other) const { return FDone != other.FDone; }

    private:
        void Advance() { FDone = !FEnum.FCol || !FEnum.MoveNext(); }
        TEnumerator FEnum;
        bool FDone = false;
    };
    Iterator begin() const { return Iterator(this); }
    Iterator end() const { return Iterator(); }

private:
    static T* Cast(TCollectionItem* item)
    {
        auto* typed = dynamic_cast<T*>(item);
        if (!typed)
            throw EInvalidCast(QString::fromLatin1(Messages::InvalidCast));
        return typed;
    }
};

#pragma GCC visibility pop
