// Filtering the auto-complete list on a keystroke, with 1,000,000 entries,
// beside QCompleter filtering the same sorted list; and opening the history
// window with 100,000 entries.

#include "pathbar/AutoCompleteList.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QApplication>
#include <QCompleter>
#include <QKeyEvent>
#include <QStringListModel>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int kEntries = 1000000;

// Paths like /home/user/Projects/p123/src/m45: ten top folders, deep
// enough that a typed prefix narrows the list as a user's typing does.
QString PathOf(int i)
{
    static const char* const kTop[] = {"bin", "boot", "etc", "home/user", "media", "opt", "srv", "tmp", "usr", "var"};
    return QStringLiteral("/%1/Projects/p%2/src/m%3").arg(QLatin1String(kTop[i % 10])).arg(i / 1000).arg(i % 1000);
}

const TAutoCompleteList& BigList()
{
    static const TAutoCompleteList list = [] {
        TAutoCompleteList l;
        for (int i = 0; i < kEntries; ++i)
            l.Add(PathOf(i), nullptr);
        return l;
    }();
    return list;
}

QStringList Filter(const TAutoCompleteList& list, const QString& prefix)
{
    QStringList shown;
    list.ForEachStartingWith(prefix, [&](const QString& p, TKestTreeNode*) {
        shown << p;
        return true;
    });
    return shown;
}

// The prefixes of one user's typing, from a broad one to a narrow one; the
// last is the worst case, a text that every entry starts with.
const char* const kTyped[] = {"/home/user/projects/p5", "/home/user/projects/p53", "/home/user/projects/p531/",
                              "/"};

void BM_AutoCompleteFilter(benchmark::State& state)
{
    const TAutoCompleteList& list = BigList();
    const QString prefix = QString::fromLatin1(kTyped[state.range(0)]);
    // The same answer, in the same order, as the plain scan of the list.
    QStringList scanned;
    const QString upper = TAutoCompleteList::AsciiUpper(prefix);
    list.ForEach([&](const QString& p, TKestTreeNode*) {
        if (TAutoCompleteList::AsciiUpper(p).startsWith(upper))
            scanned << p;
        return true;
    });
    if (Filter(list, prefix) != scanned) {
        state.SkipWithError("the ranged filter differs from the plain scan");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(Filter(list, prefix));
    state.counters["shown"] = double(scanned.size());
}
BENCHMARK(BM_AutoCompleteFilter)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

void BM_AutoCompleteScan(benchmark::State& state)
{
    const TAutoCompleteList& list = BigList();
    const QString upper = TAutoCompleteList::AsciiUpper(QString::fromLatin1(kTyped[state.range(0)]));
    for (auto _ : state) {
        QStringList shown;
        list.ForEach([&](const QString& p, TKestTreeNode*) {
            if (TAutoCompleteList::AsciiUpper(p).startsWith(upper))
                shown << p;
            return true;
        });
        benchmark::DoNotOptimize(shown);
    }
}
BENCHMARK(BM_AutoCompleteScan)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_QCompleterFilter(benchmark::State& state)
{
    QStringList sorted;
    sorted.reserve(kEntries);
    BigList().ForEach([&](const QString& p, TKestTreeNode*) {
        sorted << p;
        return true;
    });
    QStringListModel model(sorted);
    const QString prefix = QString::fromLatin1(kTyped[state.range(0)]);
    for (auto _ : state) {
        // A completer that has filtered nothing yet, as the bar's filter
        // keeps nothing between keystrokes: QCompleter caches the rows it
        // found for a prefix, even across a reset of the prefix.
        state.PauseTiming();
        auto completer = std::make_unique<QCompleter>(&model);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setModelSorting(QCompleter::CaseInsensitivelySortedModel);
        state.ResumeTiming();
        completer->setCompletionPrefix(prefix);
        QStringList shown;
        QAbstractItemModel* found = completer->completionModel();
        for (int i = 0; i < found->rowCount(); ++i)
            shown << found->index(i, 0).data().toString();
        benchmark::DoNotOptimize(shown);
        state.PauseTiming();
        completer.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QCompleterFilter)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// A shown bar whose history holds n top-level nodes; the clock runs from the
// press on the history button until the window is shown.
void BM_OpenHistoryWindow(benchmark::State& state)
{
    TKestExplorerTreeview bar(nullptr);
    bar.SetMode(aeCustom);
    bar.setGeometry(0, 0, 600, 25);
    bar.show();
    for (int i = 0; i < state.range(0); ++i)
        bar.AddToDropDownList(bar.Items()->Add(QStringLiteral("Folder %1").arg(i)));
    for (auto _ : state) {
        QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::NoModifier);
        QApplication::sendEvent(&bar, &f4);
        if (!bar.IsDroppedDown()) {
            state.SkipWithError("the window did not open");
            break;
        }
        // Painted once, as the screen shows it.
        benchmark::DoNotOptimize(Inside(bar).DropForm()->grab());
        state.PauseTiming();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
        QApplication::sendEvent(Inside(bar).DropListBox(), &escape);
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenHistoryWindow)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}
