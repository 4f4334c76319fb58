#pragma once
// The 32-bit little-endian byte count that prefixes stored picture data.
// Reading checks it against the bytes that follow before anything is copied
// or allocated: a negative count, or one larger than what is left, is a
// read error.

#include <QtGlobal>

#pragma GCC visibility push(default)

class TStream;

namespace StoredByteCount {

qint32 Read(TStream& Stream);
void Write(TStream& Stream, qint64 count);

}

#pragma GCC visibility pop
