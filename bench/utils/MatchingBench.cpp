// Matching and the markup passes on texts of 10 KB, 100 KB and 1 MB, beside
// the nearest Qt tools: QRegularExpression for a wildcard pattern and
// QString::replace passes for the markup.

#include "utils/KestUtils.h"

#include <QRegularExpression>
#include <benchmark/benchmark.h>

namespace {

// Ordinary text with markup characters and accented letters every few words.
QString Text(qsizetype size)
{
    const QString words = QString::fromUtf8("the quick <b>brown</b> fox & the \"lazy\" dog café über ");
    QString out;
    out.reserve(size + words.size());
    while (out.size() < size)
        out += words;
    out.truncate(size);
    return out;
}

void BM_Matches_Kest(benchmark::State& state)
{
    const QString value = Text(state.range(0)) + "end";
    const QString pattern = "*fox*dog*café*end";
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::Matches(pattern, value));
    state.SetBytesProcessed(int64_t(state.iterations()) * value.size() * 2);
}

void BM_Matches_Hostile_Kest(benchmark::State& state)
{
    // Exponential for a recursive matcher.
    const QString value(state.range(0), QLatin1Char('a'));
    const QString pattern = "*a*a*a*a*a*a*b";
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::Matches(pattern, value));
    state.SetBytesProcessed(int64_t(state.iterations()) * value.size() * 2);
}

void BM_Matches_QRegularExpression(benchmark::State& state)
{
    const QString value = Text(state.range(0)) + "end";
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression("*fox*dog*café*end"));
    for (auto _ : state)
        benchmark::DoNotOptimize(re.match(value).hasMatch());
    state.SetBytesProcessed(int64_t(state.iterations()) * value.size() * 2);
}

void BM_FixMarkup_Kest(benchmark::State& state)
{
    const QString text = Text(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::FixMarkup(text, true));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size() * 2);
}

void BM_UnFixMarkup_Kest(benchmark::State& state)
{
    const QString markup = TKestUtils::FixMarkup(Text(state.range(0)), true);
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::UnFixMarkup(markup, true, false));
    state.SetBytesProcessed(int64_t(state.iterations()) * markup.size() * 2);
}

void BM_HTMLStrip_Kest(benchmark::State& state)
{
    const QString text = Text(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::HTMLStrip(text));
    state.SetBytesProcessed(int64_t(state.iterations()) * text.size() * 2);
}

// The four basic entities as QString::replace passes (what a multi-pass
// decoder does), for comparison.
void BM_UnFixBasic_QStringReplace(benchmark::State& state)
{
    const QString markup = TKestUtils::FixMarkup(Text(state.range(0)), false);
    for (auto _ : state) {
        QString s = markup;
        s.replace(QLatin1String("&lt;"), QLatin1String("<"), Qt::CaseInsensitive);
        s.replace(QLatin1String("&gt;"), QLatin1String(">"), Qt::CaseInsensitive);
        s.replace(QLatin1String("&amp;"), QLatin1String("&"), Qt::CaseInsensitive);
        s.replace(QLatin1String("&quot;"), QLatin1String("\""), Qt::CaseInsensitive);
        benchmark::DoNotOptimize(s);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * markup.size() * 2);
}

void BM_UnFixBasic_Kest(benchmark::State& state)
{
    const QString markup = TKestUtils::FixMarkup(Text(state.range(0)), false);
    for (auto _ : state)
        benchmark::DoNotOptimize(TKestUtils::UnFixMarkup(markup, false, false));
    state.SetBytesProcessed(int64_t(state.iterations()) * markup.size() * 2);
}

}

#define KEST_TEXT_SIZES ->Arg(10 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMicrosecond)
BENCHMARK(BM_Matches_Kest) KEST_TEXT_SIZES;
BENCHMARK(BM_Matches_QRegularExpression) KEST_TEXT_SIZES;
BENCHMARK(BM_Matches_Hostile_Kest) KEST_TEXT_SIZES;
BENCHMARK(BM_FixMarkup_Kest) KEST_TEXT_SIZES;
BENCHMARK(BM_UnFixMarkup_Kest) KEST_TEXT_SIZES;
BENCHMARK(BM_UnFixBasic_Kest) KEST_TEXT_SIZES;
BENCHMARK(BM_UnFixBasic_QStringReplace) KEST_TEXT_SIZES;
BENCHMARK(BM_HTMLStrip_Kest) KEST_TEXT_SIZES;
