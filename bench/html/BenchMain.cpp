// The markup benchmarks need a GUI application object: fonts and the
// document classes they are compared with need one.
#include "BenchApplication.h"

#include <QGuiApplication>

int main(int argc, char** argv) { return RunBenchmarksIn<QGuiApplication>(argc, argv); }
