#pragma once
// How every wrapper treats a flat call's result: a failure is remembered in
// the wrapper's status field, success leaves the field as it was, and the
// result goes back to the caller either way.

#include "gdiplus/api/GdiplusEnums.h"

#include <utility>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

inline Status TrackStatus(Status& field, Status status)
{
    if (status != Ok)
        field = status;
    return status;
}

// Reading the field resets it, so a failure is reported once.
inline Status TakeStatus(Status& field) { return std::exchange(field, Ok); }

// Reads one property through a flat getter; a failure stays in the field.
template <class T, class Native, class Getter>
T ReadProperty(Status& field, Native* native, Getter get)
{
    T value{};
    TrackStatus(field, get(native, &value));
    return value;
}

}

#pragma GCC visibility pop
