// Saving and loading object graphs through object persistence beside the
// same data written and read by hand with QJsonDocument: a collection of
// 10,000 to 1,000,000 items (text, colour, integer, double) and a picture
// of 10 MB.

#include "persistence/KestPersistence.h"

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Graphic.h"
#include "framework/Stream.h"
#include "framework/TypeInfo.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <benchmark/benchmark.h>
#include <memory>

class TBenchItem : public TCollectionItem {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(QString Caption MEMBER Caption)
    Q_PROPERTY(TColor Color MEMBER Color)
    Q_PROPERTY(double Ratio MEMBER Ratio)
    Q_PROPERTY(int Weight MEMBER Weight)
public:
    explicit TBenchItem(TCollection* collection) : TCollectionItem(collection) {}
    void Assign(TPersistent* source) override
    {
        auto* item = static_cast<TBenchItem*>(source);
        Caption = item->Caption;
        Color = item->Color;
        Ratio = item->Ratio;
        Weight = item->Weight;
    }
    QString Caption;
    TColor Color = clBlack;
    double Ratio = 0;
    int Weight = 0;
};

// Raw bytes standing for a picture's stream form.
class TBenchPicture : public TGraphic {
    Q_OBJECT
public:
    void Draw(TCanvas&, const QRect&) override {}
    void LoadFromStream(TStream& stream) override { Bytes = stream.ReadAll(); }
    void SaveToStream(TStream& stream) override { stream.WriteBuffer(Bytes.constData(), Bytes.size()); }
    QByteArray Bytes;

protected:
    bool GetEmpty() const override { return Bytes.isEmpty(); }
    int GetWidth() const override { return 0; }
    int GetHeight() const override { return 0; }
};

class TBenchGraph : public QObject {
    Q_OBJECT
    Q_CLASSINFO("Published", "true")
    Q_PROPERTY(TCollection* Items READ Items)
    Q_PROPERTY(TGraphic* Picture READ Picture)
public:
    TBenchGraph() : FItems(TCollectionItemClass::Of<TBenchItem>()) {}
    TCollection* Items() { return &FItems; }
    TGraphic* Picture() { return &FPicture; }
    TBenchItem* Item(int index) { return static_cast<TBenchItem*>(FItems.Items(index)); }
    TBenchPicture& PictureData() { return FPicture; }

private:
    TCollection FItems;
    TBenchPicture FPicture;
};

