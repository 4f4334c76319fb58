#pragma once
// A pointer list of tree nodes whose typed accessors check the upper bound
// with messages of their own.

#include "framework/List.h"

#pragma GCC visibility push(default)

class TKestTreeNode;

class TDbgList : public TList {
public:
    TKestTreeNode* GetItemsEx(int index) const;
    void SetItemsEx(int index, TKestTreeNode* value);
    void AssignList(const TList& listA);
};

#pragma GCC visibility pop
