#include "framework/Stream.h"

#include "framework/Exception.h"

TStream::~TStream() = default;

qint64 TStream::Read(void* buffer, qint64 count)
{
    if (count <= 0)
        return 0;
    qint64 n = FDevice->read(static_cast<char*>(buffer), count);
    return n < 0 ? 0 : n;
}

qint64 TStream::Write(const void* buffer, qint64 count)
{
    if (count <= 0)
        return 0;
    qint64 n = FDevice->write(static_cast<const char*>(buffer), count);
    return n < 0 ? 0 : n;
}

void TStream::ReadBuffer(void* buffer, qint64 count)
{
    if (count != 0 && Read(buffer, count) != count)
        throw EReadError(QString::fromLatin1(Messages::StreamRead));
}

void TStream::WriteBuffer(const void* buffer, qint64 count)
{
    if (count != 0 && Write(buffer, count) != count)
        throw EWriteError(QString::fromLatin1(Messages::StreamWrite));
}

qint32 TStream::ReadInt32()
{
    uchar b[4];
    ReadBuffer(b, 4);
    return qint32(quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24);
}

void TStream::WriteInt32(qint32 value)
{
    quint32 v = quint32(value);
    uchar b[4] = {uchar(v), uchar(v >> 8), uchar(v >> 16), uchar(v >> 24)};
    WriteBuffer(b, 4);
}

quint8 TStream::ReadByte()
{
    quint8 b = 0;
    ReadBuffer(&b, 1);
    return b;
}

void TStream::WriteByte(quint8 value) { WriteBuffer(&value, 1); }

qint64 TStream::Position() const { return FDevice->pos(); }

void TStream::SetPosition(qint64 pos) { FDevice->seek(pos); }

qint64 TStream::Size() const { return FDevice->size(); }

void TStream::SetSize(qint64 size)
{
    if (auto* buffer = qobject_cast<QBuffer*>(FDevice)) {
        buffer->buffer().resize(size);
        if (buffer->pos() > size)
            buffer->seek(size);
    } else if (auto* file = qobject_cast<QFile*>(FDevice)) {
        file->resize(size);
    }
}

qint64 TStream::Seek(qint64 offset, int origin)
{
    qint64 base = origin == soFromCurrent ? Position() : origin == soFromEnd ? Size() : 0;
    SetPosition(base + offset);
    return Position();
}

qint64 TStream::CopyFrom(TStream& source, qint64 count)
{
    if (count == 0) {
        source.SetPosition(0);
        count = source.Size();
    }
    char chunk[64 * 1024];
    qint64 left = count;
    while (left > 0) {
        qint64 n = std::min<qint64>(left, sizeof chunk);
        source.ReadBuffer(chunk, n);
        WriteBuffer(chunk, n);
        left -= n;
    }
    return count;
}

QByteArray TStream::ReadAll() { return FDevice->readAll(); }

TMemoryStream::TMemoryStream() : TStream(&FBuffer) { FBuffer.open(QIODevice::ReadWrite); }

TMemoryStream::TMemoryStream(const QByteArray& data) : TMemoryStream()
{
    FBuffer.buffer() = data;
}

TMemoryStream::~TMemoryStream() = default;

void TMemoryStream::Clear()
{
    FBuffer.buffer().clear();
    FBuffer.seek(0);
}

TFileStream::TFileStream(const QString& fileName, QIODevice::OpenMode mode)
    : TStream(&FFile), FFile(fileName)
{
    if (!FFile.open(mode)) {
        const char* pattern = (mode & QIODevice::WriteOnly) ? Messages::FileCreate : Messages::FileOpen;
        throw EFOpenError(Exception::Format(QString::fromLatin1(pattern), fileName));
    }
}

TFileStream::~TFileStream() = default;
