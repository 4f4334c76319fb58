// Opening the child menu of a node with 5,000 to 100,000 children: the
// clock runs from the press on the button's arrow until the menu is shown
// and painted. A 1 ms heartbeat timer gives the longest stretch in which the
// window thread handled no events; the heap is compared before and after the
// cycles. The peer is a plain QMenu holding one action and one icon per
// child, opened the same way.

#include "Heartbeat.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"
#include "pathbar/ChildMenu.h"
#include "pathbar/KestExplorerTreeview.h"
#include "pathbar/NodeButton.h"
#include "pathbar/TextWidthCache_p.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <functional>

namespace {

long HeapKiB() { return long(mallinfo2().uordblks / 1024); }

// Runs open() until a pop-up shows, paints it once and closes it; returns
// the milliseconds from the call until the paint was done.
double TimeUntilShownAndPainted(const std::function<void()>& open)
{
    QElapsedTimer clock;
    double shown = -1;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup || !popup->isVisible())
            return;
        benchmark::DoNotOptimize(popup->grab());
        if (shown < 0)
            shown = clock.nsecsElapsed() / 1e6;
        popup->close();
    });
    watch.start();
    clock.start();
    open();
    return shown;
}

// A shown bar whose selection is the first of n children: the second button
// carries the parent's arrow.
struct MenuBar {
    explicit MenuBar(int n)
    {
        bar.SetMode(aeCustom);
        bar.SetAutoComplete(false);
        bar.setGeometry(0, 0, 600, 25);
        bar.show();
        TKestTreeNode* parent = bar.Items()->Add(QStringLiteral("root"));
        for (int i = 0; i < n; ++i)
            parent->AddChild(QStringLiteral("Folder %1").arg(i));
        bar.SetSelectedNode(parent->GetFirstChild());
    }
    void PressArrow()
    {
        TNodeButton* button = Inside(bar).NodeButtons().at(1);
        const QPointF at(button->width() - 5, 5);
        QMouseEvent press(QEvent::MouseButtonPress, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &press);
    }
    TKestExplorerTreeview bar{nullptr};
};

void BM_ChildMenuOpen(benchmark::State& state)
{
    MenuBar menuBar(int(state.range(0)));
    TimeUntilShownAndPainted([&] { menuBar.PressArrow(); }); // the first opening loads the style's pixmaps
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const long before = HeapKiB();
    Heartbeat heartbeat;
    for (auto _ : state) {
        const double ms = TimeUntilShownAndPainted([&] { menuBar.PressArrow(); });
        if (ms < 0)
            state.SkipWithError("the menu did not open");
        state.SetIterationTime(ms / 1000);
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.counters["longest_stall_ms"] = heartbeat.LongestMs();
    state.counters["heap_growth_KiB"] = double(HeapKiB() - before);
}
BENCHMARK(BM_ChildMenuOpen)
    ->Arg(5000)
    ->Arg(20000)
    ->Arg(100000)
    ->Iterations(5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_QMenuOpen(benchmark::State& state)
{
    MenuBar menuBar(int(state.range(0)));
    const QIcon icon(QPixmap(16, 16));
    Heartbeat heartbeat;
    for (auto _ : state) {
        const double ms = TimeUntilShownAndPainted([&] {
            QMenu menu;
            for (TKestTreeNode* c = menuBar.bar.Items()->GetFirstNode()->GetFirstChild(); c; c = c->GetNextSibling())
                menu.addAction(icon, c->Text());
            menu.exec(QPoint(0, 25));
        });
        state.SetIterationTime(ms / 1000);
    }
    state.counters["longest_stall_ms"] = heartbeat.LongestMs();
}
BENCHMARK(BM_QMenuOpen)->Arg(5000)->Arg(20000)->Arg(100000)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// What the press costs before the menu shows, as measured before the menu
// became a list: building it and asking for its size.
void BM_ChildMenuOf5000Children(benchmark::State& state)
{
    TKestExplorerTreeview bar(nullptr);
    bar.SetMode(aeCustom);
    TKestTreeNode* parent = bar.Items()->Add(QStringLiteral("root"));
    for (int i = 0; i < 5000; ++i)
        parent->AddChild(QStringLiteral("Folder %1").arg(i));
    TNodeButton button(&bar);
    TTextWidthCache widths;
    button.SetNode(parent, {0, 24, true, bar.Appearance()->ButtonAppearance(), &widths});
    for (auto _ : state) {
        auto menu = CreateChildMenu(button);
        benchmark::DoNotOptimize(menu->sizeHint());
    }
}
BENCHMARK(BM_ChildMenuOf5000Children)->Unit(benchmark::kMillisecond);

}
