// Rendering the conformance suite's files: each file loaded and drawn onto a
// transparent bitmap at its reference size times the argument (1, 2, 4),
// through our engine on both back-ends, beside Qt's renderer and librsvg.
// One iteration renders every file once. The suite's folder comes from
// KEST_SVG_SUITE (the folder holding tests/); without it these skip.

// glib's headers use a name Qt defines as a macro: they come first.
#ifdef KEST_BENCH_LIBRSVG
#include <librsvg/rsvg.h>
#endif

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGImport.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <cstdio>
#include <limits>
#include <vector>

namespace {

struct TSuiteFile {
    QString Name;
    QByteArray Bytes;
    QSize Size;
};

const std::vector<TSuiteFile>& Suite()
{
    static const std::vector<TSuiteFile> files = [] {
        std::vector<TSuiteFile> out;
        const QString root = qEnvironmentVariable("KEST_SVG_SUITE");
        if (root.isEmpty())
            return out;
        QDirIterator it(root + "/tests", {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QSize size = QImageReader(path.chopped(4) + ".png").size();
            QFile file(path);
            if (size.isValid() && file.open(QIODevice::ReadOnly))
                out.push_back({QDir(root).relativeFilePath(path), file.readAll(), size});
        }
        return out;
    }();
    return files;
}

template <typename TRender>
void RenderSuite(benchmark::State& state, TRender render)
{
    const auto& files = Suite();
    if (files.empty()) {
        state.SkipWithError("KEST_SVG_SUITE is not set");
        return;
    }
    const int scale = int(state.range(0));
    for (auto _ : state)
        for (const TSuiteFile& file : files)
            render(file.Bytes, file.Size * scale);
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(files.size()));
}

void Ours(const QByteArray& bytes, QSize size, bool native)
{
    TKestGraphicsSVGImport svg;
    try {
        svg.LoadFromText(QString::fromUtf8(bytes));
    } catch (const EKestGraphicsSVGError&) {
        return;
    }
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(size.width(), size.height(), native);
    canvas->BeginScene();
    svg.Draw(*canvas, TRectF(0, 0, float(size.width()), float(size.height())), native, true);
    canvas->EndScene();
    // The pixels as drawn, as Qt's renderer leaves them below.
    benchmark::DoNotOptimize(TKestGraphics::TakeImage(std::move(canvas)).constBits());
}

void QtRenderer(const QByteArray& bytes, QSize size)
{
    QSvgRenderer renderer(bytes);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
}

// The best of a few runs of one file, in microseconds.
template <typename TRender>
double BestMicroseconds(TRender render)
{
    constexpr int Runs = 7;
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        render();
        best = std::min(best, timer.nsecsElapsed());
    }
    return double(best) / 1000;
}

// Loading alone (reading the XML and building the element tree), the part
// of the suite's time both back-ends share.
void BM_SVGLoadSuite(benchmark::State& state)
{
    RenderSuite(state, [](const QByteArray& bytes, QSize) {
        TKestGraphicsSVGImport svg;
        try {
            svg.LoadFromText(QString::fromUtf8(bytes));
        } catch (const EKestGraphicsSVGError&) {
        }
        benchmark::DoNotOptimize(svg.ElementCount());
    });
}

void BM_SVGRenderSuiteGeneral(benchmark::State& state)
{
    RenderSuite(state, [](const QByteArray& bytes, QSize size) { Ours(bytes, size, false); });
}

void BM_SVGRenderSuiteNative(benchmark::State& state)
{
    RenderSuite(state, [](const QByteArray& bytes, QSize size) { Ours(bytes, size, true); });
}

void BM_QSvgRendererSuite(benchmark::State& state)
{
    RenderSuite(state, QtRenderer);
}

// Where the time goes: every file's best time on both back-ends and Qt's,
// the files that lose most to Qt's first, on standard error. One iteration.
void BM_SVGRenderSuiteByFile(benchmark::State& state)
{
    const auto& files = Suite();
    if (files.empty()) {
        state.SkipWithError("KEST_SVG_SUITE is not set");
        return;
    }
    const int scale = int(state.range(0));
    struct TRow {
        QString Name;
        double General, Native, Reference;
    };
    std::vector<TRow> rows;
    for (auto _ : state) {
        rows.clear();
        for (const TSuiteFile& file : files) {
            const QSize size = file.Size * scale;
            rows.push_back({file.Name, BestMicroseconds([&] { Ours(file.Bytes, size, false); }),
                            BestMicroseconds([&] { Ours(file.Bytes, size, true); }),
                            BestMicroseconds([&] { QtRenderer(file.Bytes, size); })});
        }
    }
    std::sort(rows.begin(), rows.end(), [](const TRow& a, const TRow& b) {
        return std::max(a.General, a.Native) - a.Reference > std::max(b.General, b.Native) - b.Reference;
    });
    double general = 0, native = 0, reference = 0;
    for (const TRow& row : rows) {
        general += row.General;
        native += row.Native;
        reference += row.Reference;
        std::fprintf(stderr, "%9.1f %9.1f %9.1f  %s\n", row.General, row.Native, row.Reference, qPrintable(row.Name));
    }
    std::fprintf(stderr, "%9.1f %9.1f %9.1f  total (us: framework canvas, platform back-end, Qt)\n", general,
                 native, reference);
}

#ifdef KEST_BENCH_LIBRSVG
void BM_LibrsvgSuite(benchmark::State& state)
{
    RenderSuite(state, [](const QByteArray& bytes, QSize size) {
        RsvgHandle* handle =
            rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(bytes.constData()), gsize(bytes.size()), nullptr);
        if (!handle)
            return;
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.width(), size.height());
        cairo_t* cr = cairo_create(surface);
        const RsvgRectangle viewport{0, 0, double(size.width()), double(size.height())};
        rsvg_handle_render_document(handle, cr, &viewport, nullptr);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
        g_object_unref(handle);
    });
}
BENCHMARK(BM_LibrsvgSuite)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
#endif

}

BENCHMARK(BM_SVGLoadSuite)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SVGRenderSuiteGeneral)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SVGRenderSuiteNative)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QSvgRendererSuite)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SVGRenderSuiteByFile)->Arg(1)->Arg(2)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);
