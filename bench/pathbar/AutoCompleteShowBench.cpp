// Showing the auto-complete list of a bar that knows 1,001,001 paths: the
// clock runs from the keystroke until the list is shown and painted. The
// peer is a line edit with QCompleter over the same paths in a
// case-insensitively sorted model, from setting the prefix until its pop-up
// is shown and painted.

#include "pathbar/DropForm.h"
#include "tests/pathbar/ExplorerTreeviewTestAccess.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>
#include <benchmark/benchmark.h>

namespace {

// "/" typed alone shows every path (one trailing separator is ignored);
// "/p53" shows 11,011 of them.
const char* const kTyped[] = {"/", "/p53"};

// A shown, editable bar over "/" > p0..p999 > m0..m999, made once.
TKestExplorerTreeview& BigBar()
{
    static TKestExplorerTreeview* bar = [] {
        auto* b = new TKestExplorerTreeview(nullptr);
        b->SetMode(aeCustom);
        b->SetEditorEnabled(true);
        b->setGeometry(0, 0, 600, 25);
        b->show();
        TKestTreeNode* root = b->Items()->Add(QStringLiteral("/"));
        for (int p = 0; p < 1000; ++p) {
            TKestTreeNode* project = root->AddChild(QStringLiteral("p%1").arg(p));
            for (int m = 0; m < 1000; ++m)
                project->AddChild(QStringLiteral("m%1").arg(m));
        }
        return b;
    }();
    return *bar;
}

void SendKey(QWidget* to, int key, const QString& text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

void BM_AutoCompleteShow(benchmark::State& state)
{
    TKestExplorerTreeview& bar = BigBar();
    const QString typed = QString::fromLatin1(kTyped[state.range(0)]);
    QApplication::setActiveWindow(&bar);
    bar.setFocus();
    int shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bar.setText(typed.chopped(1));
        bar.setCursorPosition(int(bar.text().size()));
        state.ResumeTiming();
        // The last character typed; the bar follows it up from a posted
        // message, as in the program.
        SendKey(&bar, typed.back().unicode(), typed.right(1));
        QApplication::sendPostedEvents(&bar);
        if (!Inside(bar).AutoCompleteForm() || !Inside(bar).AutoCompleteForm()->isVisible()) {
            state.SkipWithError("the list did not open");
            break;
        }
        benchmark::DoNotOptimize(Inside(bar).AutoCompleteForm()->grab());
        state.PauseTiming();
        shown = Inside(bar).AutoCompleteListBox()->Items()->Count();
        SendKey(Inside(bar).AutoCompleteListBox(), Qt::Key_Escape, QStringLiteral("\x1b"));
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["shown"] = shown;
}
BENCHMARK(BM_AutoCompleteShow)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

void BM_QCompleterShow(benchmark::State& state)
{
    QStringList sorted;
    BigBar().AutoCompleteList().ForEach([&](const QString& p, TKestTreeNode*) {
        sorted << p;
        return true;
    });
    QStringListModel model(sorted);
    QLineEdit edit;
    edit.setGeometry(0, 30, 600, 25);
    edit.show();
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    completer.setModelSorting(QCompleter::CaseInsensitivelySortedModel);
    completer.setWidget(&edit);
    const QString typed = QString::fromLatin1(kTyped[state.range(0)]);
    int shown = 0;
    for (auto _ : state) {
        completer.setCompletionPrefix(typed);
        completer.complete();
        benchmark::DoNotOptimize(completer.popup()->grab());
        state.PauseTiming();
        shown = completer.completionCount();
        completer.popup()->hide();
        completer.setCompletionPrefix(QString());
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["shown"] = shown;
}
BENCHMARK(BM_QCompleterShow)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

}
