#pragma once
// The application object the widget-reading fuzz targets need, made once on
// the offscreen platform with the modules registered.

#include "app/Program.h"
#include "framework/Application.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace Fuzz {

inline void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static auto app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto a = std::make_unique<TApplication>(argc, argv);
        Program::RegisterModules();
        return a;
    }();
}

// A broken property: libFuzzer reports the abort with the input.
[[noreturn]] inline void Broken(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}
