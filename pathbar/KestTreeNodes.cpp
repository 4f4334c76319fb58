#include "pathbar/KestTreeNodes.h"

#include "framework/Filer.h"
#include "framework/Stream.h"

TKestTreeNodes::TKestTreeNodes(ITreeNodesOwner* AOwner) : FOwner(AOwner) {}

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

TKestTreeNode* TKestTreeNodes::Add(void* Data, const QString& S)
{
    TKestTreeNode* node = InternalAddNode(nullptr, FLastNode, TInsertMode::After);
    if (node) {
        node->SetText(S);
        node->SetData(Data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::AddFirst(void* Data, const QString& S)
{
    TKestTreeNode* node = InternalAddNode(nullptr, FFirstNode, TInsertMode::Before);
    if (node) {
        node->SetText(S);
        node->SetData(Data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::InsertObject(TKestTreeNode* Sibling, const QString& S, void* Data)
{
    TKestTreeNode* node = InternalAddNode(nullptr, Sibling, TInsertMode::Before);
    if (node) {
        node->SetText(S);
        node->SetData(Data);
    }
    return node;
}

TKestTreeNode* TKestTreeNodes::InternalAddNode(TKestTreeNode* Parent, TKestTreeNode* Sibling, TInsertMode Mode)
{
    TKestTreeNode* node = nullptr;
    if (Sibling) {
        node = NewNode();
        if (Mode == TInsertMode::After)
            LinkAfter(node, Sibling);
        else
            LinkBefore(node, Sibling);
    } else if (Parent) {
        node = NewNode();
        node->FParentNode = Parent;
        Parent->FFirstChild = node;
        Parent->FLastChild = node;
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

void TKestTreeNodes::LinkAfter(TKestTreeNode* Node, TKestTreeNode* Sibling)
{
    TKestTreeNode* next = Sibling->FNextSibling;
    Node->FNextSibling = next;
    Node->FPrevSibling = Sibling;
    Sibling->FNextSibling = Node;
    if (next)
        next->FPrevSibling = Node;
    Node->FParentNode = Sibling->FParentNode;
    if (!next) {
        if (Node->FParentNode)
            Node->FParentNode->FLastChild = Node;
        else
            FLastNode = Node;
    }
    if (!Sibling->FParentNode)
        FNodeList.Add(Node);
}

void TKestTreeNodes::LinkBefore(TKestTreeNode* Node, TKestTreeNode* Sibling)
{
    TKestTreeNode* parent = Sibling->FParentNode;
    if (Sibling == FFirstNode) {
        FFirstNode = Node;
    } else if (parent && parent->FFirstChild == Sibling) {
        parent->FFirstChild = Node;
    } else {
        Node->FPrevSibling = Sibling->FPrevSibling;
        if (Node->FPrevSibling)
            Node->FPrevSibling->FNextSibling = Node;
    }
    Node->FNextSibling = Sibling;
    Sibling->FPrevSibling = Node;
    Node->FParentNode = parent;
    if (!parent)
        FNodeList.Add(Node);
}

void TKestTreeNodes::Unlink(TKestTreeNode* Node)
{
    TKestTreeNode* prev = Node->FPrevSibling;
    TKestTreeNode* next = Node->FNextSibling;
    TKestTreeNode* parent = Node->FParentNode;
    if (prev && next) {
        prev->FNextSibling = next;
        next->FPrevSibling = prev;
    } else if (next) {
        next->FPrevSibling = nullptr;
        if (Node == FFirstNode)
            FFirstNode = next;
        else if (parent && parent->FFirstChild == Node)
            parent->FFirstChild = next;
    } else if (prev) {
        prev->FNextSibling = nullptr;
    } else if (parent && parent->FFirstChild == Node) {
        parent->FFirstChild = nullptr;
    } else if (Node == FFirstNode) {
        FFirstNode = nullptr;
    }
    if (!next) {
        if (parent)
            parent->FLastChild = prev;
        else if (FLastNode == Node)
            FLastNode = prev;
    }
    Node->FPrevSibling = Node->FNextSibling = nullptr;
}

void TKestTreeNodes::Delete(TKestTreeNode* Node)
{
    if (Node)
        Node->Delete();
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

TKestTreeNode* TKestTreeNodes::GetNodeFromIndex(int Index) const
{
    if (Index < 0 || Index >= FNodeList.Count())
        return nullptr;
    return FNodeList.GetItemsEx(Index);
}

void TKestTreeNodes::Assign(TPersistent* Source)
{
    if (auto* other = dynamic_cast<TKestTreeNodes*>(Source)) {
        if (other == this)
            return;
        Clear();
        TMemoryStream stream;
        other->WriteData(stream);
        stream.SetPosition(0);
        ReadData(stream);
        return;
    }
    TPersistent::Assign(Source);
}

bool TKestTreeNodes::HasDataFor(const TKestTreeNodes* Ancestor) const
{
    if (!Ancestor)
        return Count() > 0;
    if (Ancestor->Count() != Count())
        return true;
    for (int i = 0; i < Count(); ++i)
        if (!FNodeList.GetItemsEx(i)->IsEqual(Ancestor->FNodeList.GetItemsEx(i)))
            return true;
    return false;
}

void TKestTreeNodes::DefineProperties(TFiler* Filer)
{
    Filer->DefineBinaryProperty(
        QStringLiteral("Data"), [this](TStream& s) { ReadData(s); }, [this](TStream& s) { WriteData(s); },
        HasDataFor(dynamic_cast<TKestTreeNodes*>(Filer->Ancestor())));
}
