#pragma once
// The scope values that the JSON writer and reader keep on their stacks, and
// the stack size both allow: the document scope plus 255 nested arrays and
// objects.

#include <QtGlobal>

#pragma GCC visibility push(default)

namespace KestJSON {

enum TScope : quint8 {
    scEmptyDocument = 0,
    scEmptyArray = 1,
    scEmptyObject = 2,
    scNonEmptyDocument = 3,
    scNonEmptyArray = 4,
    scNonEmptyObject = 5,
    scDanglingName = 6,
};

inline constexpr int MaxStackSize = 256;

// Source and target streams are copied in blocks of this size.
inline constexpr qint64 CopyBlockSize = 1048576;

}

#pragma GCC visibility pop
