#include "pathbar/AutoCompleteList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

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

// The matches read one position at a time, as the list view reads them.
QStringList ByPosition(const TAutoCompleteList& list, const QString& prefix)
{
    const TAutoCompleteList::TMatches matches = list.Matches(prefix);
    QStringList found;
    for (int i = 0; i < matches.Count(); ++i)
        found << list.PathAt(matches.Position(i));
    return found;
}

TEST_P(PrefixSearch, AgreesWithAPlainScan)
{
    const TAutoCompleteList list = Filled();
    const QString prefix = QString::fromUtf8(GetParam());
    EXPECT_EQ(Found(list, prefix), Scanned(list, prefix));
    EXPECT_EQ(ByPosition(list, prefix), Scanned(list, prefix));
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

TEST(AutoCompleteList, ManyEntriesAddedAndRemovedInAnyOrderStayFindableByPosition)
{
    // Enough entries for the list to split its storage many times; added
    // in a scrambled order, every third one removed again.
    // The list never looks into a node: distinct addresses serve as nodes.
    std::vector<char> tokens(5000);
    TAutoCompleteList list;
    std::vector<TKestTreeNode*> nodes;
    for (int i = 0; i < 5000; ++i) {
        const int k = (i * 7919) % 5000;
        auto* node = reinterpret_cast<TKestTreeNode*>(&tokens[size_t(i)]);
        nodes.push_back(node);
        ASSERT_TRUE(list.Add(QStringLiteral("/p%1/%2").arg(k % 10).arg(k), node));
    }
    for (size_t i = 0; i < nodes.size(); i += 3)
        ASSERT_TRUE(list.RemoveNode(nodes[i]));
    EXPECT_FALSE(list.RemoveNode(nodes[0]));
    EXPECT_EQ(list.Count(), 5000 - 1667);

    QStringList all;
    list.ForEach([&](const QString& p, TKestTreeNode*) {
        all << p;
        return true;
    });
    QStringList sorted = all;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.toCaseFolded() < b.toCaseFolded(); });
    EXPECT_EQ(all, sorted);
    for (const char* prefix : {"", "/", "/P3", "/p3/3", "/p9/4999", "/q"})
        EXPECT_EQ(ByPosition(list, prefix), Scanned(list, prefix)) << prefix;
    for (size_t i = 1; i < nodes.size(); i += 501) { // kept: i % 3 == 1
        const int p = list.PositionOf(nodes[i]);
        ASSERT_GE(p, 0);
        EXPECT_EQ(list.NodeAt(p), nodes[i]);
        EXPECT_EQ(list.PathAt(p), list.PathOf(nodes[i]));
    }
    EXPECT_EQ(list.PositionOf(nodes[0]), -1) << "removed";
}
