// Path data from any text: the paths built stay within the numbers a float
// holds, never NaN or infinite, and a long input never builds more than a
// bounded number of points per character.

#include "graphics/svg/KestGraphicsSVGPathData.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    TKestGraphicsSVGElementPathList paths;
    TKestGraphicsSVGPathData::Parse(text, paths);
    size_t points = 0;
    for (const auto& path : paths) {
        points += size_t(path->Count());
        for (const TKestGraphicsPathPoint& p : path->PathData())
            if (!std::isfinite(p.Point.X) || !std::isfinite(p.Point.Y))
                __builtin_trap();
    }
    // An arc, the costliest command, takes two characters and adds 14 points.
    if (points > 8 * size + 16)
        __builtin_trap();
    for (float n : TKestGraphicsSVGPathData::Numbers(text))
        if (!std::isfinite(n))
            __builtin_trap();
    return 0;
}
