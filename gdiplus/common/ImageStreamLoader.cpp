#include "gdiplus/common/ImageStreamLoader.h"

#include "framework/Stream.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace GdiplusFlat {

namespace {

struct TByteCursor {
    const QByteArray* Bytes = nullptr;
    qint64 Position = 0;
};

thread_local TByteCursor GCursor;

qint64 Remaining() { return GCursor.Bytes->size() - GCursor.Position; }

INT CopyBytes(BYTE* buffer, INT size, bool advance)
{
    if (!buffer || size <= 0)
        return 0;
    auto count = INT(std::min<qint64>(size, Remaining()));
    std::memcpy(buffer, GCursor.Bytes->constData() + GCursor.Position, size_t(count));
    if (advance)
        GCursor.Position += count;
    return count;
}

// The header is read ahead for format detection and served again by the
// first reads, so it does not move the cursor.
INT GetHeader(BYTE* buffer, INT size) { return CopyBytes(buffer, size, false); }

INT GetBytes(BYTE* buffer, INT size, BOOL peek) { return CopyBytes(buffer, size, !peek); }

INT PutBytes(BYTE*, INT) { return -1; }

long Seek(INT offset, INT whence)
{
    qint64 base = whence == 1 ? GCursor.Position : whence == 2 ? GCursor.Bytes->size() : 0;
    GCursor.Position = std::clamp<qint64>(base + offset, 0, GCursor.Bytes->size());
    return long(GCursor.Position);
}

void Close() {}

long Size() { return long(GCursor.Bytes->size()); }

}

GpStatus LoadImageFromStream(LoadImageFromDelegates load, TStream& stream, GpImage** image)
{
    *image = nullptr;
    QByteArray bytes = stream.ReadAll();
    if (bytes.isEmpty())
        return UnknownImageFormat;
    TByteCursor outer = GCursor;
    GCursor = {&bytes, 0};
    GpStatus status = load(GetHeader, GetBytes, PutBytes, Seek, Close, Size, image);
    GCursor = outer;
    return status;
}

}
