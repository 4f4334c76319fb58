#pragma once
// The collection that owns every node of one path bar: the first top-level
// node, the list of top-level nodes in order of addition, and the stored
// binary property "Data" that keeps the tree with the form.

#include "framework/Persistent.h"
#include "pathbar/DbgList.h"
#include "pathbar/KestTreeNode.h"

#include <QObject>

#pragma GCC visibility push(default)

class TKestTreeNodes;

// What the collection needs of whoever owns it (the path bar): it makes the
// nodes and hears of every change, in this order for one node: added, then
// text changed; deleted before its children go.
class ITreeNodesOwner {
public:
    // A new node for the collection; a derived owner may make its own class.
    virtual TKestTreeNode* CreateNode() = 0;
    // Called after a node has been linked in, unless the owner is loading.
    virtual void NodeAdded(TKestTreeNode* node) = 0;
    // Called at the start of a node's destruction, before its children's.
    virtual void NodeDeleted(TKestTreeNode* node) = 0;
    virtual void NodeTextChanged(TKestTreeNode* node) = 0;
    // Every node is gone (Clear, while the owner is not being destroyed).
    virtual void NodesCleared() = 0;
    virtual bool IsOwnerLoading() const = 0;
    virtual bool IsOwnerDestroying() const = 0;

protected:
    ~ITreeNodesOwner() = default;
};

class TKestTreeNodes : public QObject, public TPersistent {
    Q_OBJECT
public:
    // Without an owner the collection makes plain nodes and tells no one.
    explicit TKestTreeNodes(ITreeNodesOwner* owner);
    ~TKestTreeNodes() override;

    TKestTreeNode* Add(const QString& s) { return Add(nullptr, s); }
    TKestTreeNode* Add(void* data, const QString& s);
    TKestTreeNode* AddFirst(const QString& s) { return AddFirst(nullptr, s); }
    TKestTreeNode* AddFirst(void* data, const QString& s);
    TKestTreeNode* Insert(TKestTreeNode* sibling, const QString& s) { return InsertObject(sibling, s, nullptr); }
    TKestTreeNode* InsertObject(TKestTreeNode* sibling, const QString& s, void* data);
    void Delete(TKestTreeNode* node);
    void Clear();

    int GetCount() const { return FNodeList.Count(); }
    int Count() const { return GetCount(); }
    TKestTreeNode* GetNodeFromIndex(int index) const;
    TKestTreeNode* GetFirstNode() const { return FFirstNode; }
    TKestTreeNode* GetLastNode() const { return FLastNode; }
    ITreeNodesOwner* Owner() const { return FOwner; }
    bool Deleting() const { return FDeleting; }

    void Assign(TPersistent* source) override;
    void DefineProperties(TFiler* filer) override;

    // The tree in its stored form, and back; reading clears the collection
    // first and keeps what was read when the data turns out to be bad.
    void WriteData(TStream& stream) const;
    void ReadData(TStream& stream);

private:
    friend class TKestTreeNode;

    enum class TInsertMode { After, Before };
    TKestTreeNode* InternalAddNode(TKestTreeNode* parent, TKestTreeNode* sibling, TInsertMode mode);
    TKestTreeNode* NewNode();
    void LinkAfter(TKestTreeNode* node, TKestTreeNode* sibling);
    void LinkBefore(TKestTreeNode* node, TKestTreeNode* sibling);
    void Unlink(TKestTreeNode* node);
    bool IsOwnerDestroying() const;
    bool HasDataFor(const TKestTreeNodes* ancestor) const;

    ITreeNodesOwner* FOwner;
    TKestTreeNode* FFirstNode = nullptr;
    TDbgList FNodeList;
    bool FDeleting = false;
    // The last top-level node in sibling order, kept in step with the links.
    TKestTreeNode* FLastNode = nullptr;
};

#pragma GCC visibility pop
