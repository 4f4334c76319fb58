#pragma once
// The root of the run-time bound wrapper classes. Every instance lives in the
// drawing library's own memory; every wrapper owns one native object and
// remembers its last failure.

#include "gdiplus/KestGDIPlusApi.h"
#include "gdiplus/common/NativeHandle.h"
#include "gdiplus/common/StatusField.h"

#include <cstddef>

namespace KestGDIPlusClasses {

using namespace GdiplusFlat;

// A native object deleted through the table entry of that member.
template <class T, auto DeleteMember>
using TNative = TNativeHandle<T, &KestGDIPlusApi::TableEntry<DeleteMember>>;

class TGdiplusBase {
public:
    virtual ~TGdiplusBase() = default;

    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;

protected:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;
};

// The native handle of a wrapper argument; null for a missing one.
template <class W>
auto NativeOf(const W* wrapper) -> decltype(wrapper->Native())
{
    return wrapper ? wrapper->Native() : nullptr;
}

}
