#include "framework/Exception.h"
#include "framework/OwnedCollection.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

class TNamedItem : public TCollectionItem {
public:
    explicit TNamedItem(TCollection* Collection) : TCollectionItem(Collection) {}
    QString FName;
    void SetName(const QString& value)
    {
        FName = value;
        Changed(false);
    }
    void Assign(TPersistent* Source) override
    {
        if (auto* other = dynamic_cast<TNamedItem*>(Source)) {
            FName = other->FName;
            return;
        }
        TCollectionItem::Assign(Source);
    }
};

// Records what the collection reported: the changed item's name, or "*"
// for the collection as a whole.
class TRecordingCollection : public TOwnedCollection {
public:
    explicit TRecordingCollection(TPersistent* owner = nullptr)
        : TOwnedCollection(owner, TCollectionItemClass::Of<TNamedItem>())
    {
    }
    TNamedItem* AddNamed(const QString& name)
    {
        auto* item = static_cast<TNamedItem*>(Add());
        item->FName = name;
        return item;
    }
    QStringList Names() const
    {
        QStringList names;
        for (int i = 0; i < Count(); ++i)
            names << static_cast<TNamedItem*>(Items(i))->FName;
        return names;
    }
    QStringList Updates;

protected:
    void Update(TCollectionItem* Item) override
    {
        Updates << (Item ? static_cast<TNamedItem*>(Item)->FName : QStringLiteral("*"));
    }
};

}

TEST(Collection, AddInsertDeleteAndMoveKeepOrderIdsAndIndexes)
{
    TRecordingCollection c;
    c.AddNamed("a");
    c.AddNamed("b");
    auto* inserted = static_cast<TNamedItem*>(c.Insert(1));
    inserted->FName = "x";
    EXPECT_EQ(c.Names(), QStringList({"a", "x", "b"}));
    EXPECT_EQ(inserted->Index(), 1);
    EXPECT_EQ(inserted->ID(), 2);
    EXPECT_EQ(c.FindItemID(2), inserted);

    inserted->SetIndex(5); // past the end: moved to the last place
    EXPECT_EQ(c.Names(), QStringList({"a", "b", "x"}));
    c.Delete(0);
    EXPECT_EQ(c.Names(), QStringList({"b", "x"}));
    EXPECT_EQ(c.FindItemID(0), nullptr);
    EXPECT_EQ(c.Add()->ID(), 3); // identifiers are never reused
}

TEST(Collection, IndexOutsideTheItemsRaisesTheListError)
{
    TRecordingCollection c;
    c.AddNamed("a");
    for (int index : {-1, 1}) {
        try {
            c.Items(index);
            FAIL() << "no error for " << index;
        } catch (const EListError& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("List index out of bounds (%1)").arg(index));
        }
    }
    EXPECT_THROW(c.Insert(2), EListError);
    EXPECT_THROW(c.Delete(1), EListError);
}

TEST(Collection, UpdatesWaitForTheOutermostEndUpdate)
{
    TRecordingCollection c;
    c.AddNamed("a")->SetName("a2");
    EXPECT_EQ(c.Updates, QStringList({"*", "a2"}));

    c.Updates.clear();
    c.BeginUpdate();
    c.BeginUpdate();
    c.AddNamed("b");
    static_cast<TNamedItem*>(c.Items(0))->SetName("a3");
    c.EndUpdate();
    EXPECT_TRUE(c.Updates.isEmpty());
    c.EndUpdate();
    EXPECT_EQ(c.Updates, QStringList({"*"}));

    // An unmatched EndUpdate must not leave the collection silent.
    c.Updates.clear();
    c.EndUpdate();
    EXPECT_EQ(c.UpdateCount(), 0);
    c.AddNamed("c");
    EXPECT_EQ(c.Updates, QStringList({"*"}));
}

TEST(Collection, AssignCopiesItemsAndAssigningToItselfChangesNothing)
{
    TRecordingCollection source;
    source.AddNamed("a");
    source.AddNamed("b");
    TRecordingCollection target;
    target.AddNamed("old");
    target.Updates.clear();
    target.Assign(&source);
    EXPECT_EQ(target.Names(), QStringList({"a", "b"}));
    EXPECT_EQ(target.Updates, QStringList({"*"})); // one report for the whole copy

    source.Updates.clear();
    source.Assign(&source);
    EXPECT_EQ(source.Names(), QStringList({"a", "b"}));
    EXPECT_TRUE(source.Updates.isEmpty());
}

TEST(Collection, OwnedCollectionReportsItsOwner)
{
    TRecordingCollection owner;
    TRecordingCollection c(&owner);
    EXPECT_EQ(c.GetOwner(), &owner);
    TNamedItem* item = c.AddNamed("a");
    EXPECT_EQ(item->Collection(), &c);
    c.Clear();
    EXPECT_EQ(c.Count(), 0);
}
