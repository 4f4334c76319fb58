#pragma once
// The application object the widget-reading fuzz targets need, made once on
// the offscreen platform with the modules registered.

#include "app/Program.h"
#include "framework/Application.h"

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: an exit handler would run after Qt's own global
    // objects are gone, and QApplication's teardown needs them.
    static TApplication* const app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new TApplication(argc, argv);
        Program::RegisterModules();
        return a;
    }();
    (void)app;
}

// A broken property: libFuzzer reports the abort with the input.
[[noreturn]] inline void Broken(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}
