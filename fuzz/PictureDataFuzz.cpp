// Stored picture data through to the decoders: the first byte picks the
// reader (the bitmap's, the SVG picture's, a container picture's, or a
// picture holder's with its class name), the rest is the stored data. A read
// error is the expected answer to bad data; anything else that escapes, a
// crash, a leak or a read outside the bytes is a finding. What was read is
// then measured, drawn and stepped.

#include "framework/Bitmap.h"
#include "framework/Canvas.h"
#include "framework/DeviceContext.h"
#include "framework/Exception.h"
#include "framework/Filer.h"
#include "framework/Picture.h"
#include "framework/Stream.h"
#include "pictures/HTMLPicture.h"
#include "pictures/KestTypes.h"

#include <QGuiApplication>
#include <cstdint>
#include <memory>

namespace {

void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* const app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QGuiApplication(argc, argv);
        KestTypes::RegisterModule();
        return a;
    }();
    (void)app;
}

void Use(TGraphic& graphic)
{
    TDeviceContext dc(16, 16);
    TCanvas canvas(dc);
    graphic.Draw(canvas, QRect(0, 0, 16, 16));
    (void)graphic.Width();
    if (auto* picture = qobject_cast<THTMLPicture*>(&graphic)) {
        for (int i = 0; i < 8; ++i)
            picture->Step();
        picture->FramePrev();
        (void)picture->FrameTime(2);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EnsureApplication();
    if (size < 1)
        return 0;
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    try {
        switch (data[0] % 4) {
        case 0: {
            TBitmap bitmap;
            bitmap.ReadData(stream);
            Use(bitmap);
            break;
        }
        case 1: {
            TKestSVGBitmap svg;
            svg.ReadData(stream);
            Use(svg);
            break;
        }
        case 2: {
            THTMLPicture picture;
            picture.ReadData(stream);
            Use(picture);
            break;
        }
        default: {
            // The holder's stored form: class name, then that class's data.
            TPicture holder;
            struct Filer : TFiler {
                TStream* In;
                void DefineProperty(const QString&, const TReaderProc&, const TWriterProc&, bool) override {}
                void DefineBinaryProperty(const QString&, const TStreamProc& ReadData, const TStreamProc&,
                                          bool) override
                {
                    ReadData(*In);
                }
            } filer;
            filer.In = &stream;
            holder.DefineProperties(&filer);
            if (holder.Graphic())
                Use(*holder.Graphic());
            break;
        }
        }
    } catch (const EReadError&) {
    } catch (const EInvalidGraphic&) {
    }
    return 0;
}
