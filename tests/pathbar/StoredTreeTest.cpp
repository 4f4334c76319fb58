#include "NodeTreeFixture.h"
#include "TreeFixture.h"

#include "framework/Stream.h"

#include <QtEndian>

namespace {

QByteArray Stored(const TKestTreeNodes* tree)
{
    TMemoryStream s;
    tree->WriteData(s);
    return s.Bytes();
}

// One node record block as written on the reference platform.
QByteArray Block(const QByteArray& text, int imageIndex, int children, int sizeOverride = -1)
{
    QByteArray b(4 + 29, '\0');
    int size = sizeOverride >= 0 ? sizeOverride : 29 + int(text.size());
    qToLittleEndian<qint32>(size, b.data());
    qToLittleEndian<qint32>(imageIndex, b.data() + 4);
    qToLittleEndian<qint32>(children, b.data() + 4 + 24);
    b[4 + 28] = char(text.size());
    return b + text;
}

QByteArray Count(int n)
{
    QByteArray b(4, '\0');
    qToLittleEndian<qint32>(n, b.data());
    return b;
}

}

TEST_F(NodeTreeFixture, StoredTreeRoundTripKeepsTextsImagesAndShape)
{
    auto* a = nodes()->Add("A");
    a->SetImageIndex(4);
    a->SetShowText(false);
    a->SetVirtualParent(true);
    int tag = 0;
    a->SetData(&tag);
    auto* b = a->AddChild(QStringLiteral("Bücher"));
    b->AddChild(QStringLiteral("日本語"))->SetImageIndex(-1);
    a->AddChild("C");
    nodes()->Add("D")->SetImageIndex(7);

    QByteArray data = Stored(nodes());
    TKestTreeNodes other(nullptr);
    TMemoryStream in(data);
    other.ReadData(in);

    auto* ra = other.GetFirstNode();
    ASSERT_NE(ra, nullptr);
    EXPECT_EQ(Children(&other), "A,D");
    EXPECT_EQ(Children(&other, ra), QStringLiteral("Bücher,C"));
    EXPECT_EQ(Children(&other, ra->GetFirstChild()), QStringLiteral("日本語"));
    EXPECT_EQ(ra->ImageIndex(), 4);
    EXPECT_EQ(ra->GetNextSibling()->ImageIndex(), 7);
    // Only texts, images and shape are stored.
    EXPECT_EQ(ra->Data(), nullptr);
    EXPECT_TRUE(ra->ShowText());
    EXPECT_FALSE(ra->VirtualParent());
    EXPECT_EQ(Invariants(&other), QString());
    EXPECT_EQ(Stored(&other), data);
}

TEST_F(NodeTreeFixture, LongTextsAreCutAtACharacterBoundary)
{
    nodes()->Add(QString(300, u'x'));
    // 127 two-byte characters fill 254 bytes; the next one would pass 255.
    nodes()->Add(QString(200, QChar(0x00E9)));
    QByteArray data = Stored(nodes());
    qint32 firstSize = qFromLittleEndian<qint32>(data.constData() + 4);
    EXPECT_EQ(firstSize, 284);

    TMemoryStream in(data);
    nodes()->ReadData(in);
    EXPECT_EQ(nodes()->GetFirstNode()->Text(), QString(255, u'x'));
    EXPECT_EQ(nodes()->GetFirstNode()->GetNextSibling()->Text(), QString(127, QChar(0x00E9)));
}

TEST_F(NodeTreeFixture, RecordsThatAreNotUtf8AreReadAsWindows1252)
{
    QByteArray data = Count(1) + Block(QByteArray("Caf\xE9 \x80", 6), 0, 0);
    TMemoryStream in(data);
    nodes()->ReadData(in);
    EXPECT_EQ(nodes()->GetFirstNode()->Text(), QStringLiteral("Café €"));
}

namespace {

struct BadData {
    const char* name;
    QByteArray data;
    const char* message;
    const char* kept; // texts of the top-level nodes read before the error
};

class StoredTreeErrors : public NodeTreeFixture, public ::testing::WithParamInterface<BadData> {};

}

TEST_P(StoredTreeErrors, RaiseAndKeepWhatWasRead)
{
    const BadData& c = GetParam();
    TMemoryStream in(c.data);
    try {
        nodes()->ReadData(in);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(c.message));
    }
    EXPECT_EQ(Children(nodes()), QString::fromLatin1(c.kept));
    EXPECT_EQ(Invariants(nodes()), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Tree, StoredTreeErrors,
    ::testing::Values(
        BadData{"EmptyData", QByteArray(), "Stream read error", ""},
        BadData{"EndsInsideCount", QByteArray("\x01\x00", 2), "Stream read error", ""},
        BadData{"NegativeCount", Count(-1), "Invalid node count (-1)", ""},
        BadData{"EndsInsideRecord", Count(2) + Block("A", 0, 0) + Block("B", 0, 0).left(20), "Stream read error", "A,"},
        BadData{"RecordTooSmall", Count(1) + Block("", 0, 0, 28), "Invalid node record size (28)", ""},
        BadData{"RecordTooLarge", Count(1) + Block("", 0, 0, 285), "Invalid node record size (285)", ""},
        BadData{"NegativeChildCount", Count(1) + Block("A", 0, -5), "Invalid node count (-5)", "A"},
        BadData{"MoreChildrenThanData", Count(1) + Block("A", 0, 3) + Block("B", 0, 0), "Stream read error", "A"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NodeTreeFixture, TextLengthBeyondTheRecordIsRejected)
{
    QByteArray block = Block("AB", 0, 0);
    block[4 + 28] = char(200); // claims 200 bytes in a 31-byte record
    TMemoryStream in(Count(1) + block);
    EXPECT_THROW(nodes()->ReadData(in), ETreeViewError);
}

TEST_F(TreeFixture, AssignCopiesTheWholeTree)
{
    auto* a = nodes()->Add("A");
    a->AddChild("B")->AddChild("C");
    TKestExplorerTreeview other(nullptr);
    other.SetMode(aeCustom);
    other.Items()->Add("old");
    other.SetItems(nodes());
    EXPECT_EQ(Children(other.Items()), "A");
    EXPECT_EQ(Children(other.Items(), other.Items()->GetFirstNode()), "B");
    EXPECT_EQ(Invariants(other.Items()), QString());
}

TEST_F(TreeFixture, DeepChainsReadWithEveryPathAndSelectTheDeepest)
{
    // Every node's path once cost its depth in string copies; a chain this
    // deep then took minutes to read with auto-complete on.
    const int depth = 3000;
    QByteArray chain = Count(1);
    QString deepestPath;
    for (int i = 0; i < depth; ++i) {
        const QByteArray name = QByteArray::number(i % 100);
        chain += Block(name, -1, i + 1 < depth ? 1 : 0);
        deepestPath += (i ? "/" : "") + QString::fromLatin1(name);
    }
    TMemoryStream in(chain);
    nodes()->ReadData(in);
    TKestTreeNode* deepest = nodes()->GetFirstNode();
    while (deepest->GetFirstChild())
        deepest = deepest->GetFirstChild();
    EXPECT_EQ(bar->AutoCompleteList().Count(), depth);
    EXPECT_EQ(bar->AutoCompleteList().PathOf(deepest), deepestPath);
    EXPECT_EQ(bar->AutoCompleteList().PathOf(deepest->Parent()), deepestPath.left(deepestPath.lastIndexOf(u'/')));
    bar->SetSelectedNode(deepest);
    EXPECT_EQ(bar->Text(), deepestPath);
}
