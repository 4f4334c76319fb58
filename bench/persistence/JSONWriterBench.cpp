// Writing the three documents back: the same token sequence (taken from the
// documents beforehand) through the writer and through RapidJSON's writer;
// nlohmann::json and QJsonDocument serialise their parsed documents.

#include "JSONDocuments.h"

#include "persistence/KestJSONReader.h"
#include "persistence/KestJSONWriter.h"
#include "utils/KestUtils.h"

#include "framework/Stream.h"

#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <string>
#include <vector>

namespace {

struct TToken {
    TKestJSONToken kind;
    QString text;     // names and strings
    std::string utf8; // the same for RapidJSON
    bool whole = false;
    qint64 integer = 0;
    double number = 0;
    bool boolean = false;
};

std::vector<TToken> Tokens(const char* name)
{
    QByteArray text = BenchDocument(name);
    TMemoryStream stream(text);
    TKestJSONReader reader(stream);
    std::vector<TToken> out;
    for (TKestJSONToken kind = reader.Peek(); kind != jstoEOF; kind = reader.Peek()) {
        TToken t{kind};
        switch (kind) {
        case jstoBeginObject: reader.ReadBeginObject(); break;
        case jstoEndObject: reader.ReadEndObject(); break;
        case jstoBeginArray: reader.ReadBeginArray(); break;
        case jstoEndArray: reader.ReadEndArray(); break;
        case jstoName: t.text = TKestUtils::UnescapeString(reader.ReadName()); break;
        case jstoText: t.text = reader.ReadString(); break;
        case jstoBoolean: t.boolean = reader.ReadBoolean(); break;
        case jstoNull: reader.ReadNull(); break;
        case jstoNumber: {
            QString s = reader.ReadString();
            t.whole = !s.contains(QLatin1Char('.')) && !s.contains(QLatin1Char('e'), Qt::CaseInsensitive);
            t.integer = s.toLongLong();
            t.number = s.toDouble();
            break;
        }
        case jstoEOF: break;
        }
        t.utf8 = t.text.toStdString();
        out.push_back(std::move(t));
    }
    return out;
}

void BM_Write_Kest(benchmark::State& state, const char* name)
{
    std::vector<TToken> tokens = Tokens(name);
    qint64 written = 0;
    for (auto _ : state) {
        TMemoryStream stream;
        {
            TKestJSONWriter w(stream);
            for (const TToken& t : tokens) {
                switch (t.kind) {
                case jstoBeginObject: w.WriteBeginObject(); break;
                case jstoEndObject: w.WriteEndObject(); break;
                case jstoBeginArray: w.WriteBeginArray(); break;
                case jstoEndArray: w.WriteEndArray(); break;
                case jstoName: w.WriteName(t.text); break;
                case jstoText: w.WriteString(t.text); break;
                case jstoBoolean: w.WriteBoolean(t.boolean); break;
                case jstoNull: w.WriteNull(); break;
                case jstoNumber: t.whole ? w.WriteInteger(t.integer) : w.WriteDouble(t.number); break;
                case jstoEOF: break;
                }
            }
        }
        written = stream.Size();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * BenchDocument(name).size());
    state.counters["output_bytes"] = double(written);
}

void BM_Write_RapidJSON(benchmark::State& state, const char* name)
{
    std::vector<TToken> tokens = Tokens(name);
    for (auto _ : state) {
        rapidjson::StringBuffer buffer;
        rapidjson::Writer<rapidjson::StringBuffer> w(buffer);
        for (const TToken& t : tokens) {
            switch (t.kind) {
            case jstoBeginObject: w.StartObject(); break;
            case jstoEndObject: w.EndObject(); break;
            case jstoBeginArray: w.StartArray(); break;
            case jstoEndArray: w.EndArray(); break;
            case jstoName: w.Key(t.utf8.data(), rapidjson::SizeType(t.utf8.size())); break;
            case jstoText: w.String(t.utf8.data(), rapidjson::SizeType(t.utf8.size())); break;
            case jstoBoolean: w.Bool(t.boolean); break;
            case jstoNull: w.Null(); break;
            case jstoNumber: t.whole ? w.Int64(t.integer) : w.Double(t.number); break;
            case jstoEOF: break;
            }
        }
        benchmark::DoNotOptimize(buffer.GetSize());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * BenchDocument(name).size());
}

void BM_Write_Nlohmann(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    auto doc = nlohmann::json::parse(text.constData(), text.constData() + text.size());
    for (auto _ : state) {
        std::string out = doc.dump();
        benchmark::DoNotOptimize(out.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

void BM_Write_QJsonDocument(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    QJsonDocument doc = QJsonDocument::fromJson(text);
    for (auto _ : state) {
        QByteArray out = doc.toJson(QJsonDocument::Compact);
        benchmark::DoNotOptimize(out.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

}

KEST_JSON_DOCUMENTS(BM_Write_Kest)
KEST_JSON_DOCUMENTS(BM_Write_RapidJSON)
KEST_JSON_DOCUMENTS(BM_Write_Nlohmann)
KEST_JSON_DOCUMENTS(BM_Write_QJsonDocument)
