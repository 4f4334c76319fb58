// The markup engine on any markup: measured, or laid out and hit-tested,
// with a rectangle, a point and flags taken from the input's first bytes.
// A crash, a hang (run with -timeout=5: a layout that does not end), a leak
// or an escaping exception is a finding; so is a second point answered
// from the kept layout otherwise than by laying the text out afresh. Run
// with -dict=fuzz/html.dict.

#include "framework/Application.h"
#include "framework/ImageList.h"
#include "graphics/KestGraphics.h"
#include "graphics/KestGraphicsContext.h"
#include "graphics/html/KestGraphicsHTMLEngine.h"
#include "graphics/html/KestHTMLKeptLayout.h"
#include "pictures/PictureContainer.h"
#include "pictures/PictureItem.h"
#include "framework/Bitmap.h"

#include <QGuiApplication>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

struct TFuzzWorld {
    std::unique_ptr<TKestGraphics> General, Native;
    TPictureContainer Container;
    TImageList Images{nullptr};
};

TFuzzWorld& World()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own globals are gone by the time exit handlers run.
    static TFuzzWorld* const world = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QGuiApplication(argc, argv);
        auto* w = new TFuzzWorld;
        const TKestGraphicsContextClasses& classes = KestGraphicsContextClasses();
        if (classes.General)
            w->General = TKestGraphics::CreateBitmapCanvas(200, 120, false);
        if (classes.Native)
            w->Native = TKestGraphics::CreateBitmapCanvas(200, 120, true);
        TPictureItem* item = w->Container.Items()->Add();
        item->SetName(QStringLiteral("p"));
        TBitmap bitmap;
        QImage image(6, 4, QImage::Format_ARGB32);
        image.fill(Qt::red);
        bitmap.SetImage(image);
        item->SetPicture(&bitmap);
        w->Images.Add(image);
        return w;
    }();
    return *world;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;
    TFuzzWorld& world = World();
    const uint8_t flags = data[0];
    TKestGraphics* canvas = (flags & 1) ? world.Native.get() : world.General.get();
    if (!canvas)
        canvas = world.General ? world.General.get() : world.Native.get();
    TKestHTMLDrawInput input;
    input.Rect = TRectF(float(int8_t(data[1])), float(int8_t(data[2])), float(data[3]) * 2, float(data[4]) * 2);
    input.PointX = data[5];
    input.PointY = data[6];
    input.MeasureOnly = flags & 2;
    // Drawn first (flag 64), as a control paints before the mouse moves.
    input.HotSpotCheck = !(flags & 64);
    input.WordWrap = flags & 4;
    input.LinkStyle = flags & 8;
    input.Selected = flags & 16;
    input.BlinkPhase = flags & 32;
    input.HoverLink = data[7] & 7;
    input.FocusLink = data[7] >> 4;
    input.ControlID = QStringLiteral("c");
    input.LineSpacing = float(data[7] & 3);
    input.ScaleFactor = 1 + (data[7] & 3) * 0.5;
    input.PictureContainer = &world.Container;
    input.ImageList = &world.Images;
    input.Text = QString::fromUtf8(reinterpret_cast<const char*>(data + 8), qsizetype(size - 8));
    TKestHTMLDrawOutput output;
    TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, output);

    input.HotSpotCheck = true;
    input.PointX = data[6];
    input.PointY = data[5];
    TKestHTMLDrawOutput kept, fresh;
    TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, kept);
    TKestHTMLKeptLayout::Clear();
    TKestGraphicsHTMLEngine::DrawHTML(*canvas, input, fresh);
    if (!(kept == fresh))
        __builtin_trap();
    return 0;
}
