#include "NodeTreeFixture.h"
#include "pathbar/ExpTreeviewAppearance.h"
#include "pathbar/DbgList.h"
#include "framework/Exception.h"

#include <functional>

namespace {

// The whole tree as text: "A(B,C),D".
QString Shape(const TKestTreeNode* first)
{
    QStringList parts;
    for (auto* n = first; n; n = n->GetNextSibling())
        parts << (n->HasChildren() ? n->Text() + u'(' + Shape(n->GetFirstChild()) + u')' : n->Text());
    return parts.join(u',');
}

struct TreeCase {
    const char* name;
    std::function<void(TKestTreeNodes&)> build;
    const char* shape;
    const char* orderOfAddition; // top-level list, by index
};

const TreeCase kTreeCases[] = {
    {"AddAppendsTopLevel", [](TKestTreeNodes& t) { t.Add("A"); t.Add("B"); }, "A,B", "A,B"},
    {"AddFirstOnEmptyMakesFirstNode", [](TKestTreeNodes& t) { t.AddFirst("A"); }, "A", "A"},
    {"AddFirstPrependsButListKeepsAdditionOrder",
     [](TKestTreeNodes& t) { t.Add("A"); t.Add("B"); t.AddFirst("C"); }, "C,A,B", "A,B,C"},
    {"InsertBeforeMiddleSibling",
     [](TKestTreeNodes& t) { t.Add("A"); auto* b = t.Add("B"); t.Add("C"); t.Insert(b, "X"); }, "A,X,B,C", "A,B,C,X"},
    {"InsertBeforeFirstChild",
     [](TKestTreeNodes& t) { auto* a = t.Add("A"); auto* b = a->AddChild("B"); t.Insert(b, "X"); }, "A(X,B)", "A"},
    {"InsertWithoutSiblingOnNonEmptyMakesNothing",
     [](TKestTreeNodes& t) { t.Add("A"); EXPECT_EQ(t.InsertObject(nullptr, "X", nullptr), nullptr); }, "A", "A"},
    {"InsertWithoutSiblingOnEmptyMakesFirst",
     [](TKestTreeNodes& t) { EXPECT_NE(t.Insert(nullptr, "X"), nullptr); }, "X", "X"},
    {"AddChildAppends",
     [](TKestTreeNodes& t) { auto* a = t.Add("A"); a->AddChild("B"); a->AddChild("C"); }, "A(B,C)", "A"},
    {"AddFirstChildPrepends",
     [](TKestTreeNodes& t) {
         auto* a = t.Add("A");
         auto* b = a->AddChild("B");
         auto* x = a->AddFirstChild("X");
         EXPECT_EQ(a->GetFirstChild(), x);
         EXPECT_EQ(b->GetPrevSibling(), x);
     },
     "A(X,B)", "A"},
    {"DeleteFirstOfThreeSiblings",
     [](TKestTreeNodes& t) {
         auto* a = t.Add("A");
         auto* b = a->AddChild("B");
         auto* c = a->AddChild("C");
         a->AddChild("D");
         b->Delete();
         EXPECT_EQ(a->GetFirstChild(), c);
         EXPECT_EQ(c->GetPrevSibling(), nullptr);
     },
     "A(C,D)", "A"},
    {"DeleteLastChildMovesLast",
     [](TKestTreeNodes& t) {
         auto* a = t.Add("A");
         a->AddChild("B");
         a->AddChild("C")->Delete();
         a->AddChild("D");
     },
     "A(B,D)", "A"},
    {"DeleteOnlyChild", [](TKestTreeNodes& t) { t.Add("A")->AddChild("B")->Delete(); }, "A", "A"},
    {"DeleteFirstTopLevelNode",
     [](TKestTreeNodes& t) { auto* a = t.Add("A"); t.Add("B"); t.Delete(a); }, "B", "B"},
    {"DeleteLastTopLevelThenAdd",
     [](TKestTreeNodes& t) { t.Add("A"); t.Add("B")->Delete(); t.Add("C"); }, "A,C", "A,C"},
    {"DeleteSubtreeWithGrandchildren",
     [](TKestTreeNodes& t) {
         auto* a = t.Add("A");
         auto* b = a->AddChild("B");
         b->AddChild("C")->AddChild("D");
         a->AddChild("E");
         b->Delete();
     },
     "A(E)", "A"},
    {"DeleteChildrenKeepsNode",
     [](TKestTreeNodes& t) { auto* a = t.Add("A"); a->AddChild("B"); a->AddChild("C"); a->DeleteChildren(); a->AddChild("D"); },
     "A(D)", "A"},
    {"ClearEmpties", [](TKestTreeNodes& t) { t.Add("A")->AddChild("B"); t.Add("C"); t.Clear(); t.Add("D"); }, "D", "D"},
};

class NodeTreeOps : public NodeTreeFixture, public ::testing::WithParamInterface<TreeCase> {};

}

