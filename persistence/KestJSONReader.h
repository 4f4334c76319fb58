#pragma once
// Reads one JSON document as a sequence of tokens pulled by the caller, with
// one token of look-ahead. A stack of scopes like the writer's tells at every
// point which token may come next; each kind of malformed input raises its
// own exception.

#include "persistence/KestJSONMethods.h"
#include "persistence/JSONScopes.h"
#include "persistence/KestJSONStreamReader.h"

#include "framework/Exception.h"

#include <QString>
#include <array>
#include <memory>

#pragma GCC visibility push(default)

class TStream;

enum TKestJSONToken {
    jstoBeginObject,
    jstoEndObject,
    jstoBeginArray,
    jstoEndArray,
    jstoName,
    jstoBoolean,
    jstoNull,
    jstoText,
    jstoNumber,
    jstoEOF,
};

class TKestJSONReader : public TKestJSONMethods {
public:
    enum TKestJSONState {
        jstNone,
        jstBeginObject,
        jstEndObject,
        jstBeginArray,
        jstEndArray,
        jstTrue,
        jstFalse,
        jstNull,
        jstDoubleQuoted,
        jstBuffered,
        jstDoubleQuotedName,
        jstInt64,
        jstNumber,
        jstEOF,
    };

    class EInvalidStateException : public Exception {
    public:
        explicit EInvalidStateException(TKestJSONState expected)
            : Exception(Exception::Format(QStringLiteral("Invalid Json parser state. Expected state: %d"), int(expected)))
        {
        }
    };
#define KEST_JSON_READER_ERROR(Name, Text)                        \
    class Name : public Exception {                               \
    public:                                                       \
        Name() : Exception(QStringLiteral(Text)) {}               \
    };
    KEST_JSON_READER_ERROR(EUnterminatedArray, "Unterminated array")
    KEST_JSON_READER_ERROR(EUnterminatedObject, "Unterminated object")
    KEST_JSON_READER_ERROR(ENameExpected, "Name expected")
    KEST_JSON_READER_ERROR(EColonExpected, "Colon expected")
    KEST_JSON_READER_ERROR(EMultipleRootNotAllowed, "Multiple root values not allowed")
    KEST_JSON_READER_ERROR(EExpectedValue, "Value expected but invalid character found")
    KEST_JSON_READER_ERROR(EObjectOrArrayExpected, "Object or array expected as top-level value")
    KEST_JSON_READER_ERROR(ETooManyDepthLevels, "Maximum level of nested structured reached.")
    // Strings must be UTF-8 and hold control characters only as escapes.
    KEST_JSON_READER_ERROR(EInvalidUTF8, "Invalid UTF-8 text in Json string")
    KEST_JSON_READER_ERROR(EControlCharacter, "Control character in Json string")
#undef KEST_JSON_READER_ERROR

    // Copies the whole content of the stream (which must stand at its start).
    explicit TKestJSONReader(TStream& stream);
    ~TKestJSONReader();
    TKestJSONReader(const TKestJSONReader&) = delete;
    TKestJSONReader& operator=(const TKestJSONReader&) = delete;

    TKestJSONToken Peek();
    // False when the next token ends an object or an array.
    bool HasNext();
    bool Eof() { return Peek() == jstoEOF; }
    bool IsNull() { return Peek() == jstoNull; }

    void ReadBeginObject();
    void ReadEndObject();
    void ReadBeginArray();
    void ReadEndArray();
    // The name as it stands between the quotes, escapes not resolved.
    QString ReadName();
    // The name that Peek or HasNext found next, not consumed.
    QString PeekName();
    QString ReadString();
    bool ReadBoolean();
    void ReadNull();
    qint64 ReadInt64();
    int ReadInteger();
    double ReadDouble();
    // Consumes the next value whole (a name alone when a name is next).
    void SkipValue();

private:
    struct TStringSpan {
        const char* begin;
        const char* end;
        bool plain; // ASCII without escapes
    };

    TKestJSONState PeekState();
    TKestJSONState Scan();
    TKestJSONState ScanValue(bool arrayWasEmpty);
    TKestJSONState ScanLiteral(char first);
    TKestJSONState ScanNumber();
    char NextSignificant();
    void Consume() { FReader->MoveNext(1); }
    // After a value inside a container: consumes the closing character
    // (true) or the comma before the next value (false); anything else
    // raises E, the container's "unterminated" error.
    template <typename E>
    bool CloseOrComma(char closing)
    {
        const char c = NextSignificant();
        if (c == closing && !FReader->Eof()) {
            Consume();
            return true;
        }
        if (c != ',' || FReader->Eof())
            throw E();
        Consume();
        return false;
    }
    void Push(KestJSON::TScope scope);
    void Pop() { --FStackSize; }
    KestJSON::TScope& Top() { return FStack[size_t(FStackSize - 1)]; }
    void Expect(TKestJSONState state);

    // Moves past the string whose opening quote was consumed.
    TStringSpan ScanString();
    static QString Decode(const TStringSpan& span);
    QString TakeString();
    QString TakeKeptText();
    double BufferedDouble();
    template <typename Int>
    Int ReadWhole(bool (*parse)(const QString&, Int&));

    std::unique_ptr<TKestJSONStreamReader> FReader;
    std::array<KestJSON::TScope, KestJSON::MaxStackSize> FStack{};
    int FStackSize = 0;
    TKestJSONState FPeeked = jstNone;
    qint64 FPeekedInt64 = 0;
    char FPeekedNumber[256] = {};
    int FPeekedNumberLength = 0;
    QString FPeekedString;
    // A name scanned ahead by PeekName: where it ends, and its text.
    const char* FPeekedNameEnd = nullptr;
    QString FPeekedNameText;
};

#pragma GCC visibility pop
