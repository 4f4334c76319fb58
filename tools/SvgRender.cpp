// Renders an SVG file to a PNG of a given size through the SVG engine:
//
//     svg_render [--general] IN.svg OUT.png WIDTH HEIGHT
//
// The document is stretched to WIDTH x HEIGHT on a transparent bitmap,
// through the platform back-end (anti-aliased) or, with --general, the
// framework-canvas one. Exits non-zero when the file cannot be read or the
// picture cannot be written.

#include "framework/Bitmap.h"
#include "framework/Exception.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "graphics/svg/KestGraphicsSVGModule.h"
#include "pictures/KestTypes.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "svg_render: %s\n", qPrintable(message));
    return 1;
}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const bool general = args.removeAll(QStringLiteral("--general")) > 0;
    bool widthOk = false;
    bool heightOk = false;
    const int width = args.size() == 4 ? args[2].toInt(&widthOk) : 0;
    const int height = args.size() == 4 ? args[3].toInt(&heightOk) : 0;
    if (!widthOk || !heightOk || width < 1 || height < 1 || width > 16384 || height > 16384)
        return Fail(QStringLiteral("usage: svg_render [--general] IN.svg OUT.png WIDTH HEIGHT"));
    KestTypes::RegisterModule();
    KestGraphicsSVGModule::RegisterModule();
    TKestGraphicsSVGImport svg;
    try {
        svg.LoadFromFile(args[0]);
    } catch (const Exception& error) {
        return Fail(error.Message());
    }
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(width, height, !general);
    canvas->BeginScene();
    svg.Draw(*canvas, TRectF(0, 0, float(width), float(height)), !general, true);
    canvas->EndScene();
    if (!canvas->Bitmap()->Image().save(args[1], "PNG"))
        return Fail(QStringLiteral("cannot write %1").arg(args[1]));
    return 0;
}