TEST_P(NodeTreeOps, ShapeAndInvariants)
{
    const TreeCase& c = GetParam();
    c.build(*nodes());
    EXPECT_EQ(Shape(nodes()->GetFirstNode()), QString::fromLatin1(c.shape));
    QStringList added;
    for (int i = 0; i < nodes()->Count(); ++i)
        added << nodes()->GetNodeFromIndex(i)->Text();
    EXPECT_EQ(added.join(u','), QString::fromLatin1(c.orderOfAddition));
    EXPECT_EQ(Invariants(nodes()), QString());
}

INSTANTIATE_TEST_SUITE_P(Tree, NodeTreeOps, ::testing::ValuesIn(kTreeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NodeTreeFixture, NavigationAndRelations)
{
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("B");
    auto* c = b->AddChild("C");
    auto* d = a->AddChild("D");
    auto* e = nodes()->Add("E");

    EXPECT_EQ(a->GetNext(), b);
    EXPECT_EQ(b->GetNext(), c);
    EXPECT_EQ(c->GetNext(), d); // up to the nearest ancestor with a next sibling
    EXPECT_EQ(d->GetNext(), e);
    EXPECT_EQ(e->GetNext(), nullptr);

    EXPECT_TRUE(c->HasAsParent(nullptr));
    EXPECT_TRUE(c->HasAsParent(a));
    EXPECT_FALSE(c->HasAsParent(c));
    EXPECT_FALSE(a->HasAsParent(c));
    // The receiving node plays no part.
    EXPECT_EQ(e->GetNextChild(b), d);
    EXPECT_EQ(e->GetPrevChild(d), b);
    EXPECT_EQ(e->GetNextChild(nullptr), nullptr);

    EXPECT_EQ(c->Level(), 2);
    EXPECT_TRUE(a->IsFirstNode());
    EXPECT_TRUE(b->IsFirstChild());
    EXPECT_FALSE(d->IsFirstChild());
    EXPECT_EQ(nodes()->GetNodeFromIndex(-1), nullptr);
    EXPECT_EQ(nodes()->GetNodeFromIndex(2), nullptr);
}

TEST_F(NodeTreeFixture, AssignCopiesNodeValuesAndRefusesOtherClasses)
{
    auto* a = nodes()->Add("A");
    auto* b = nodes()->Add("B");
    int tag = 0;
    a->SetData(&tag);
    a->SetImageIndex(3);
    a->SetShowText(false);
    a->SetVirtualParent(true);
    b->Assign(a);
    EXPECT_EQ(b->Text(), "A");
    EXPECT_EQ(b->Data(), &tag);
    EXPECT_EQ(b->ImageIndex(), 3);
    EXPECT_FALSE(b->ShowText());
    EXPECT_TRUE(b->VirtualParent());

    try {
        TExpTreeviewAppearance appearance;
        b->Assign(&appearance);
        FAIL() << "no assignment error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TExpTreeviewAppearance to a TKestTreeNode");
    }
}

TEST(DbgList, BoundsChecksHaveTheirOwnMessages)
{
    TDbgList list;
    int x = 0;
    list.Add(&x);
    auto message = [](auto&& f) {
        try {
            f();
        } catch (const Exception& e) {
            return e.Message();
        }
        return QString();
    };
    EXPECT_EQ(message([&] { list.GetItemsEx(1); }), "Index out of bounds in list read access");
    EXPECT_EQ(message([&] { list.SetItemsEx(1, nullptr); }), "Index out of bounds in list write access");
    EXPECT_EQ(message([&] { list.GetItemsEx(-1); }), "List index out of bounds (-1)");
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(NodeTreeFixture, ClearDeepTreeDoesNotRecursePerLevel)
{
    owner.Record = false;
    auto* n = nodes()->Add("root");
    for (int i = 0; i < 200000; ++i)
        n = n->AddChild(QStringLiteral("d"));
    nodes()->Clear();
    EXPECT_EQ(nodes()->Count(), 0);
    EXPECT_EQ(nodes()->GetFirstNode(), nullptr);
}

TEST_F(NodeTreeFixture, OwnerHearsOfEveryChangeInOrder)
{
    auto* a = nodes()->Add("A");
    auto* b = a->AddChild("B");
    b->AddChild("C");
    a->SetText("A2");
    b->Delete();
    nodes()->Clear();
    EXPECT_EQ(owner.Heard.join(u'|'),
              "added |text A|added |text B|added |text C|text A2|deleted B|deleted C|deleted A2|cleared");

    // Nodes read from a stored tree: the top-level node is announced once
    // it has been read, with its children, also while the owner loads.
    TMemoryStream stored;
    auto* d = nodes()->Add("D");
    d->AddChild("E");
    nodes()->WriteData(stored);
    stored.SetPosition(0);
    owner.Loading = true;
    owner.Heard.clear();
    nodes()->ReadData(stored);
    EXPECT_EQ(owner.Heard.join(u'|'), "deleted D|deleted E|cleared|text D|text E|added D");
}
