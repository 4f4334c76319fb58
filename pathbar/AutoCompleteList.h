#pragma once
// The auto-complete list: the full path of every known node, each with its
// node, sorted without regard to case. Folder names on this platform differ
// by case alone, so only a path equal to one already present is refused.
// Adding, removing a node's entry and finding the entries that start with a
// text cost O(log n) (plus the size of the answer), so the list keeps pace
// with large trees.

#include <QHash>
#include <QString>
#include <functional>
#include <map>

class TKestTreeNode;

class TAutoCompleteList {
public:
    // Returns false when the same path was already present.
    bool Add(const QString& path, TKestTreeNode* node);
    // Removes the entry whose object is node, if it has one.
    bool RemoveNode(TKestTreeNode* node);
    bool HasEntry(TKestTreeNode* node) const { return FByNode.contains(node); }
    QString PathOf(TKestTreeNode* node) const;
    int Count() const { return int(FEntries.size()); }
    void Clear();

    // Calls visit for every entry in order; visit returns false to stop.
    using TVisitor = std::function<bool(const QString& path, TKestTreeNode* node)>;
    void ForEach(const TVisitor& visit) const;
    // Calls visit, in order, for the entries that begin with prefix when both
    // have their ASCII letters upper-cased (the filter of the typed text).
    void ForEachStartingWith(const QString& prefix, const TVisitor& visit) const;

    // The text with the ASCII letters a to z upper-cased, nothing else.
    static QString AsciiUpper(const QString& text);

private:
    // Ordered by the case-folded path, then by the path itself: comparisons
    // of folded texts order the entries as a case-insensitive comparison
    // would, at a fraction of its cost, and the entries that match a prefix
    // under any case rule form one run.
    struct Key {
        QString folded;
        QString path;
        bool operator<(const Key& other) const
        {
            const int c = folded.compare(other.folded);
            return c != 0 ? c < 0 : path < other.path;
        }
    };
    using Map = std::map<Key, TKestTreeNode*>;
    Map FEntries;
    QHash<TKestTreeNode*, Map::iterator> FByNode;
};
