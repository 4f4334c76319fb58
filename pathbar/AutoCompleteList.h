#pragma once
// The auto-complete list: the full path of every known node, each with its
// node, sorted without regard to case. Folder names on this platform differ
// by case alone, so only a path equal to one already present is refused.
// Adding and removing a node's entry cost O(log n); the entries that start
// with a text are found in O(log n) as a range of positions, and the entry
// at a position is read in O(log n), so a list view can show a million
// matches by reading only the rows in sight.

#include <QHash>
#include <QString>
#include <functional>
#include <utility>
#include <vector>

#pragma GCC visibility push(default)

class TKestTreeNode;

class TAutoCompleteList {
public:
    // The positions of the entries that match a text, in the list's order.
    class TMatches {
    public:
        int Count() const { return FListed ? int(FRows.size()) : FCount; }
        int Position(int index) const { return FListed ? FRows[size_t(index)] : FFirst + index; }
        // The index whose position is Position, or -1.
        int IndexOf(int position) const;

    private:
        friend class TAutoCompleteList;
        // Usually one run of positions; a list of them only when the run
        // holds entries that the narrower test leaves out.
        int FFirst = 0;
        int FCount = 0;
        bool FListed = false;
        std::vector<int> FRows;
    };

    // Returns false when the same path was already present.
    bool Add(const QString& path, TKestTreeNode* node);
    // Removes the entry whose object is node, if it has one.
    bool RemoveNode(TKestTreeNode* node);
    bool HasEntry(TKestTreeNode* node) const { return FByNode.contains(node); }
    QString PathOf(TKestTreeNode* node) const;
    int Count() const { return FCount; }
    void Clear();

    // The entry at a position, 0 <= position < Count().
    const QString& PathAt(int position) const;
    TKestTreeNode* NodeAt(int position) const;
    // The position of node's entry, or -1.
    int PositionOf(TKestTreeNode* node) const;

    // The entries that begin with prefix when both have their ASCII letters
    // upper-cased (the filter of the typed text).
    TMatches Matches(const QString& prefix) const;

    // Calls visit for every entry in order; visit returns false to stop.
    using TVisitor = std::function<bool(const QString& path, TKestTreeNode* node)>;
    void ForEach(const TVisitor& visit) const;
    // Calls visit, in order, for the entries that Matches gives.
    void ForEachStartingWith(const QString& prefix, const TVisitor& visit) const;

    // The text with the ASCII letters a to z upper-cased, nothing else.
    static QString AsciiUpper(const QString& text);

private:
    // Ordered by the case-folded path, then by the path itself: comparisons
    // of folded texts order the entries as a case-insensitive comparison
    // would, at a fraction of its cost, and the entries that match a prefix
    // under any case rule form one run.
    struct Entry {
        QString folded;
        QString path;
        TKestTreeNode* node;
        // The folded path is the path with its ASCII letters in lower case:
        // for such an entry the folded and the ASCII tests agree.
        bool plain;
    };
    using Key = std::pair<QString, QString>;
    static bool Before(const Entry& e, const Key& k);

    // The entries in sorted blocks of bounded size: inserting moves at most
    // one block's entries, and a position is found through the blocks'
    // starting positions.
    using Block = std::vector<Entry>;
    size_t BlockFor(const Key& k) const;
    const Entry& At(int position) const;
    void UpdateStarts() const;
    // The first position whose entry does not satisfy pred; pred holds for
    // a leading run of the order.
    template <typename Pred>
    int PartitionPoint(Pred pred) const;
    int OddCount(int first, int last) const;

    std::vector<Block> FBlocks;
    int FCount = 0;
    // Position of each block's first entry, and count of the entries before
    // it that are not plain; remade when asked for after a change.
    mutable std::vector<int> FStarts;
    mutable std::vector<int> FOddBefore;
    mutable bool FStartsValid = false;
    QHash<TKestTreeNode*, Key> FByNode;
};

#pragma GCC visibility pop
