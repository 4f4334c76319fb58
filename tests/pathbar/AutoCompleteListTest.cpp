#include "pathbar/AutoCompleteList.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

namespace {

// Entries mixing letter cases, accented letters and a folding that changes
// the length, so the ranged search must agree with a plain scan.
const QStringList kPaths = {"abc", "ABD", "a", "b", "Éa", "éa", "straße", "STRASSE", "Straßburg", "a/b",
                            "A/c", "ä", "zz", "Z"};

TAutoCompleteList Filled()
{
    TAutoCompleteList list;
    for (const QString& p : kPaths)
        list.Add(p, nullptr);
    return list;
}

QStringList Found(const TAutoCompleteList& list, const QString& prefix)
{
    QStringList found;
    list.ForEachStartingWith(prefix, [&](const QString& p, TKestTreeNode*) {
        found << p;
        return true;
    });
    return found;
}

// The filter as a plain scan in list order: ASCII letters upper-cased on
// both sides, then a prefix test.
QStringList Scanned(const TAutoCompleteList& list, const QString& prefix)
{
    const QString upper = TAutoCompleteList::AsciiUpper(prefix);
    QStringList found;
    list.ForEach([&](const QString& p, TKestTreeNode*) {
        if (TAutoCompleteList::AsciiUpper(p).startsWith(upper))
            found << p;
        return true;
    });
    return found;
}

class PrefixSearch : public ::testing::TestWithParam<const char*> {};

}

TEST_P(PrefixSearch, AgreesWithAPlainScan)
{
    const TAutoCompleteList list = Filled();
    const QString prefix = QString::fromUtf8(GetParam());
    EXPECT_EQ(Found(list, prefix), Scanned(list, prefix));
}

INSTANTIATE_TEST_SUITE_P(AutoCompleteList, PrefixSearch,
                         ::testing::Values("", "a", "AB", "a/", "é", "É", "str", "STRA", "straß", "z", "q"));

TEST(AutoCompleteList, OrderIgnoresCaseAndOnlyEqualPathsAreDuplicates)
{
    TAutoCompleteList list;
    EXPECT_TRUE(list.Add("b/x", nullptr));
    EXPECT_TRUE(list.Add("A/y", nullptr));
    EXPECT_TRUE(list.Add("a/Y", nullptr)) << "differs in case: another folder here";
    EXPECT_FALSE(list.Add("A/y", nullptr));
    QStringList order;
    list.ForEach([&](const QString& p, TKestTreeNode*) {
        order << p;
        return true;
    });
    EXPECT_EQ(order, QStringList({"A/y", "a/Y", "b/x"}));
}

TEST(AutoCompleteList, AccentsAreNotUpperCasedByTheFilter)
{
    const TAutoCompleteList list = Filled();
    EXPECT_EQ(Found(list, "é"), QStringList({"éa"}));
    EXPECT_EQ(Found(list, "STRAß"), QStringList({"Straßburg", "straße"}));
}
