// Opening a folder with 100,000 subfolders (on tmpfs): a bare listing with
// readdir and stat beside the bar selecting the folder, with auto-complete
// and history filling on, until the selection returns.

#include "pathbar/KestExplorerTreeview.h"

#include <QDir>
#include <QFile>
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

void BM_SelectBigFolder(benchmark::State& state)
{
    const QString parent = BigFolderParent();
    long growth = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
        bar->SetMode(aeFolder);
        bar->SetFolderPath(parent);
        TKestTreeNode* big = bar->Items()->GetFirstNode()->GetFirstChild();
        long before = HeapKiB();
        state.ResumeTiming();
        bar->SetSelectedNode(big);
        state.PauseTiming();
        growth = HeapKiB() - before;
        if (!big->HasChildren())
            state.SkipWithError("nothing listed");
        bar.reset();
        state.ResumeTiming();
    }
    state.counters["growth_MiB"] = double(growth) / 1024.0;
}

}

BENCHMARK(BM_BareListingWithStat)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectBigFolder)->Unit(benchmark::kMillisecond)->Iterations(3);
