// Any text handed to the layout parser either parses or raises ELayoutError.

#include "framework/Exception.h"
#include "framework/LayoutText.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    try {
        TLayoutObject root = LayoutText::Parse(text, QStringLiteral("fuzz"));
        // What was parsed must survive being written and parsed again.
        LayoutText::Parse(LayoutText::Write(root));
    } catch (const ELayoutError&) {
    }
    return 0;
}
