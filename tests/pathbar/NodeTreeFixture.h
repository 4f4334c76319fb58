#pragma once
// A tree under test on its own, with an owner that records what the tree
// tells it, and a check of the tree's link invariants.

#include "framework/Stream.h"
#include "pathbar/KestTreeNodes.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include <QStringList>
#include <memory>

// Checks shared by the tree fixtures.
class TreeChecks : public ::testing::Test {
protected:
    // Texts of the children of parent (or the top-level nodes), in sibling
    // order, joined by ",".
    static QString Children(const TKestTreeNodes* tree, const TKestTreeNode* parent = nullptr)
    {
        QStringList texts;
        for (auto* n = parent ? parent->GetFirstChild() : tree->GetFirstNode(); n; n = n->GetNextSibling())
            texts << n->Text();
        return texts.join(u',');
    }

    // Checks every link invariant of the tree; returns an empty text or the
    // first broken one.
    static QString Invariants(const TKestTreeNodes* tree)
    {
        int topLevel = 0;
        const TKestTreeNode* prev = nullptr;
        for (auto* n = tree->GetFirstNode(); n; prev = n, n = n->GetNextSibling()) {
            ++topLevel;
            if (n->GetPrevSibling() != prev)
                return QStringLiteral("top-level back link of %1").arg(n->Text());
            if (n->Parent())
                return QStringLiteral("top-level %1 has a parent").arg(n->Text());
            int inList = 0;
            for (int i = 0; i < tree->Count(); ++i)
                inList += tree->GetNodeFromIndex(i) == n ? 1 : 0;
            if (inList != 1)
                return QStringLiteral("%1 is %2 times in the top-level list").arg(n->Text()).arg(inList);
            if (QString e = Subtree(n); !e.isEmpty())
                return e;
        }
        if (tree->GetLastNode() != prev)
            return QStringLiteral("last top-level node");
        if (topLevel != tree->Count())
            return QStringLiteral("top-level count %1, list %2").arg(topLevel).arg(tree->Count());
        return QString();
    }

private:
    static QString Subtree(const TKestTreeNode* node)
    {
        const TKestTreeNode* prev = nullptr;
        for (auto* c = node->GetFirstChild(); c; prev = c, c = c->GetNextSibling()) {
            if (c->Parent() != node)
                return QStringLiteral("parent of %1").arg(c->Text());
            if (c->GetPrevSibling() != prev)
                return QStringLiteral("back link of %1").arg(c->Text());
            if (QString e = Subtree(c); !e.isEmpty())
                return e;
        }
        if (node->GetLastChild() != prev)
            return QStringLiteral("last child of %1").arg(node->Text());
        return QString();
    }
};

// What a tree without a bar tells its owner, one line per notification.
class TRecordingOwner : public ITreeNodesOwner {
public:
    TKestTreeNode* CreateNode() override { return new TKestTreeNode(Tree); }
    void NodeAdded(TKestTreeNode* node) override { Hear(QStringLiteral("added ") + node->Text()); }
    void NodeDeleted(TKestTreeNode* node) override { Hear(QStringLiteral("deleted ") + node->Text()); }
    void NodeTextChanged(TKestTreeNode* node) override { Hear(QStringLiteral("text ") + node->Text()); }
    void NodesCleared() override { Hear(QStringLiteral("cleared")); }
    bool IsOwnerLoading() const override { return Loading; }
    bool IsOwnerDestroying() const override { return false; }

    TKestTreeNodes* Tree = nullptr;
    bool Loading = false;
    bool Record = true;
    QStringList Heard;

private:
    void Hear(const QString& line)
    {
        if (Record)
            Heard << line;
    }
};

// A tree on its own: no bar, no widget.
class NodeTreeFixture : public TreeChecks {
protected:
    void SetUp() override
    {
        tree = std::make_unique<TKestTreeNodes>(&owner);
        owner.Tree = tree.get();
    }
    void TearDown() override { tree.reset(); }

    TKestTreeNodes* nodes() { return tree.get(); }

    TRecordingOwner owner;
    std::unique_ptr<TKestTreeNodes> tree;
};

