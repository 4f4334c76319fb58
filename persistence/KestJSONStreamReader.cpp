#include "persistence/KestJSONStreamReader.h"

#include "persistence/JSONScopes.h"

#include "framework/Stream.h"

TKestJSONStreamReader::TKestJSONStreamReader(TStream& stream)
{
    qint64 size = stream.Size();
    FReadStream.resize(size);
    char* d = FReadStream.data();
    for (qint64 done = 0; done < size;) {
        qint64 n = std::min(size - done, KestJSON::CopyBlockSize);
        stream.ReadBuffer(d + done, n);
        done += n;
    }
    FBegin = FPos = FReadStream.constData();
    FEnd = FBegin + FReadStream.size();
}
