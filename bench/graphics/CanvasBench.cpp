// What a user waits for when a canvas paints: a scene of mixed shapes and
// as many DrawText calls (1,000, 3,000 and 10,000 of each), and rows of
// control parts (100, 300 and 1,000), through the canvas on each back-end,
// beside plain QPainter drawing the same on a surface of the same size in
// the same run. Each iteration paints one scene on a fresh 1024 x 768
// bitmap canvas, as a window repaint does.

#include "graphics/KestGraphics.h"

#include "framework/Bitmap.h"
#include "graphics/GraphicsFill.h"
#include "graphics/GraphicsStroke.h"
#include "graphics/KestGraphicsContext.h"

#include <QImage>
#include <QPainter>
#include <QPolygonF>
#include <benchmark/benchmark.h>

namespace {

constexpr int SceneWidth = 1024, SceneHeight = 768;

// Where the i-th item of a scene goes: cells of 32 x 24 in rows.
QRectF Cell(int i)
{
    const int columns = SceneWidth / 32, rows = SceneHeight / 24;
    const int c = i % columns, r = (i / columns) % rows;
    return QRectF(c * 32 + 2, r * 24 + 2, 28, 20);
}

TRectF CellF(int i)
{
    const QRectF r = Cell(i);
    return TRectF(float(r.left()), float(r.top()), float(r.right()), float(r.bottom()));
}

const TColor Colors[] = {0x3C7FB1, 0x2DB34A, 0x1A1AD0, 0x808080, 0xB48246};

bool BackEndBuiltIn(bool native)
{
    const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
    return native ? classes.Native != nullptr : classes.General != nullptr;
}

void CanvasScene(benchmark::State& state, bool native)
{
    if (!BackEndBuiltIn(native)) {
        state.SkipWithError("back-end not built in");
        return;
    }
    const int count = int(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, native);
        canvas->BeginScene();
        canvas->Stroke()->SetColor(0x202020);
        for (int i = 0; i < count; ++i) {
            const TRectF r = CellF(i);
            canvas->SetFillColor(Colors[i % 5]);
            switch (i % 5) {
            case 0:
                canvas->DrawRectangle(r);
                break;
            case 1:
                canvas->DrawEllipse(r);
                break;
            case 2:
                canvas->DrawRoundRectangle(r, 4);
                break;
            case 3:
                canvas->DrawLine(TPointF(r.Left, r.Top), TPointF(r.Right, r.Bottom));
                break;
            default:
                canvas->DrawPolygon({{r.Left, r.Bottom}, {(r.Left + r.Right) / 2, r.Top}, {r.Right, r.Bottom}});
                break;
            }
        }
        for (int i = 0; i < count; ++i)
            canvas->DrawText(CellF(i), QStringLiteral("Text"), false, gtaLeading, gtaLeading, gttNone, 0, -1, -1,
                             false);
        canvas->EndScene();
        benchmark::DoNotOptimize(canvas->Canvas());
    }
    state.SetItemsProcessed(state.iterations() * count * 2);
}

void BM_CanvasScene_Native(benchmark::State& state) { CanvasScene(state, true); }
void BM_CanvasScene_General(benchmark::State& state) { CanvasScene(state, false); }

void BM_CanvasScene_QPainter(benchmark::State& state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        QImage image(SceneWidth, SceneHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setPen(QColor(0x20, 0x20, 0x20));
        for (int i = 0; i < count; ++i) {
            const QRectF r = Cell(i);
            painter.setBrush(ColorToQColor(Colors[i % 5]));
            switch (i % 5) {
            case 0:
                painter.drawRect(r);
                break;
            case 1:
                painter.drawEllipse(r);
                break;
            case 2:
                painter.drawRoundedRect(r, 4, 4);
                break;
            case 3:
                painter.drawLine(r.topLeft(), r.bottomRight());
                break;
            default:
                painter.drawPolygon(
                    QPolygonF{{r.left(), r.bottom()}, {r.center().x(), r.top()}, {r.right(), r.bottom()}});
                break;
            }
        }
        for (int i = 0; i < count; ++i)
            painter.drawText(Cell(i), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Text"));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * count * 2);
}

void ControlParts(benchmark::State& state, bool native)
{
    if (!BackEndBuiltIn(native)) {
        state.SkipWithError("back-end not built in");
        return;
    }
    const int count = int(state.range(0));
    TKestGraphics::SetDefaultGraphicColors();
    for (auto _ : state) {
        std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(SceneWidth, SceneHeight, native);
        canvas->BeginScene();
        for (int i = 0; i < count; ++i) {
            const TRectF r = CellF(i);
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
    const QColor border(0xA9, 0xA9, 0xA9), face(0xE1, 0xE1, 0xE1), glyph(Qt::black);
    for (auto _ : state) {
        QImage image(SceneWidth, SceneHeight, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (int i = 0; i < count; ++i) {
            const QRectF r = Cell(i);
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
BENCHMARK(BM_ControlParts_Native)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlParts_General)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ControlParts_QPainter)->Arg(100)->Arg(300)->Arg(1000)->Unit(benchmark::kMillisecond);
