#pragma once
// What a class sees when it defines stored properties of its own: a filer
// that reads or writes one named value, either a simple value through a
// reader or writer, or binary data through a stream.

#include <QString>
#include <functional>

#pragma GCC visibility push(default)

class TPersistent;
class TStream;

class TReader {
public:
    virtual ~TReader() = default;
    virtual qint64 ReadInteger() = 0;
    virtual QString ReadString() = 0;
    virtual bool ReadBoolean() = 0;
    virtual QString ReadIdent() = 0;
};

class TWriter {
public:
    virtual ~TWriter() = default;
    virtual void WriteInteger(qint64 value) = 0;
    virtual void WriteString(const QString& value) = 0;
    virtual void WriteBoolean(bool value) = 0;
    virtual void WriteIdent(const QString& value) = 0;
};

class TFiler {
public:
    virtual ~TFiler() = default;
    using TReaderProc = std::function<void(TReader&)>;
    using TWriterProc = std::function<void(TWriter&)>;
    using TStreamProc = std::function<void(TStream&)>;

    virtual void DefineProperty(const QString& name, const TReaderProc& readData, const TWriterProc& writeData,
                                bool hasData) = 0;
    virtual void DefineBinaryProperty(const QString& name, const TStreamProc& readData, const TStreamProc& writeData,
                                      bool hasData) = 0;
    // The same object in an ancestor layout, when one is written against it.
    TPersistent* Ancestor() const { return FAncestor; }

protected:
    TPersistent* FAncestor = nullptr;
};

#pragma GCC visibility pop
