// Any bytes handed to the stored-tree reader either build a tree or raise a
// stream or tree error, keeping the nodes read so far.

#include "framework/Application.h"
#include "framework/Stream.h"
#include "pathbar/KestExplorerTreeview.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

TKestExplorerTreeview& Bar()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static auto app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto a = std::make_unique<TApplication>(argc, argv);
        TCustomExplorerTreeview::RegisterModule();
        return a;
    }();
    static TKestExplorerTreeview bar(nullptr);
    bar.SetMode(aeCustom);
    return bar;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TKestExplorerTreeview& bar = Bar();
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    try {
        bar.Items()->ReadData(stream);
    } catch (const Exception&) {
    }
    TMemoryStream out;
    bar.Items()->WriteData(out);
    bar.Items()->Clear();
    return 0;
}