namespace {

void Register()
{
    static const bool done = [] {
        TypeInfo::RegisterObjectClass<TBenchItem>();
        return true;
    }();
    (void)done;
}

std::unique_ptr<TBenchGraph> MakeGraph(int count, int pictureBytes)
{
    auto graph = std::make_unique<TBenchGraph>();
    graph->Items()->BeginUpdate();
    for (int i = 0; i < count; ++i) {
        auto* item = static_cast<TBenchItem*>(graph->Items()->Add());
        item->Caption = QStringLiteral("Item %1").arg(i);
        item->Color = TColor(i * 2654435761u & 0xFFFFFF);
        item->Ratio = i / 7.0;
        item->Weight = i;
    }
    graph->Items()->EndUpdate();
    QByteArray bytes(pictureBytes, Qt::Uninitialized);
    for (int i = 0; i < pictureBytes; ++i)
        bytes[i] = char(i * 131);
    graph->PictureData().Bytes = bytes;
    return graph;
}

QString ColorText(TColor c)
{
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

QByteArray SaveByHand(TBenchGraph& graph)
{
    QJsonArray items;
    for (int i = 0; i < graph.Items()->Count(); ++i) {
        TBenchItem* item = graph.Item(i);
        QJsonObject o;
        o.insert(QStringLiteral("$type"), QStringLiteral("TBenchItem"));
        o.insert(QStringLiteral("Caption"), item->Caption);
        o.insert(QStringLiteral("Color"), ColorText(item->Color));
        o.insert(QStringLiteral("Ratio"), item->Ratio);
        o.insert(QStringLiteral("Weight"), item->Weight);
        items.append(o);
    }
    QJsonObject root;
    root.insert(QStringLiteral("$type"), QStringLiteral("TBenchGraph"));
    root.insert(QStringLiteral("Items"), items);
    root.insert(QStringLiteral("Picture"), QString::fromLatin1(graph.PictureData().Bytes.toHex().toUpper()));
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

void LoadByHand(TBenchGraph& graph, const QByteArray& text)
{
    const QJsonObject root = QJsonDocument::fromJson(text).object();
    const QJsonArray items = root.value(QStringLiteral("Items")).toArray();
    graph.Items()->BeginUpdate();
    graph.Items()->Clear();
    for (const QJsonValue& value : items) {
        const QJsonObject o = value.toObject();
        auto* item = static_cast<TBenchItem*>(graph.Items()->Add());
        item->Caption = o.value(QStringLiteral("Caption")).toString();
        const QString color = o.value(QStringLiteral("Color")).toString();
        const uint rgb = color.mid(1).toUInt(nullptr, 16);
        item->Color = RGB(int(rgb >> 16), int(rgb >> 8), int(rgb));
        item->Ratio = o.value(QStringLiteral("Ratio")).toDouble();
        item->Weight = o.value(QStringLiteral("Weight")).toInt();
    }
    graph.Items()->EndUpdate();
    graph.PictureData().Bytes = QByteArray::fromHex(root.value(QStringLiteral("Picture")).toString().toLatin1());
}

QByteArray SaveByPersistence(TBenchGraph& graph)
{
    TMemoryStream stream;
    TKestPersistence::SaveSettingsToStream(&graph, stream);
    return stream.Bytes();
}

void LoadByPersistence(TBenchGraph& graph, const QByteArray& text)
{
    TMemoryStream stream(text);
    TKestPersistence::LoadSettingsFromStream(&graph, stream);
}

constexpr int PictureSize = 10 * 1024 * 1024;

using TSave = QByteArray (*)(TBenchGraph&);
using TLoad = void (*)(TBenchGraph&, const QByteArray&);

// Items per second and document bytes per second.
template <TSave Save>
void BM_SaveItems(benchmark::State& state)
{
    Register();
    auto graph = MakeGraph(int(state.range(0)), 0);
    qint64 bytes = 0;
    for (auto _ : state)
        bytes = Save(*graph).size();
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * bytes);
}

template <TSave Save, TLoad Load>
void BM_LoadItems(benchmark::State& state)
{
    Register();
    const QByteArray text = Save(*MakeGraph(int(state.range(0)), 0));
    TBenchGraph graph;
    for (auto _ : state)
        Load(graph, text);
    if (graph.Items()->Count() != state.range(0))
        state.SkipWithError("items lost");
    state.SetItemsProcessed(state.iterations() * state.range(0));
    state.SetBytesProcessed(state.iterations() * text.size());
}

// Picture bytes per second.
template <TSave Save>
void BM_SavePicture(benchmark::State& state)
{
    auto graph = MakeGraph(0, PictureSize);
    for (auto _ : state)
        benchmark::DoNotOptimize(Save(*graph));
    state.SetBytesProcessed(state.iterations() * PictureSize);
}

template <TSave Save, TLoad Load>
void BM_LoadPicture(benchmark::State& state)
{
    const QByteArray text = Save(*MakeGraph(0, PictureSize));
    TBenchGraph graph;
    for (auto _ : state)
        Load(graph, text);
    if (graph.PictureData().Bytes.size() != PictureSize)
        state.SkipWithError("picture lost");
    state.SetBytesProcessed(state.iterations() * PictureSize);
}

}

#define KEST_ITEM_SIZES ->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond)
BENCHMARK_TEMPLATE(BM_SaveItems, SaveByPersistence) KEST_ITEM_SIZES;
BENCHMARK_TEMPLATE(BM_SaveItems, SaveByHand) KEST_ITEM_SIZES;
BENCHMARK_TEMPLATE(BM_LoadItems, SaveByPersistence, LoadByPersistence) KEST_ITEM_SIZES;
BENCHMARK_TEMPLATE(BM_LoadItems, SaveByHand, LoadByHand) KEST_ITEM_SIZES;
BENCHMARK_TEMPLATE(BM_SavePicture, SaveByPersistence)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_SavePicture, SaveByHand)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_LoadPicture, SaveByPersistence, LoadByPersistence)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_LoadPicture, SaveByHand, LoadByHand)->Unit(benchmark::kMillisecond);

#include "PersistenceBench.moc"
