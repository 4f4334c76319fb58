#pragma once
// Writes one JSON document token by token. A stack of scopes checks that the
// calls form one well-nested document whose root is an object or an array;
// every misuse raises before anything of the call is written. The text goes
// to the target stream when the writer is destroyed.

#include "persistence/KestJSONMethods.h"
#include "persistence/JSONScopes.h"
#include "persistence/KestJSONStreamWriter.h"

#include "framework/Exception.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <memory>

#pragma GCC visibility push(default)

class TStream;

class TKestJSONWriter : public TKestJSONMethods {
public:
#define KEST_JSON_WRITER_ERROR(Name, Text)                        \
    class Name : public Exception {                               \
    public:                                                       \
        Name() : Exception(QStringLiteral(Text)) {}               \
    };
    KEST_JSON_WRITER_ERROR(ECannotWriteName, "Cannot write name in current Json scope")
    KEST_JSON_WRITER_ERROR(EMultipleRootNotAllowed, "Multiple root values not allowed")
    KEST_JSON_WRITER_ERROR(EObjectOrArrayExpected, "Object or array expected as top-level value")
    KEST_JSON_WRITER_ERROR(EInvalidNesting, "Invalid nesting. Not all arrays/objects were properly closed.")
    KEST_JSON_WRITER_ERROR(EMissingValue, "Json value missing")
    KEST_JSON_WRITER_ERROR(ETooManyDepthLevels, "Maximum level of nested structured reached.")
    KEST_JSON_WRITER_ERROR(EEmptyJson, "Json is still empty. Cannot perform operation.")
    KEST_JSON_WRITER_ERROR(EEmptyName, "Cannot write empty name")
    // JSON has no text for them, so no reader could take them back.
    KEST_JSON_WRITER_ERROR(EInvalidNumber, "NaN and infinite numbers cannot be written as Json")
#undef KEST_JSON_WRITER_ERROR

    explicit TKestJSONWriter(TStream& stream);
    // Flushes the text to the target stream, complete or not.
    ~TKestJSONWriter();
    TKestJSONWriter(const TKestJSONWriter&) = delete;
    TKestJSONWriter& operator=(const TKestJSONWriter&) = delete;

    TKestJSONWriter& WriteBeginObject();
    TKestJSONWriter& WriteEndObject();
    TKestJSONWriter& WriteBeginArray();
    TKestJSONWriter& WriteEndArray();
    TKestJSONWriter& WriteName(const QString& name);
    TKestJSONWriter& WriteString(const QString& value);
    TKestJSONWriter& WriteRawString(const QString& value);
    TKestJSONWriter& WriteBoolean(bool value);
    TKestJSONWriter& WriteNull();
    TKestJSONWriter& WriteInteger(qint64 value);
    TKestJSONWriter& WriteDouble(double value);
    // Checks that the document is complete, with no name left pending.
    void Close();

    int IndentLength() const { return int(FIndent.size()); }
    void SetIndentLength(int value);

    // The shortest text that reads back as the same double, in the layout of
    // the text format ("100", "0.5", "1E20", "1.5E-7"); "." always.
    static QByteArray FormatDouble(double value);

private:

    KestJSON::TScope Top() const;
    void SetTop(KestJSON::TScope scope);
    // Raises what writing a value here would raise, before anything is written.
    void CheckValue(bool container) const;
    void BeginValue(bool container);
    void FlushName();
    void NewLine();
    void Push(KestJSON::TScope scope);
    TKestJSONWriter& EndContainer(KestJSON::TScope empty, KestJSON::TScope nonEmpty, char bracket);

    std::unique_ptr<TKestJSONStreamWriter> FWriter;
    std::array<quint8, KestJSON::MaxStackSize> FStack{};
    int FStackSize = 0;
    QByteArray FIndent;
    QByteArray FSeparator;
    QString FDeferredName;
    bool FClosed = false;
};

#pragma GCC visibility pop
