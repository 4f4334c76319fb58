#pragma once
// Helpers of the JSON tests: a document written by a sequence of writer
// calls, a document walked into a readable token trace, and a check that a
// call raises an exception of one class with one message.

#include "persistence/KestJSONReader.h"
#include "persistence/KestJSONWriter.h"

#include "framework/Stream.h"
#include "utils/DotNumbers.h"
#include "utils/KestUtils.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <gtest/gtest.h>

using TWriterSteps = std::function<void(TKestJSONWriter&)>;

// The text the writer leaves in its stream once destroyed.
inline QByteArray WrittenText(const TWriterSteps& steps, int indent = 0)
{
    TMemoryStream stream;
    {
        TKestJSONWriter writer(stream);
        writer.SetIndentLength(indent);
        steps(writer);
    }
    return stream.Bytes();
}

// Every token of the document: names as "name:", texts quoted, numbers as
// read with ReadDouble (integers with ReadInt64), brackets as they are.
inline QString Trace(TKestJSONReader& reader)
{
    QStringList out;
    for (;;) {
        switch (reader.Peek()) {
        case jstoBeginObject: reader.ReadBeginObject(); out << QStringLiteral("{"); break;
        case jstoEndObject: reader.ReadEndObject(); out << QStringLiteral("}"); break;
        case jstoBeginArray: reader.ReadBeginArray(); out << QStringLiteral("["); break;
        case jstoEndArray: reader.ReadEndArray(); out << QStringLiteral("]"); break;
        case jstoName: out << reader.ReadName() + QLatin1Char(':'); break;
        case jstoBoolean: out << (reader.ReadBoolean() ? QStringLiteral("true") : QStringLiteral("false")); break;
        case jstoNull: reader.ReadNull(); out << QStringLiteral("null"); break;
        case jstoText: out << QLatin1Char('"') + reader.ReadString() + QLatin1Char('"'); break;
        case jstoNumber: out << QString::number(reader.ReadDouble(), 'g', 17); break;
        case jstoEOF: return out.join(QLatin1Char(' '));
        }
    }
}

inline QString Trace(const QByteArray& document)
{
    TMemoryStream stream(document);
    TKestJSONReader reader(stream);
    return Trace(reader);
}

// A matcher for one exception class, named for failure messages.
struct TExceptionClass {
    const char* name;
    bool (*is)(const std::exception&);
};
#define EXCEPTION_CLASS(...) \
    TExceptionClass { #__VA_ARGS__, [](const std::exception& e) { return dynamic_cast<const __VA_ARGS__*>(&e) != nullptr; } }

inline void ExpectRaises(const std::function<void()>& call, TExceptionClass expected, const QString& message)
{
    try {
        call();
        ADD_FAILURE() << "no exception, expected " << expected.name;
    } catch (const Exception& e) {
        EXPECT_TRUE(expected.is(e)) << "expected " << expected.name << ", got: " << e.what();
        EXPECT_EQ(e.Message().toStdString(), message.toStdString());
    }
}
