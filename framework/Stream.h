#pragma once
// Streams: a thin layer over QIODevice that reports short reads and writes as
// the framework's stream errors.

#include <QByteArray>
#include <QBuffer>
#include <QFile>
#include <QIODevice>
#include <memory>

#pragma GCC visibility push(default)

class TStream {
public:
    virtual ~TStream();

    // Reads up to count bytes; returns how many were read.
    qint64 Read(void* buffer, qint64 count);
    qint64 Write(const void* buffer, qint64 count);
    // Reads exactly count bytes or raises EReadError ("Stream read error").
    void ReadBuffer(void* buffer, qint64 count);
    void WriteBuffer(const void* buffer, qint64 count);

    qint32 ReadInt32();
    void WriteInt32(qint32 value);
    quint8 ReadByte();
    void WriteByte(quint8 value);

    qint64 Position() const;
    void SetPosition(qint64 pos);
    qint64 Size() const;
    void SetSize(qint64 size);
    qint64 Seek(qint64 offset, int origin);

    // Copies count bytes from source (all of it from its start when count is 0).
    qint64 CopyFrom(TStream& source, qint64 count);
    QByteArray ReadAll();

    QIODevice& Device() { return *FDevice; }

    enum { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

protected:
    explicit TStream(QIODevice* device) : FDevice(device) {}
    void SetDevice(QIODevice* device) { FDevice = device; }

private:
    QIODevice* FDevice;
};

// A stream over memory that grows as it is written.
class TMemoryStream : public TStream {
public:
    TMemoryStream();
    explicit TMemoryStream(const QByteArray& data);
    ~TMemoryStream() override;

    const QByteArray& Bytes() const { return FBuffer.data(); }
    void Clear();

private:
    QBuffer FBuffer;
};

// A stream over a file; the modes follow QIODevice's.
class TFileStream : public TStream {
public:
    TFileStream(const QString& fileName, QIODevice::OpenMode mode);
    ~TFileStream() override;

private:
    QFile FFile;
};

#pragma GCC visibility pop
