// The path bar's benchmarks run inside the framework's application, as the bar does.
#include "BenchApplication.h"

#include "framework/Application.h"
#include "pathbar/KestExplorerTreeview.h"

int main(int argc, char** argv)
{
    return RunBenchmarksIn<TApplication>(argc, argv, [] { TCustomExplorerTreeview::RegisterModule(); });
}
