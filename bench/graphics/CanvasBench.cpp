// What a user waits for when a canvas paints: a fresh 1,024 x 768 bitmap
// canvas, one scene, the scene ended, as a window repaint does. The scene
// is n shapes, n texts or both (the items of SceneItems.h), and rows of
// control parts (100, 300 and 1,000), through the canvas on each back-end,
// beside plain QPainter painting the same on a QImage of the same size in
// the same run.

#include "SceneItems.h"

#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphics.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int SceneWidth = 1024, SceneHeight = 768;

enum TScenePart { spShapes = 1, spTexts = 2, spBoth = 3 };

void CanvasScene(benchmark::State& state, bool native, int parts)
{
    if (!BackEndBuiltIn(native)) {
        state.SkipWithError("back-end not built in");
        return;
    }
    const std::vector<TSceneItem> items = SceneItems(int(state.range(0)), SceneWidth, SceneHeight);
    for (auto _ : state) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, native);
        canvas->BeginScene();
        canvas->Stroke()->SetColor(0x202020);
        SetSceneFont(*canvas);
        if (parts & spShapes)
            for (const TSceneItem& item : items)
                DrawShape(*canvas, item);
        if (parts & spTexts)
            for (const TSceneItem& item : items)
                DrawItemText(*canvas, item);
        canvas->EndScene();
        benchmark::DoNotOptimize(canvas->Canvas());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(items.size()) * (parts == spBoth ? 2 : 1));
}

void QPainterScene(benchmark::State& state, int parts)
{
    const std::vector<TSceneItem> items = SceneItems(int(state.range(0)), SceneWidth, SceneHeight);
    for (auto _ : state) {
        QImage image(SceneWidth, SceneHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QColor(0x20, 0x20, 0x20));
        SetSceneFont(painter);
        if (parts & spShapes)
            for (const TSceneItem& item : items)
                DrawShape(painter, item);
        if (parts & spTexts)
            for (const TSceneItem& item : items)
                DrawItemText(painter, item);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * int64_t(items.size()) * (parts == spBoth ? 2 : 1));
}

void BM_CanvasScene_Native(benchmark::State& state) { CanvasScene(state, true, spBoth); }
void BM_CanvasScene_General(benchmark::State& state) { CanvasScene(state, false, spBoth); }
void BM_CanvasScene_QPainter(benchmark::State& state) { QPainterScene(state, spBoth); }
void BM_CanvasShapes_Native(benchmark::State& state) { CanvasScene(state, true, spShapes); }
void BM_CanvasShapes_General(benchmark::State& state) { CanvasScene(state, false, spShapes); }
void BM_CanvasShapes_QPainter(benchmark::State& state) { QPainterScene(state, spShapes); }
void BM_CanvasTexts_Native(benchmark::State& state) { CanvasScene(state, true, spTexts); }
void BM_CanvasTexts_General(benchmark::State& state) { CanvasScene(state, false, spTexts); }
void BM_CanvasTexts_QPainter(benchmark::State& state) { QPainterScene(state, spTexts); }

void ControlParts(benchmark::State& state, bool native)
{
    if (!BackEndBuiltIn(native)) {
        state.SkipWithError("back-end not built in");
        return;
    }
    const int count = int(state.range(0));
    const std::vector<TSceneItem> cells = SceneItems(count, SceneWidth, SceneHeight);
    TKestGraphics::SetDefaultGraphicColors();
    for (auto _ : state) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, native);
        canvas->BeginScene();
        for (int i = 0; i < count; ++i) {
            const TRectF& r = cells[size_t(i)].Rect;
            const bool on = (i / 8) % 2 == 0;
            switch (i % 8) {
            case 0:
                canvas->DrawButton(r, on, !on, true);
                break;
            case 1:
                canvas->DrawCloseButton(r, false, on, true, true);
                break;
            case 2:
                canvas->DrawExpanderButton(r, on ? gesCollapsed : gesExpanded, false, false, true, true);
                break;
            case 3:
                canvas->DrawCompactButton(r, on ? gcsCollapsed : gcsExpanded, false, false, true, true);
                break;
            case 4:
                canvas->DrawDropDownButton(r, false, false, true, false, true);
                break;
            case 5:
                canvas->DrawCheckBox(r, on, false, true);
                break;
            case 6:
                canvas->DrawRadioButton(r, on, false, true);
                break;
            default:
                canvas->DrawProgressBar(r, float(i % 100), QStringLiteral("%.0f%%"), 100, 0x2DB34A, 0, true, true);
                break;
            }
        }
        canvas->EndScene();
        benchmark::DoNotOptimize(canvas->Canvas());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_ControlParts_Native(benchmark::State& state) { ControlParts(state, true); }
void BM_ControlParts_General(benchmark::State& state) { ControlParts(state, false); }

// The same parts as plain QPainter shapes: frames, faces, lines, ellipses
// and the progress text.
void BM_ControlParts_QPainter(benchmark::State& state)
{
    const int count = int(state.range(0));
    const std::vector<TSceneItem> cells = SceneItems(count, SceneWidth, SceneHeight);
    const QColor border(0xA9, 0xA9, 0xA9), face(0xE1, 0xE1, 0xE1), glyph(Qt::black);
    for (auto _ : state) {
        QImage image(SceneWidth, SceneHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (int i = 0; i < count; ++i) {
            const QRectF r = ToQRectF(cells[size_t(i)].Rect);
            const QRectF inner = r.adjusted(1, 1, -1, -1);
            switch (i % 8) {
            case 5:
                painter.setPen(glyph);
                painter.setBrush(face);
                painter.drawRect(inner);
                painter.drawLine(inner.topLeft(), inner.bottomRight());
                painter.drawLine(inner.topRight(), inner.bottomLeft());
                break;
            case 6:
                painter.setPen(glyph);
                painter.setBrush(face);
                painter.drawEllipse(inner);
                painter.setBrush(glyph);
                painter.drawEllipse(inner.adjusted(5, 4, -5, -4));
                break;
            case 7:
                painter.setPen(border);
                painter.setBrush(face);
                painter.drawRect(r);
                painter.fillRect(QRectF(inner.left(), inner.top(), inner.width() * (i % 100) / 100, inner.height()),
                                 QColor(0x4A, 0xB3, 0x2D));
                painter.setPen(glyph);
                painter.drawText(r, Qt::AlignCenter, QStringLiteral("%1%").arg(i % 100));
                break;
            default:
                painter.setPen(border);
                painter.setBrush(face);
                painter.drawRect(r);
                painter.setPen(QPen(glyph, 2));
                painter.drawLine(r.center() - QPointF(4, 4), r.center() + QPointF(4, 4));
                painter.drawLine(r.center() + QPointF(-4, 4), r.center() + QPointF(4, -4));
                break;
            }
        }
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

}

BENCHMARK(BM_CanvasScene_Native)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasScene_General)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasScene_QPainter)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_Native)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_General)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasShapes_QPainter)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasTexts_Native)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasTexts_General)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CanvasTexts_QPainter)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlParts_Native)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlParts_General)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlParts_QPainter)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
