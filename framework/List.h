#pragma once
// The pointer list: an ordered list of untyped references with checked
// indexes ("List index out of bounds (%d)").

#include <vector>

#pragma GCC visibility push(default)

class TList {
public:
    TList() = default;
    virtual ~TList();

    int Count() const { return int(FItems.size()); }
    void* Get(int index) const;
    void Put(int index, void* item);
    int Add(void* item);
    void Insert(int index, void* item);
    void Delete(int index);
    // Removes the first occurrence; returns its former index or -1.
    int Remove(void* item);
    // Removes the last occurrence, searching from the end: the cheap choice
    // when items are usually removed in reverse order of addition.
    int RemoveLast(void* item);
    int IndexOf(void* item) const;
    void Clear();
    void* First() const { return Get(0); }
    void* Last() const { return Get(Count() - 1); }
    void Exchange(int a, int b);
    void Move(int from, int to);

    const std::vector<void*>& Items() const { return FItems; }

protected:
    [[noreturn]] static void Error(int index);
    void CheckIndex(int index) const;

private:
    std::vector<void*> FItems;
};

#pragma GCC visibility pop
