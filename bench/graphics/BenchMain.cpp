// The graphics benchmarks draw text, which needs a GUI application object.
#include "BenchApplication.h"

#include <QGuiApplication>

int main(int argc, char** argv) { return RunBenchmarksIn<QGuiApplication>(argc, argv); }
