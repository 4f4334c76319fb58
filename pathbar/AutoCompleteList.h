#pragma once
// The auto-complete list: the full path of every known node, each with its
// node, sorted without regard to case; a path that is already present
// (ignoring case) is not added again. Adding, removing a node's entry and
// finding the entries that start with a text cost O(log n) (plus the size of
// the answer), so the list keeps pace with large trees.

#include <QHash>
#include <QString>
#include <functional>
#include <map>

class TKestTreeNode;

class TAutoCompleteList {
public:
    // Returns false when an equal path was already present.
    bool Add(const QString& path, TKestTreeNode* node);
    // Removes the entry whose object is node, if it has one.
    bool RemoveNode(TKestTreeNode* node);
    bool HasEntry(TKestTreeNode* node) const { return FByNode.contains(node); }
    QString PathOf(TKestTreeNode* node) const;
    int Count() const { return int(FEntries.size()); }
    void Clear();

    // Calls visit for every entry in order, or for those whose path starts
    // with prefix (ignoring case); visit returns false to stop.
    using TVisitor = std::function<bool(const QString& path, TKestTreeNode* node)>;
    void ForEach(const TVisitor& visit) const;
    void ForEachStartingWith(const QString& prefix, const TVisitor& visit) const;

private:
    // Keyed by the case-folded path: plain comparisons of folded texts order
    // the entries as a case-insensitive comparison would, at a fraction of
    // its cost.
    struct Entry {
        QString path;
        TKestTreeNode* node;
    };
    using Map = std::map<QString, Entry>;
    Map FEntries;
    QHash<TKestTreeNode*, Map::iterator> FByNode;
};
