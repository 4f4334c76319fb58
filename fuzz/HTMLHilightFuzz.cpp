// Search-match highlighting on any markup: the text, the search text and
// the tag are the input split at its first two zero bytes; the first byte
// chooses case sensitivity. A crash, a hang (run with -timeout=5: an
// empty or repeating search that never ends), a leak or an escaping
// exception is a finding.

#include "graphics/html/KestHTMLHilight.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const bool doCase = data[0] & 1;
    const QList<QByteArray> parts = QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)).split('\0');
    const QString text = QString::fromUtf8(parts.value(0));
    const QString hilight = QString::fromUtf8(parts.value(1));
    const QString tag = parts.size() > 2 ? QString::fromUtf8(parts.value(2)) : QStringLiteral("HI");
    (void)TKestHTMLHilight::HilightMarkup(text, hilight, tag, doCase);
    return 0;
}
