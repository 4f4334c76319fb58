#include "pathbar/KestTreeNodes.h"

#include "framework/Filer.h"
#include "framework/Stream.h"

TKestTreeNodes::TKestTreeNodes(ITreeNodesOwner* owner) : FOwner(owner) {}

TKestTreeNodes::~TKestTreeNodes()
{
    FDeleting = true;
    Clear();
}

bool TKestTreeNodes::IsOwnerDestroying() const { return FOwner && FOwner->IsOwnerDestroying(); }

TKestTreeNode* TKestTreeNodes::NewNode()
{
    return FOwner ? FOwner->CreateNode() : new TKestTreeNode(this);
}

TKestTreeNode* TKestTreeNodes::Add(void* data, const QString& s)
{
    TKestTreeNode* node = InternalAddNode(nullptr, FLastNode, TInsertMode::After);
    if (node) {
        node->SetText(s);
        node->SetData(data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::AddFirst(void* data, const QString& s)
{
    TKestTreeNode* node = InternalAddNode(nullptr, FFirstNode, TInsertMode::Before);
    if (node) {
        node->SetText(s);
        node->SetData(data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::InsertObject(TKestTreeNode* sibling, const QString& s, void* data)
{
    TKestTreeNode* node = InternalAddNode(nullptr, sibling, TInsertMode::Before);
    if (node) {
        node->SetText(s);
        node->SetData(data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::InternalAddNode(TKestTreeNode* parent, TKestTreeNode* sibling, TInsertMode mode)
{
    TKestTreeNode* node = nullptr;
    if (sibling) {
        node = NewNode();
        if (mode == TInsertMode::After)
            LinkAfter(node, sibling);
        else
            LinkBefore(node, sibling);
    } else if (parent) {
        node = NewNode();
        node->FParentNode = parent;
        parent->FFirstChild = node;
        parent->FLastChild = node;
    } else if (FNodeList.Count() == 0) {
        node = NewNode();
        FFirstNode = node;
        FLastNode = node;
        FNodeList.Add(node);
    }
    if (node && FOwner && !FOwner->IsOwnerLoading())
        FOwner->NodeAdded(node);
    return node;
}

void TKestTreeNodes::LinkAfter(TKestTreeNode* node, TKestTreeNode* sibling)
{
    TKestTreeNode* next = sibling->FNextSibling;
    node->FNextSibling = next;
    node->FPrevSibling = sibling;
    sibling->FNextSibling = node;
    if (next)
        next->FPrevSibling = node;
    node->FParentNode = sibling->FParentNode;
    if (!next) {
        if (node->FParentNode)
            node->FParentNode->FLastChild = node;
        else
            FLastNode = node;
    }
    if (!sibling->FParentNode)
        FNodeList.Add(node);
}

void TKestTreeNodes::LinkBefore(TKestTreeNode* node, TKestTreeNode* sibling)
{
    TKestTreeNode* parent = sibling->FParentNode;
    if (sibling == FFirstNode) {
        FFirstNode = node;
    } else if (parent && parent->FFirstChild == sibling) {
        parent->FFirstChild = node;
    } else {
        node->FPrevSibling = sibling->FPrevSibling;
        if (node->FPrevSibling)
            node->FPrevSibling->FNextSibling = node;
    }
    node->FNextSibling = sibling;
    sibling->FPrevSibling = node;
    node->FParentNode = parent;
    if (!parent)
        FNodeList.Add(node);
}

void TKestTreeNodes::Unlink(TKestTreeNode* node)
{
    TKestTreeNode* prev = node->FPrevSibling;
    TKestTreeNode* next = node->FNextSibling;
    TKestTreeNode* parent = node->FParentNode;
    if (prev && next) {
        prev->FNextSibling = next;
        next->FPrevSibling = prev;
    } else if (next) {
        next->FPrevSibling = nullptr;
        if (node == FFirstNode)
            FFirstNode = next;
        else if (parent && parent->FFirstChild == node)
            parent->FFirstChild = next;
    } else if (prev) {
        prev->FNextSibling = nullptr;
    } else if (parent && parent->FFirstChild == node) {
        parent->FFirstChild = nullptr;
    } else if (node == FFirstNode) {
        FFirstNode = nullptr;
    }
    if (!next) {
        if (parent)
            parent->FLastChild = prev;
        else if (FLastNode == node)
            FLastNode = prev;
    }
    node->FPrevSibling = node->FNextSibling = nullptr;
}

void TKestTreeNodes::Delete(TKestTreeNode* node)
{
    if (node)
        node->Delete();
}

void TKestTreeNodes::Clear()
{
    while (FNodeList.Count() > 0) {
        int last = FNodeList.Count() - 1;
        TKestTreeNode* node = FNodeList.GetItemsEx(last);
        delete node;
        // A node left in the list (its removal was skipped) must not be
        // deleted twice.
        if (FNodeList.Count() > last && FNodeList.GetItemsEx(last) == node)
            FNodeList.Delete(last);
    }
    FNodeList.Clear();
    // Nodes destroyed with their owner are not unlinked one by one.
    FFirstNode = nullptr;
    FLastNode = nullptr;
    if (FOwner && !FOwner->IsOwnerDestroying())
        FOwner->NodesCleared();
}

TKestTreeNode* TKestTreeNodes::GetNodeFromIndex(int index) const
{
    if (index < 0 || index >= FNodeList.Count())
        return nullptr;
    return FNodeList.GetItemsEx(index);
}

void TKestTreeNodes::Assign(TPersistent* source)
{
    if (auto* other = dynamic_cast<TKestTreeNodes*>(source)) {
        if (other == this)
            return;
        Clear();
        TMemoryStream stream;
        other->WriteData(stream);
        stream.SetPosition(0);
        ReadData(stream);
        return;
    }
    TPersistent::Assign(source);
}

bool TKestTreeNodes::HasDataFor(const TKestTreeNodes* ancestor) const
{
    if (!ancestor)
        return Count() > 0;
    if (ancestor->Count() != Count())
        return true;
    for (int i = 0; i < Count(); ++i)
        if (!FNodeList.GetItemsEx(i)->IsEqual(ancestor->FNodeList.GetItemsEx(i)))
            return true;
    return false;
}

void TKestTreeNodes::DefineProperties(TFiler* filer)
{
    filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
        HasDataFor(dynamic_cast<TKestTreeNodes*>(filer->Ancestor())));
}
