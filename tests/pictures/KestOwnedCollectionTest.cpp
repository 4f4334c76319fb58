#include "framework/Exception.h"
#include "pictures/KestOwnedCollection.h"

#include <gtest/gtest.h>

namespace {

class TNumberItem : public TCollectionItem {
public:
    explicit TNumberItem(TCollection* Collection) : TCollectionItem(Collection) {}
    int Value = 0;
};

class TOtherItem : public TCollectionItem {
public:
    explicit TOtherItem(TCollection* Collection) : TCollectionItem(Collection) {}
};

}

TEST(KestOwnedCollection, EnumeratesItsItemsInOrderAndStopsAtTheEnd)
{
    TKestOwnedCollection<TNumberItem> numbers(nullptr);
    for (int i = 1; i <= 3; ++i)
        numbers.Add()->Value = i * 10;
    std::vector<int> seen;
    for (TNumberItem* item : numbers)
        seen.push_back(item->Value);
    EXPECT_EQ(seen, (std::vector<int>{10, 20, 30}));

    auto e = numbers.GetEnumerator();
    EXPECT_EQ(e->FIndex, -1);
    while (e->MoveNext()) {
    }
    EXPECT_EQ(e->FIndex, 2); // left on the last item
    EXPECT_FALSE(e->MoveNext());
    EXPECT_EQ(e->GetCurrent()->Value, 30);

    TKestOwnedCollection<TNumberItem> empty(nullptr);
    EXPECT_FALSE(empty.GetEnumerator()->MoveNext());
    EXPECT_EQ(empty.begin() != empty.end(), false);
}

TEST(KestOwnedCollection, AnItemOfAnotherClassIsAnInvalidCast)
{
    TKestOwnedCollection<TNumberItem> mixed(nullptr, TCollectionItemClass::Of<TOtherItem>());
    try {
        mixed.Add();
        FAIL() << "no error";
    } catch (const EInvalidCast& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid class typecast"));
    }
    EXPECT_EQ(mixed.Count(), 1);
    EXPECT_THROW(mixed.Items(0), EInvalidCast);
}
