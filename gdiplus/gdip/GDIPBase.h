#pragma once
// The root of the link-time bound wrapper classes. Every instance lives in
// the drawing library's own memory; every wrapper owns one native object and
// remembers its last failure.

#include "gdiplus/common/GdiplusObject.h"
#include "gdiplus/common/NativeHandle.h"
#include "gdiplus/common/StatusField.h"
#include "gdiplus/gdip/GdipImports.h"

#include <cstddef>

#pragma GCC visibility push(default)

namespace KestGDIP {

using namespace GdiplusFlat;
using TStatus = Status;

template <auto Function>
auto LinkedFunction()
{
    return Function;
}

// A native object deleted by that flat function.
template <class T, auto DeleteFunction>
using TNative = TNativeHandle<T, &LinkedFunction<DeleteFunction>>;

// Instances come from the library's allocator; when it has nothing to give
// because the library is not started yet, it is started and asked once more.
struct TGdipMemory {
    // Starts the module unless it has started (cheap once it has).
    static void Start();
    static void* Allocate(std::size_t size);
    static void Free(void* memory) noexcept;
};

using TGdiplusBase = TGdiplusObject<TGdipMemory>;

}

#pragma GCC visibility pop
