#include "persistence/KestJSONStreamWriter.h"

#include "persistence/JSONScopes.h"
#include "utils/JSONEscaping.h"

#include "framework/Stream.h"

TKestJSONStreamWriter::TKestJSONStreamWriter(TStream& AStream) : FStream(AStream) {}

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

void TKestJSONStreamWriter::Write(QStringView Value)
{
    for (QChar c : Value) {
        if (c.unicode() >= 0x80) {
            FWriteStream.append(Value.toUtf8());
            return;
        }
    }
    qsizetype at = FWriteStream.size();
    FWriteStream.resize(at + Value.size());
    char* d = FWriteStream.data() + at;
    for (QChar c : Value)
        *d++ = char(c.unicode());
}

void TKestJSONStreamWriter::WriteEscaped(QStringView Value) { KestJSON::AppendEscaped(FWriteStream, Value); }
