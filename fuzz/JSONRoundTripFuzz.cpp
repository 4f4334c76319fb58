// Random token sequences through the writer: every call either writes or
// raises one of the writer's exceptions; a document the writer closed reads
// back token for token with the same values.

#include "persistence/KestJSONReader.h"
#include "persistence/KestJSONWriter.h"

#include "framework/Stream.h"
#include "utils/KestUtils.h"

#include <QStringList>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace {

// Reads the fuzzer's bytes as a little program of writer calls.
struct TInput {
    const uint8_t* p;
    const uint8_t* end;
    bool More() const { return p < end; }
    uint8_t Byte() { return p < end ? *p++ : 0; }
    QString Text()
    {
        int length = Byte() % 8;
        QString s;
        for (int i = 0; i < length; ++i)
            s.append(QChar(char16_t(Byte() | (Byte() % 4 == 0 ? Byte() << 8 : 0))));
        return s;
    }
    template <typename T>
    T Raw()
    {
        T value{};
        size_t n = std::min<size_t>(sizeof value, size_t(end - p));
        std::memcpy(&value, p, n);
        p += n;
        return value;
    }
};

// What the reader must report for the document, in the test trace's terms.
QString Expected(const QString& kind, const QString& text) { return kind + QLatin1Char(':') + text; }

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TInput in{data, data + size};
    TMemoryStream stream;
    QStringList tokens;
    bool closed = false;
    {
        TKestJSONWriter writer(stream);
        writer.SetIndentLength(in.Byte() % 3);
        try {
            while (in.More() && !closed) {
                switch (in.Byte() % 12) {
                case 0: writer.WriteBeginObject(); tokens << QStringLiteral("{"); break;
                case 1: writer.WriteEndObject(); tokens << QStringLiteral("}"); break;
                case 2: writer.WriteBeginArray(); tokens << QStringLiteral("["); break;
                case 3: writer.WriteEndArray(); tokens << QStringLiteral("]"); break;
                case 4: {
                    QString name = in.Text();
                    writer.WriteName(name);
                    tokens << Expected(QStringLiteral("name"), name);
                    break;
                }
                case 5: {
                    QString text = in.Text();
                    writer.WriteString(text);
                    tokens << Expected(QStringLiteral("text"), text);
                    break;
                }
                case 6: {
                    qint64 v = in.Raw<qint64>();
                    writer.WriteInteger(v);
                    tokens << Expected(QStringLiteral("int"), QString::number(v));
                    break;
                }
                case 7: {
                    double v = in.Raw<double>();
                    writer.WriteDouble(v);
                    // Minus zero is written "-0", which reads as the integer 0.
                    tokens << Expected(QStringLiteral("double"), QString::number(v == 0 ? 0.0 : v, 'g', 17));
                    break;
                }
                case 8: writer.WriteBoolean(in.Byte() & 1); tokens << QStringLiteral("bool"); break;
                case 9: writer.WriteNull(); tokens << QStringLiteral("null"); break;
                case 10: writer.Close(); closed = true; break;
                default: writer.SetIndentLength(in.Byte() % 4); break;
                }
            }
        } catch (const Exception&) {
            return 0;
        }
    }
    if (!closed)
        return 0;
    // A name's escapes stay in ReadName's result, so names are unescaped here.
    stream.SetPosition(0);
    TKestJSONReader reader(stream);
    QStringList read;
    for (TKestJSONToken t = reader.Peek(); t != jstoEOF; t = reader.Peek()) {
        switch (t) {
        case jstoBeginObject: reader.ReadBeginObject(); read << QStringLiteral("{"); break;
        case jstoEndObject: reader.ReadEndObject(); read << QStringLiteral("}"); break;
        case jstoBeginArray: reader.ReadBeginArray(); read << QStringLiteral("["); break;
        case jstoEndArray: reader.ReadEndArray(); read << QStringLiteral("]"); break;
        case jstoName: {
            QString raw = reader.ReadName();
            read << Expected(QStringLiteral("name"), TKestUtils::UnescapeString(raw));
            break;
        }
        case jstoText: read << Expected(QStringLiteral("text"), reader.ReadString()); break;
        case jstoNumber: {
            size_t i = size_t(read.size());
            const QString& want = i < size_t(tokens.size()) ? tokens.at(qsizetype(i)) : QString();
            if (want.startsWith(QLatin1String("int:")))
                read << Expected(QStringLiteral("int"), QString::number(reader.ReadInt64()));
            else
                read << Expected(QStringLiteral("double"), QString::number(reader.ReadDouble(), 'g', 17));
            break;
        }
        case jstoBoolean: reader.ReadBoolean(); read << QStringLiteral("bool"); break;
        case jstoNull: reader.ReadNull(); read << QStringLiteral("null"); break;
        case jstoEOF: break;
        }
    }
    if (read != tokens)
        __builtin_trap();
    return 0;
}
