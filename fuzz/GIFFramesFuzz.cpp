// The GIF frame scanner and the stepping built on it, on hostile data that
// always starts like a GIF: counting, delays, frame positions and steps must
// stay inside the bytes and agree with each other.

#include "framework/Stream.h"
#include "pictures/GIFFrames.h"
#include "pictures/HTMLPicture.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

[[noreturn]] void Broken(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EnsureApplication();
    QByteArray bytes = QByteArray("GIF89a") + QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto frames = GIFFrames::Scan(bytes);
    if (frames.size() > size_t(bytes.size()) / 10 + 1)
        Broken("more frames than the bytes can hold");

    THTMLPicture picture;
    TMemoryStream stream(bytes);
    picture.LoadFromStream(stream);
    if (picture.FrameCount() != int(frames.size()))
        Broken("frame count differs from the scan");
    for (int i = 0; i <= picture.FrameCount() + 1; ++i)
        (void)picture.FrameTime(i);
    for (int i = 0; i < 40; ++i) {
        picture.Step();
        if (picture.FrameCount() > 0 && (picture.Frame() < 1 || picture.Frame() > picture.FrameCount()))
            Broken("stepped outside the frames");
    }
    picture.FramePrev();
    if (picture.Frame() < 1)
        Broken("previous frame below 1");
    return 0;
}
