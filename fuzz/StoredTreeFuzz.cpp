// Any bytes handed to the stored-tree reader either build a tree or raise a
// stream or tree error, keeping the nodes read so far; the tree read writes
// bytes that read back to the same tree (written again, the same bytes).
// Inputs up to 256 KB reach trees thousands of nodes deep, with the bar's
// auto-complete list (on by default) holding every node's path.

#include "FuzzApplication.h"
#include "framework/Stream.h"
#include "pathbar/KestExplorerTreeview.h"

#include <cstddef>
#include <cstdint>

namespace {

std::unique_ptr<TKestExplorerTreeview> NewBar()
{
    auto bar = std::make_unique<TKestExplorerTreeview>(nullptr);
    bar->SetMode(aeCustom);
    return bar;
}

QByteArray Written(const TKestExplorerTreeview& bar)
{
    TMemoryStream out;
    bar.Items()->WriteData(out);
    return out.Bytes();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::EnsureApplication();
    auto bar = NewBar();
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        bar->Items()->ReadData(stream);
    } catch (const Exception&) {
    }
    const QByteArray written = Written(*bar);
    // Outside any try: written bytes the reader refuses escape as an
    // uncaught exception, which the fuzzer reports.
    auto again = NewBar();
    TMemoryStream back(written);
    again->Items()->ReadData(back);
    if (back.Position() != back.Size())
        Fuzz::Broken("the written tree was not read to its end");
    if (Written(*again) != written)
        Fuzz::Broken("the written tree reads back to another tree");
    return 0;
}
