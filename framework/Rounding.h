#pragma once
// Rounding the way the system's arithmetic expects it: halves go to the even
// neighbour, truncation goes towards zero, integer division truncates.

#include <cmath>
#include <cstdint>

#pragma GCC visibility push(default)

namespace Kest {

inline int Round(double x)
{
    // Independent of the floating-point rounding mode in force.
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        r = 2.0 * std::round(x / 2.0);
    return static_cast<int>(r);
}

inline int Trunc(double x) { return static_cast<int>(std::trunc(x)); }

// C++ integer division already truncates towards zero; named for clarity at
// call sites that port the system's "div".
inline int Div(int a, int b) { return a / b; }

}

#pragma GCC visibility pop
