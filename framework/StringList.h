#pragma once
// The string list: strings with an object each, optionally kept sorted, with
// duplicates accepted, ignored or rejected. Comparison ignores case unless
// CaseSensitive is set.

#include <QString>
#include <vector>

#pragma GCC visibility push(default)

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList {
public:
    TStringList() = default;
    virtual ~TStringList();

    int Count() const { return int(FItems.size()); }
    const QString& Strings(int index) const;
    void* Objects(int index) const;
    void SetObject(int index, void* object);

    // Returns the index of the new (or, with dupIgnore, the existing) entry.
    int Add(const QString& s) { return AddObject(s, nullptr); }
    int AddObject(const QString& s, void* object);
    void Insert(int index, const QString& s, void* object = nullptr);
    void Delete(int index);
    void Clear();
    int IndexOf(const QString& s) const;
    int IndexOfObject(void* object) const;
    // Binary search on a sorted list: true when s is present; index is where
    // it is or would be inserted.
    bool Find(const QString& s, int& index) const;

    bool Sorted() const { return FSorted; }
    void SetSorted(bool value);
    TDuplicates Duplicates() const { return FDuplicates; }
    void SetDuplicates(TDuplicates value) { FDuplicates = value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value);

    int Compare(const QString& a, const QString& b) const;

private:
    struct Item {
        QString text;
        void* object;
    };
    void CheckIndex(int index) const;
    void Sort();

    std::vector<Item> FItems;
    bool FSorted = false;
    bool FCaseSensitive = false;
    TDuplicates FDuplicates = TDuplicates::dupIgnore;
};

#pragma GCC visibility pop
