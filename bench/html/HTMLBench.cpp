// The markup engine on mixed markup of 1 KB, 100 KB and 1 MB wrapped at
// 400 pixels: measured (what a control waits for to size itself), drawn
// whole, and hit-tested at 1,000 points of a 400 x 600 view; beside
// QTextDocument on the same text (setHtml with the layout at that width,
// drawContents, hitTest). Search-match highlighting with one match per
// 100 bytes, up to 10,000 matches in 1 MB.

#include "graphics/GraphicsFont.h"
#include "graphics/KestGraphics.h"
#include "graphics/html/KestGraphicsHTMLEngine.h"
#include "graphics/html/KestHTMLFontMeasures.h"
#include "graphics/html/KestHTMLKeptLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>

namespace {

constexpr float WrapWidth = 400;
constexpr int ViewHeight = 600;
constexpr int HitPoints = 1000;

// Paragraphs of styled words, links, coloured runs and a short list, as
// markup both engines read.
QString MixedMarkup(qsizetype bytes)
{
    static const QString block = QStringLiteral(
        "<P>The <B>quick</B> brown <I>fox</I> jumps over <A href=\"dog\">the lazy dog</A> and "
        "<FONT COLOR=\"#C03000\">runs far away</FONT> into the <U>woods</U>, where nobody sees it "
        "again.<BR><UL><LI>first item of the list</LI><LI>second <B>bold</B> item</LI></UL></P>");
    QString out;
    out.reserve(bytes + block.size());
    while (out.size() < bytes)
        out += block;
    return out;
}

std::unique_ptr<TKestGraphics> Canvas()
{
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(int(WrapWidth), ViewHeight);
    canvas->SetFontName(QStringLiteral("DejaVu Sans"));
    canvas->SetFontSize(9);
    return canvas;
}

TKestHTMLDrawInput Input(const QString& text, float height)
{
    TKestHTMLDrawInput input;
    input.Text = text;
    input.Rect = TRectF(0, 0, WrapWidth, height);
    input.WordWrap = true;
    return input;
}

QFont DocumentFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    return font;
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20)->Unit(benchmark::kMillisecond);
}

// Measured with no layout kept; wordsKnown: laid out again (at another
// width, say) with the words' sizes known, else for the first time.
void MeasureMarkup(benchmark::State& state, bool wordsKnown)
{
    std::unique_ptr<TKestGraphics> canvas = Canvas();
    TKestHTMLDrawInput input = Input(MixedMarkup(state.range(0)), 1e9f);
    input.MeasureOnly = true;
    for (auto _ : state) {
        TKestHTMLKeptLayout::Clear();
        if (!wordsKnown)
            TKestHTMLMeasureStore::Clear();
        TKestHTMLDrawOutput output;
        TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, output);
        benchmark::DoNotOptimize(output.Height);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void BM_HTMLMeasure(benchmark::State& state) { MeasureMarkup(state, false); }
BENCHMARK(BM_HTMLMeasure)->Apply(Sizes);

void BM_HTMLRelayout(benchmark::State& state) { MeasureMarkup(state, true); }
BENCHMARK(BM_HTMLRelayout)->Apply(Sizes);

void BM_QTextDocumentMeasure(benchmark::State& state)
{
    const QString text = MixedMarkup(state.range(0));
    for (auto _ : state) {
        QTextDocument document;
        document.setDefaultFont(DocumentFont());
        document.setHtml(text);
        document.setTextWidth(WrapWidth);
        benchmark::DoNotOptimize(document.documentLayout()->documentSize());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QTextDocumentMeasure)->Apply(Sizes);

// Drawn whole: the rectangle reaches below the last line, so every run is
// drawn (those past the surface clipped away).
void BM_HTMLDraw(benchmark::State& state)
{
    std::unique_ptr<TKestGraphics> canvas = Canvas();
    const TKestHTMLDrawInput input = Input(MixedMarkup(state.range(0)), 1e9f);
    canvas->BeginScene();
    for (auto _ : state) {
        TKestHTMLDrawOutput output;
        TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, output);
        benchmark::DoNotOptimize(output.Height);
    }
    canvas->EndScene();
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HTMLDraw)->Apply(Sizes);

void BM_QTextDocumentDraw(benchmark::State& state)
{
    QTextDocument document;
    document.setDefaultFont(DocumentFont());
    document.setHtml(MixedMarkup(state.range(0)));
    document.setTextWidth(WrapWidth);
    QImage image(int(WrapWidth), ViewHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        document.drawContents(&painter);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QTextDocumentDraw)->Apply(Sizes);

// 1,000 points over the view of the 100 KB document's start, as a control
// hit-tests what it shows under the mouse.
void BM_HTMLHitTest(benchmark::State& state)
{
    std::unique_ptr<TKestGraphics> canvas = Canvas();
    TKestHTMLDrawInput input = Input(MixedMarkup(100 << 10), float(ViewHeight));
    input.HotSpotCheck = true;
    int hits = 0;
    for (auto _ : state) {
        for (int i = 0; i < HitPoints; ++i) {
            input.PointX = (i * 37) % int(WrapWidth);
            input.PointY = (i * 53) % ViewHeight;
            TKestHTMLDrawOutput output;
            hits += TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, output);
        }
    }
    benchmark::DoNotOptimize(hits);
    state.counters["points"] = HitPoints;
}
BENCHMARK(BM_HTMLHitTest)->Unit(benchmark::kMillisecond);

void BM_QTextDocumentHitTest(benchmark::State& state)
{
    QTextDocument document;
    document.setDefaultFont(DocumentFont());
    document.setHtml(MixedMarkup(100 << 10));
    document.setTextWidth(WrapWidth);
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    int hits = 0;
    for (auto _ : state) {
        for (int i = 0; i < HitPoints; ++i) {
            const QPointF point((i * 37) % int(WrapWidth), (i * 53) % ViewHeight);
            hits += !layout->anchorAt(point).isEmpty() + (layout->hitTest(point, Qt::ExactHit) >= 0);
        }
    }
    benchmark::DoNotOptimize(hits);
    state.counters["points"] = HitPoints;
}
BENCHMARK(BM_QTextDocumentHitTest)->Unit(benchmark::kMillisecond);

// One match of the search text per 100 bytes of markup.
void BM_HilightMarkup(benchmark::State& state)
{
    static const QString block = QStringLiteral("<B>plain</B> words and a needle in <I>the</I> hay, then more text!!");
    QString text;
    while (text.size() < state.range(0))
        text += block + QString(100 - block.size(), QLatin1Char(' '));
    int length = 0;
    for (auto _ : state) {
        const QString out = TKestGraphicsHTMLEngine().HilightMarkup(text, QStringLiteral("needle"),
                                                                    QStringLiteral("HI"), false);
        length = int(out.size());
    }
    benchmark::DoNotOptimize(length);
    state.counters["matches"] = double(state.range(0) / 100);
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HilightMarkup)->Arg(10 << 10)->Arg(100 << 10)->Arg(1000 << 10)->Unit(benchmark::kMillisecond);

}
