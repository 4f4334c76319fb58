#pragma once
// The history list: visited nodes and their children in the order they were
// added, each at most once, for the history window.

#include "pathbar/DbgList.h"

#include <QSet>

class TKestTreeNode;

class THistoryList {
public:
    int Count() const { return FNodes.Count(); }
    // The node at index, or none when index is out of range.
    TKestTreeNode* At(int index) const;
    // Appends node unless it is already in the list; false then.
    bool Add(TKestTreeNode* node);
    void Remove(TKestTreeNode* node);
    void RemoveAt(int index);
    void Clear();

private:
    TDbgList FNodes;
    // Membership, so adding stays cheap for large folders.
    QSet<TKestTreeNode*> FMembers;
};
