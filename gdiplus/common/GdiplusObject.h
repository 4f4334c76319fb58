#pragma once
// The root of every wrapper class: an instance lives in the drawing
// library's own memory, obtained and returned through the module's Memory
// policy (static Allocate and Free), and is never copied.
//
// A wrapper may be made before its module has started, and not only with
// new: on the stack, as a member or as a global. Construction itself starts
// the module on demand (the policy's Start), so the native object made next
// never meets a library that is not started.

#include "persistence/KestJSONMethods.h"
#include <cstddef>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

template <class Memory>
class TGdiplusObject : public TKestJSONMethods {
public:
    virtual ~TGdiplusObject() = default;

    static void* operator new(std::size_t size) { return Memory::Allocate(size); }
    static void operator delete(void* memory) noexcept { Memory::Free(memory); }

protected:
    TGdiplusObject() { Memory::Start(); }
    TGdiplusObject(const TGdiplusObject&) = delete;
    TGdiplusObject& operator=(const TGdiplusObject&) = delete;
};

// The native handle of a wrapper argument; null for a missing one.
template <class W>
auto NativeOf(const W* wrapper) -> decltype(wrapper->Native())
{
    return wrapper ? wrapper->Native() : nullptr;
}

}

#pragma GCC visibility pop
