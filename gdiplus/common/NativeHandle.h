#pragma once
// A native drawing object owned by its wrapper: a unique_ptr whose deleter
// calls the flat delete function through the given accessor. The accessor
// yields no function when the library is gone (for example at program end),
// and then the object is left to the process.

#include <memory>
#include <type_traits>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

template <auto DeleteAccessor>
struct TNativeDeleter {
    template <class T>
    void operator()(T* native) const noexcept
    {
        if (auto remove = DeleteAccessor())
            remove(native);
    }
};

template <class T, auto DeleteAccessor>
using TNativeHandle = std::unique_ptr<T, TNativeDeleter<DeleteAccessor>>;

// Runs a flat create function that returns its object through the last
// argument, hands the object to the holder and returns the status. Out names
// the object type when the function returns a more derived kind than the
// holder keeps (a gradient for a brush holder).
template <class Out = void, class Holder, class Create, class... Args>
auto AdoptNative(Holder& holder, Create create, Args... args)
{
    using Native = std::conditional_t<std::is_void_v<Out>, typename Holder::element_type, Out>;
    Native* native = nullptr;
    auto status = create(args..., &native);
    holder.reset(native);
    return status;
}

}

#pragma GCC visibility pop
