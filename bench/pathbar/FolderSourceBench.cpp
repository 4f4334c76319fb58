// Opening a folder with 100,000 subfolders (on tmpfs): a bare listing with
// readdir and stat beside the bar selecting the folder, with auto-complete
// and history filling on, until the selection returns.

#include "Heartbeat.h"
#include "pathbar/KestExplorerTreeview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <optional>
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kFolders = 100000;

// The folder tree is made once and kept between runs.
QString BigFolderParent()
{
    static const QString parent = [] {
        QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        QString dir = base + QStringLiteral("/kest-bench-folders");
        QString big = dir + QStringLiteral("/big");
        if (!QFile::exists(big + QStringLiteral("/f%1").arg(kFolders - 1))) {
            QDir().mkpath(big);
            for (int i = 0; i < kFolders; ++i)
                mkdir(QFile::encodeName(big + QStringLiteral("/f%1").arg(i)).constData(), 0755);
        }
        return dir;
    }();
    return parent;
}

// Heap in use: unlike the resident size it does not hide growth in memory
// freed by an earlier run.
long HeapKiB() { return long(mallinfo2().uordblks / 1024); }

void BM_BareListingWithStat(benchmark::State& state)
{
    QByteArray big = QFile::encodeName(BigFolderParent() + QStringLiteral("/big"));
    for (auto _ : state) {
        DIR* dir = opendir(big.constData());
        int folders = 0;
        while (dirent* e = readdir(dir)) {
            struct stat st;
            if (fstatat(dirfd(dir), e->d_name, &st, 0) == 0 && S_ISDIR(st.st_mode))
                ++folders;
        }
        closedir(dir);
        benchmark::DoNotOptimize(folders);
    }
}

// With input (the argument 1) a 1 ms timer runs meanwhile: the window
// thread has events to handle, and the timer's longest gap is the longest
// stretch in which it handled none.
void BM_SelectBigFolder(benchmark::State& state)
{
    const QString parent = BigFolderParent();
    long growth = 0;
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeFolder);
        bar->SetFolderPath(parent);
        TKestTreeNode* big = bar->Items()->GetFirstNode()->GetFirstChild();
        long before = HeapKiB();
        std::optional<Heartbeat> heartbeat;
        if (state.range(0))
            heartbeat.emplace();
        state.ResumeTiming();
        bar->SetSelectedNode(big);
        state.PauseTiming();
        growth = HeapKiB() - before;
        if (heartbeat)
            longest = std::max(longest, heartbeat->LongestMs());
        heartbeat.reset();
        if (!big->HasChildren())
            state.SkipWithError("nothing listed");
        bar.reset();
        state.ResumeTiming();
    }
    state.counters["growth_MiB"] = double(growth) / 1024.0;
    if (state.range(0))
        state.counters["longest_stall_ms"] = longest;
}

// The 50-level path d0/d1/.../d49 beside the big folder, which sorts first
// among its siblings; made once and kept between runs.
QString DeepPath()
{
    static const QString path = [] {
        QString p = BigFolderParent();
        for (int i = 0; i < 50; ++i)
            p += QStringLiteral("/d%1").arg(i);
        QDir().mkpath(p);
        return p;
    }();
    return path;
}

std::unique_ptr<TKestExplorerTreeview> ShownFolderBar()
{
    auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
    bar->setGeometry(0, 0, 600, 25);
    bar->show();
    bar->SetMode(aeFolder);
    bar->SetFolderPath(BigFolderParent());
    return bar;
}

// A walk from the top folder to the end of the path in a new bar: each
// level of the path is listed as the walk reaches it.
void BM_WalkDeepPath(benchmark::State& state)
{
    const QString path = DeepPath();
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = ShownFolderBar();
        state.ResumeTiming();
        bar->SetSelectedFolder(path, true);
        state.PauseTiming();
        if (bar->GetSelectedFolder() != path)
            state.SkipWithError("the walk did not arrive");
        bar.reset();
        state.ResumeTiming();
    }
}

// The same walk once every folder on the path is listed: what is left is
// selecting, laying out the buttons and painting the bar.
void BM_WalkListedDeepPath(benchmark::State& state)
{
    const QString path = DeepPath();
    auto bar = ShownFolderBar();
    bar->SetSelectedFolder(path, true);
    QImage target(bar->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        state.PauseTiming();
        bar->SetSelectedNode(bar->Items()->GetFirstNode());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
        bar->SetSelectedFolder(path, true);
        bar->render(&target);
    }
    if (bar->GetSelectedFolder() != path)
        state.SkipWithError("the walk did not arrive");
}

}

BENCHMARK(BM_WalkDeepPath)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WalkListedDeepPath)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareListingWithStat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectBigFolder)->ArgName("input")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);
