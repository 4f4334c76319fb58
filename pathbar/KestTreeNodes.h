#pragma once
// The collection that owns every node of one path bar: the first top-level
// node, the list of top-level nodes in order of addition, and the stored
// binary property "Data" that keeps the tree with the form.

#include "framework/Persistent.h"
#include "pathbar/DbgList.h"
#include "pathbar/KestTreeNode.h"

#include <QObject>

class TCustomExplorerTreeview;

class TKestTreeNodes : public QObject, public TPersistent {
    Q_OBJECT
public:
    explicit TKestTreeNodes(TCustomExplorerTreeview* AOwner);
    ~TKestTreeNodes() override;

    TKestTreeNode* Add(const QString& S) { return Add(nullptr, S); }
    TKestTreeNode* Add(void* Data, const QString& S);
    TKestTreeNode* AddFirst(const QString& S) { return AddFirst(nullptr, S); }
    TKestTreeNode* AddFirst(void* Data, const QString& S);
    TKestTreeNode* Insert(TKestTreeNode* Sibling, const QString& S) { return InsertObject(Sibling, S, nullptr); }
    TKestTreeNode* InsertObject(TKestTreeNode* Sibling, const QString& S, void* Data);
    void Delete(TKestTreeNode* Node);
    void Clear();

    int GetCount() const { return FNodeList.Count(); }
    int Count() const { return GetCount(); }
    TKestTreeNode* GetNodeFromIndex(int Index) const;
    TKestTreeNode* GetFirstNode() const { return FFirstNode; }
    TKestTreeNode* GetLastNode() const { return FLastNode; }
    TCustomExplorerTreeview* Owner() const { return FOwner; }
    bool Deleting() const { return FDeleting; }

    void Assign(TPersistent* Source) override;
    void DefineProperties(TFiler* Filer) override;

    // The tree in its stored form, and back; reading clears the collection
    // first and keeps what was read when the data turns out to be bad.
    void WriteData(TStream& Stream) const;
    void ReadData(TStream& Stream);

private:
    friend class TKestTreeNode;

    enum class TInsertMode { After, Before };
    TKestTreeNode* InternalAddNode(TKestTreeNode* Parent, TKestTreeNode* Sibling, TInsertMode Mode);
    TKestTreeNode* NewNode();
    void LinkAfter(TKestTreeNode* Node, TKestTreeNode* Sibling);
    void LinkBefore(TKestTreeNode* Node, TKestTreeNode* Sibling);
    void Unlink(TKestTreeNode* Node);
    bool IsOwnerDestroying() const;
    bool HasDataFor(const TKestTreeNodes* Ancestor) const;

    TCustomExplorerTreeview* FOwner;
    TKestTreeNode* FFirstNode = nullptr;
    TDbgList FNodeList;
    bool FDeleting = false;
    // The last top-level node in sibling order, kept in step with the links.
    TKestTreeNode* FLastNode = nullptr;
};
