// Reading the three documents whole, every value taken: the pull reader
// beside RapidJSON's SAX reader, nlohmann::json's parser and QJsonDocument.

#include "JSONDocuments.h"

#include "persistence/KestJSONReader.h"

#include "framework/Stream.h"

#include <QJsonDocument>
#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>
#include <rapidjson/reader.h>

namespace {

// Takes every token: names and texts as strings, numbers as doubles (whole
// numbers as 64-bit integers).
qint64 Walk(TKestJSONReader& reader)
{
    qint64 sum = 0;
    for (;;) {
        switch (reader.Peek()) {
        case jstoBeginObject: reader.ReadBeginObject(); break;
        case jstoEndObject: reader.ReadEndObject(); break;
        case jstoBeginArray: reader.ReadBeginArray(); break;
        case jstoEndArray: reader.ReadEndArray(); break;
        case jstoName: sum += reader.ReadName().size(); break;
        case jstoBoolean: sum += reader.ReadBoolean(); break;
        case jstoNull: reader.ReadNull(); break;
        case jstoText: sum += reader.ReadString().size(); break;
        case jstoNumber: sum += qint64(reader.ReadDouble()); break;
        case jstoEOF: return sum;
        }
    }
}

void BM_Read_Kest(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    for (auto _ : state) {
        TMemoryStream stream(text);
        TKestJSONReader reader(stream);
        benchmark::DoNotOptimize(Walk(reader));
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

struct TRapidHandler : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, TRapidHandler> {
    qint64 sum = 0;
    bool Default() { return true; }
    bool Bool(bool b) { sum += b; return true; }
    bool Int(int i) { sum += i; return true; }
    bool Uint(unsigned i) { sum += i; return true; }
    bool Int64(int64_t i) { sum += i; return true; }
    bool Uint64(uint64_t i) { sum += qint64(i); return true; }
    bool Double(double d) { sum += qint64(d); return true; }
    bool String(const char*, rapidjson::SizeType n, bool) { sum += n; return true; }
    bool Key(const char*, rapidjson::SizeType n, bool) { sum += n; return true; }
};

void BM_Read_RapidJSON(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    for (auto _ : state) {
        rapidjson::Reader reader;
        rapidjson::MemoryStream in(text.constData(), size_t(text.size()));
        TRapidHandler handler;
        reader.Parse(in, handler);
        benchmark::DoNotOptimize(handler.sum);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

void BM_Read_Nlohmann(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    for (auto _ : state) {
        auto doc = nlohmann::json::parse(text.constData(), text.constData() + text.size());
        benchmark::DoNotOptimize(doc.size());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

void BM_Read_QJsonDocument(benchmark::State& state, const char* name)
{
    QByteArray text = BenchDocument(name);
    for (auto _ : state) {
        QJsonDocument doc = QJsonDocument::fromJson(text);
        benchmark::DoNotOptimize(doc.isNull());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size());
}

}

KEST_JSON_DOCUMENTS(BM_Read_Kest)
KEST_JSON_DOCUMENTS(BM_Read_RapidJSON)
KEST_JSON_DOCUMENTS(BM_Read_Nlohmann)
KEST_JSON_DOCUMENTS(BM_Read_QJsonDocument)
