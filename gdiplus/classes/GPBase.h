#pragma once
// The root of the run-time bound wrapper classes. Every instance lives in the
// drawing library's own memory; every wrapper owns one native object and
// remembers its last failure.

#include "gdiplus/KestGDIPlusApi.h"
#include "gdiplus/common/GdiplusObject.h"
#include "gdiplus/common/NativeHandle.h"
#include "gdiplus/common/StatusField.h"

#include <cstddef>

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

using namespace GdiplusFlat;

// A native object deleted through the table entry of that member.
template <class T, auto DeleteMember>
using TNative = TNativeHandle<T, &KestGDIPlusApi::TableEntry<DeleteMember>>;

// Instances come from the library's allocator, starting the module first
// when an object is created before its start-up has run.
struct TClassesMemory {
    // Starts the module unless it has started (cheap once it has).
    static void Start();
    static void* Allocate(std::size_t size);
    static void Free(void* memory) noexcept;
};

using TGdiplusBase = TGdiplusObject<TClassesMemory>;

}

#pragma GCC visibility pop
