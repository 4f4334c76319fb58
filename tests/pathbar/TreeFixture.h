#pragma once
// A path bar in program-supplied mode to hold trees under test, and a check
// of the tree's link invariants.

#include "pathbar/KestExplorerTreeview.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"
#include <memory>

class TreeFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeCustom);
    }

    TKestTreeNodes* nodes() { return bar->Items(); }

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

    std::unique_ptr<TKestExplorerTreeview> bar;

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
