// Any text handed to the layout parser either parses or raises ELayoutError;
// what was parsed writes to a text that parses again and writes the same.

#include "framework/Exception.h"
#include "framework/LayoutText.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    std::optional<TLayoutObject> root;
    try {
        root = LayoutText::Parse(text, QStringLiteral("fuzz"));
    } catch (const ELayoutError&) {
        return 0;
    }
    // Outside the try: a written layout the parser refuses escapes as an
    // uncaught exception, which the fuzzer reports.
    const QString written = LayoutText::Write(*root);
    const QString again = LayoutText::Write(LayoutText::Parse(written, QStringLiteral("written")));
    if (again != written) {
        std::fprintf(stderr, "written:\n%s\nread back and written:\n%s\n", qPrintable(written), qPrintable(again));
        std::abort();
    }
    return 0;
}
