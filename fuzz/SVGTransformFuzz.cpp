// Transform lists from any text: always a matrix of finite numbers.

#include "graphics/svg/KestGraphicsSVGTransform.h"

#include <QString>
#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const TKestGraphicsMatrix m = TKestGraphicsSVGTransform::Parse(text);
    for (const TKestGraphicsVector& row : m.M)
        for (float cell : row)
            if (!std::isfinite(cell))
                __builtin_trap();
    return 0;
}
