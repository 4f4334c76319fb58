#pragma once
// The root of the link-time bound wrapper classes. Every instance lives in
// the drawing library's own memory; every wrapper owns one native object and
// remembers its last failure.

#include "gdiplus/common/NativeHandle.h"
#include "gdiplus/common/StatusField.h"
#include "gdiplus/gdip/GdipImports.h"

#include <cstddef>

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

class TGdiplusBase {
public:
    virtual ~TGdiplusBase() = default;

    // Asks the library's allocator; when it has nothing to give because the
    // library is not started yet, starts it and asks once more.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory) noexcept;

protected:
    TGdiplusBase() = default;
    TGdiplusBase(const TGdiplusBase&) = delete;
    TGdiplusBase& operator=(const TGdiplusBase&) = delete;
};

template <class W>
auto NativeOf(const W* wrapper) -> decltype(wrapper->Native())
{
    return wrapper ? wrapper->Native() : nullptr;
}

}
