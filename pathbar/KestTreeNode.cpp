#include "pathbar/KestTreeNode.h"

#include "pathbar/KestTreeNodes.h"
#include "pathbar/TreeViewError.h"

#include <vector>

TKestTreeNode::TKestTreeNode(TKestTreeNodes* owner) : FOwner(owner) {}

TKestTreeNode::~TKestTreeNode()
{
    if (FTornDown)
        return;
    BeginDestroy();
    DeleteChildren();
    FinishDestroy();
}

void TKestTreeNode::BeginDestroy()
{
    FDeleting = true;
    if (FOwner && FOwner->Owner())
        FOwner->Owner()->NodeDeleted(this);
}

void TKestTreeNode::FinishDestroy()
{
    FTornDown = true;
    if (!FOwner)
        return;
    bool destroying = FOwner->Deleting() || FOwner->IsOwnerDestroying();
    if (!(FParentNode && FParentNode->FDeleting) && !destroying)
        FOwner->Unlink(this);
    if (!FParentNode)
        FOwner->FNodeList.RemoveLast(this);
}

void TKestTreeNode::DestroySubtree(TKestTreeNode* root)
{
    // Depth-first with an explicit stack, in the order a recursive teardown
    // would use: a node is announced before its children, its children go
    // from the last to the first, and it is freed after them.
    struct Frame {
        TKestTreeNode* node;
        std::vector<TKestTreeNode*> children;
        size_t next = 0;
    };
    auto open = [](TKestTreeNode* node) {
        node->BeginDestroy();
        Frame f{node, {}, 0};
        for (TKestTreeNode* c = node->FFirstChild; c; c = c->FNextSibling)
            f.children.push_back(c);
        return f;
    };
    std::vector<Frame> stack;
    stack.push_back(open(root));
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (top.next < top.children.size()) {
            TKestTreeNode* child = top.children[top.children.size() - 1 - top.next++];
            stack.push_back(open(child));
            continue;
        }
        TKestTreeNode* done = top.node;
        stack.pop_back();
        done->FinishDestroy();
        delete done;
    }
}

void TKestTreeNode::Delete()
{
    if (!FDeleting)
        delete this;
}

void TKestTreeNode::DeleteChildren()
{
    std::vector<TKestTreeNode*> snapshot;
    for (TKestTreeNode* c = FFirstChild; c; c = c->FNextSibling)
        snapshot.push_back(c);
    for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it)
        DestroySubtree(*it);
}

TKestTreeNode* TKestTreeNode::AddChild(void* data, const QString& s)
{
    TKestTreeNode* node = FLastChild ? FOwner->InternalAddNode(nullptr, FLastChild, TKestTreeNodes::TInsertMode::After)
                                     : FOwner->InternalAddNode(this, nullptr, TKestTreeNodes::TInsertMode::After);
    if (node) {
        node->SetText(s);
        node->SetData(data);
    }
    return node;
}

TKestTreeNode* TKestTreeNode::AddFirstChild(void* data, const QString& s)
{
    TKestTreeNode* node = FFirstChild
                              ? FOwner->InternalAddNode(nullptr, FFirstChild, TKestTreeNodes::TInsertMode::Before)
                              : FOwner->InternalAddNode(this, nullptr, TKestTreeNodes::TInsertMode::After);
    if (node) {
        node->SetText(s);
        node->SetData(data);
    }
    return node;
}

void TKestTreeNode::Assign(TPersistent* source)
{
    if (auto* node = dynamic_cast<TKestTreeNode*>(source)) {
        if (FDeleting)
            return;
        SetText(node->FText);
        SetData(node->FData);
        SetImageIndex(node->FImageIndex);
        SetShowText(node->FShowText);
        SetVirtualParent(node->FVirtualParent);
        return;
    }
    TPersistent::Assign(source);
}

TKestTreeNode* TKestTreeNode::GetLastChild() const { return FLastChild; }

TKestTreeNode* TKestTreeNode::GetNextChild(TKestTreeNode* value) const
{
    return value ? value->FNextSibling : nullptr;
}

TKestTreeNode* TKestTreeNode::GetPrevChild(TKestTreeNode* value) const
{
    return value ? value->FPrevSibling : nullptr;
}

TKestTreeNode* TKestTreeNode::GetNext() const
{
    if (FFirstChild)
        return FFirstChild;
    for (const TKestTreeNode* n = this; n; n = n->FParentNode)
        if (n->FNextSibling)
            return n->FNextSibling;
    return nullptr;
}

bool TKestTreeNode::HasAsParent(TKestTreeNode* value) const
{
    if (!value)
        return true;
    for (TKestTreeNode* p = FParentNode; p; p = p->FParentNode)
        if (p == value)
            return true;
    return false;
}

bool TKestTreeNode::IsFirstNode() const { return FOwner && FOwner->FFirstNode == this; }

bool TKestTreeNode::IsFirstChild() const
{
    return IsFirstNode() || (FParentNode && FParentNode->FFirstChild == this);
}

int TKestTreeNode::GetLevel() const
{
    int level = 0;
    for (TKestTreeNode* p = FParentNode; p; p = p->FParentNode)
        ++level;
    return level;
}

void TKestTreeNode::SetText(const QString& value)
{
    if (FDeleting || value == FText)
        return;
    FText = value;
    if (FOwner && FOwner->Owner())
        FOwner->Owner()->NodeTextChanged(this);
}

void TKestTreeNode::SetData(void* value)
{
    if (!FDeleting)
        FData = value;
}

void TKestTreeNode::SetImageIndex(int value) { FImageIndex = value; }

int TKestTreeNode::ChildCount() const
{
    int n = 0;
    for (TKestTreeNode* c = FFirstChild; c; c = c->FNextSibling)
        ++n;
    return n;
}

bool TKestTreeNode::IsEqual(const TKestTreeNode* node) const
{
    return node && FText == node->FText && FData == node->FData;
}
