#pragma once
// One named node of the path bar's tree. Nodes are linked by pointers (first
// child, siblings, parent) and belong to a TKestTreeNodes collection, which
// creates them through its owner and tells it of every change.

#include "framework/Persistent.h"

#include <QString>

#pragma GCC visibility push(default)

class TKestTreeNodes;
class TStream;

class TKestTreeNode : public TPersistent {
public:
    explicit TKestTreeNode(TKestTreeNodes* owner);
    // Destroys the subtree: the owner hears of each node first, children
    // go from the last to the first, then the node leaves its siblings.
    ~TKestTreeNode() override;
    TKestTreeNode(const TKestTreeNode&) = delete;
    TKestTreeNode& operator=(const TKestTreeNode&) = delete;

    void Delete();
    void DeleteChildren();

    TKestTreeNode* AddChild(const QString& s) { return AddChild(nullptr, s); }
    TKestTreeNode* AddChild(void* data, const QString& s);
    TKestTreeNode* AddFirstChild(const QString& s) { return AddFirstChild(nullptr, s); }
    TKestTreeNode* AddFirstChild(void* data, const QString& s);

    void Assign(TPersistent* source) override;

    TKestTreeNode* GetFirstChild() const { return FFirstChild; }
    TKestTreeNode* GetLastChild() const;
    TKestTreeNode* GetNextSibling() const { return FNextSibling; }
    TKestTreeNode* GetPrevSibling() const { return FPrevSibling; }
    TKestTreeNode* GetNextChild(TKestTreeNode* value) const;
    TKestTreeNode* GetPrevChild(TKestTreeNode* value) const;
    TKestTreeNode* GetNext() const;
    bool HasAsParent(TKestTreeNode* value) const;
    bool IsFirstNode() const;
    bool IsFirstChild() const;
    int GetLevel() const;
    bool GetHasChildren() const { return FFirstChild != nullptr; }

    const QString& Text() const { return FText; }
    void SetText(const QString& value);
    void* Data() const { return FData; }
    void SetData(void* value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool value) { FShowText = value; }
    bool VirtualParent() const { return FVirtualParent; }
    void SetVirtualParent(bool value) { FVirtualParent = value; }
    TKestTreeNode* Parent() const { return FParentNode; }
    int Level() const { return GetLevel(); }
    bool HasChildren() const { return GetHasChildren(); }
    bool Deleting() const { return FDeleting; }
    TKestTreeNodes* Owner() const { return FOwner; }

private:
    friend class TKestTreeNodes;
    friend class TKestTreeNodesStore;

    int ChildCount() const;
    bool IsEqual(const TKestTreeNode* node) const;

    // The stages of destruction, so that a deep subtree can be torn down
    // without recursing once per level.
    void BeginDestroy();
    void FinishDestroy();
    static void DestroySubtree(TKestTreeNode* root);

    TKestTreeNodes* FOwner;
    QString FText;
    void* FData = nullptr;
    int FImageIndex = -1;
    bool FDeleting = false;
    TKestTreeNode* FFirstChild = nullptr;
    TKestTreeNode* FNextSibling = nullptr;
    TKestTreeNode* FPrevSibling = nullptr;
    TKestTreeNode* FParentNode = nullptr;
    bool FShowText = true;
    bool FVirtualParent = false;
    // Kept in step with the links so that appending a child costs the same
    // whatever the number of children.
    TKestTreeNode* FLastChild = nullptr;
    bool FTornDown = false;
};

#pragma GCC visibility pop
