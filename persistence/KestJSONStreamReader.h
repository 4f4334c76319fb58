#pragma once
// The reader's character source: a copy of the whole input, read one byte
// at a time. Character 0 stands for the end of the input.

#include "persistence/KestJSONMethods.h"
#include "framework/Exception.h"

#include <QByteArray>

#pragma GCC visibility push(default)

class TStream;

class TKestJSONStreamReader : public TKestJSONMethods {
public:
    class EEndOfInputReached : public Exception {
    public:
        EEndOfInputReached() : Exception(QStringLiteral("End of JSON input reached.")) {}
    };

    // Copies Size() bytes from the stream's position; a short read raises
    // the stream read error.
    explicit TKestJSONStreamReader(TStream& stream);
    TKestJSONStreamReader(const TKestJSONStreamReader&) = delete;
    TKestJSONStreamReader& operator=(const TKestJSONStreamReader&) = delete;

    char ReadChar() { return FPos < FEnd ? *FPos++ : '\0'; }
    char NextChar()
    {
        if (FPos >= FEnd)
            throw EEndOfInputReached();
        return *FPos++;
    }
    char PeekChar() const { return FPos < FEnd ? *FPos : '\0'; }
    void MoveNext(qsizetype count) { FPos = count >= FEnd - FPos ? FEnd : FPos + count; }
    void Backup()
    {
        if (FPos > FBegin)
            --FPos;
    }
    bool Eof() const { return FPos >= FEnd; }

    // Direct access for the scanner's inner loops.
    const char* Position() const { return FPos; }
    void SetPosition(const char* p) { FPos = p; }
    const char* End() const { return FEnd; }

private:
    QByteArray FReadStream;
    const char* FBegin;
    const char* FPos;
    const char* FEnd;
};

#pragma GCC visibility pop
