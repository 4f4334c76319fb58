#include "pictures/StoredByteCount.h"

#include "framework/Exception.h"
#include "framework/Stream.h"

#include <limits>

namespace StoredByteCount {

qint32 Read(TStream& Stream)
{
    qint32 count = Stream.ReadInt32();
    if (count < 0 || count > Stream.Size() - Stream.Position())
        throw EReadError(QString::fromLatin1(Messages::StreamRead));
    return count;
}

void Write(TStream& Stream, qint64 count)
{
    if (count > std::numeric_limits<qint32>::max())
        throw EWriteError(QString::fromLatin1(Messages::StreamWrite));
    Stream.WriteInt32(qint32(count));
}

}
