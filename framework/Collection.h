#pragma once
// An ordered collection of items of one class. The collection owns its
// items, keeps an update counter (BeginUpdate/EndUpdate) and reports every
// change through Update once no update is pending.

#include "framework/CollectionItem.h"
#include "framework/Persistent.h"

#include <QObject>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollection : public QObject, public TPersistent {
    Q_OBJECT
public:
    explicit TCollection(TCollectionItemClass itemClass);
    ~TCollection() override;

    TCollectionItem* Add();
    TCollectionItem* Insert(int index);
    void Delete(int index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    // Raises "List index out of bounds (%d)" outside 0 .. Count - 1.
    TCollectionItem* Items(int index) const;
    // Copies Value into the item at Index.
    void SetItems(int index, TCollectionItem* value);
    TCollectionItem* FindItemID(int id) const;
    int IndexOf(const TCollectionItem* item) const;

    void BeginUpdate();
    // An unmatched EndUpdate is ignored: the counter never goes below 0,
    // so notifications keep working.
    void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    // From another collection: the items are replaced by copies of the
    // source's items. Assigning a collection to itself changes nothing.
    void Assign(TPersistent* source) override;

    virtual TCollectionItemClass GetItemClass() const { return FItemClass; }
    // The object that holds the collection, for names and stored layouts.
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    // After every change once no update is pending; Item is the changed
    // item, or none when the collection as a whole changed.
    virtual void Update(TCollectionItem* item);
    virtual void Notify(TCollectionItem* item, TCollectionNotification action);
    void Changed();

private:
    friend class TCollectionItem;
    void ItemChanged(TCollectionItem* item);
    void MoveItem(int from, int to);
    void CheckIndex(int index) const;

    TCollectionItemClass FItemClass;
    std::vector<std::unique_ptr<TCollectionItem>> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

#pragma GCC visibility pop
