#include "persistence/KestJSONStreamWriter.h"

#include "persistence/JSONScopes.h"
#include "utils/JSONEscaping.h"

#include "framework/Stream.h"

TKestJSONStreamWriter::TKestJSONStreamWriter(TStream& stream) : FStream(stream) {}

TKestJSONStreamWriter::~TKestJSONStreamWriter()
{
    // A destructor must not throw: a target that refuses bytes loses them,
    // as a stream that fails mid-write would.
    const char* p = FWriteStream.constData();
    qint64 left = FWriteStream.size();
    while (left > 0) {
        qint64 n = std::min(left, KestJSON::CopyBlockSize);
        if (FStream.Write(p, n) != n)
            break;
        p += n;
        left -= n;
    }
}

void TKestJSONStreamWriter::Write(QStringView value)
{
    for (QChar c : value) {
        if (c.unicode() >= 0x80) {
            FWriteStream.append(value.toUtf8());
            return;
        }
    }
    qsizetype at = FWriteStream.size();
    FWriteStream.resize(at + value.size());
    char* d = FWriteStream.data() + at;
    for (QChar c : value)
        *d++ = char(c.unicode());
}

void TKestJSONStreamWriter::WriteEscaped(QStringView value) { KestJSON::AppendEscaped(FWriteStream, value); }
