#pragma once
// Loading small documents and drawing them through either back-end, for the
// drawing tests.

#include "framework/Bitmap.h"
#include "graphics/KestGraphics.h"
#include "graphics/svg/KestGraphicsSVGImport.h"
#include "pictures/KestBitmap.h"

#include <QImage>
#include <functional>
#include <memory>

namespace SVGRender {

inline const QRgb Red = qRgb(255, 0, 0);
inline const QRgb Blue = qRgb(0, 0, 255);
inline const QRgb Black = qRgb(0, 0, 0);
inline const QRgb Clear = 0;

using TSetUp = std::function<void(TKestGraphicsSVGImport&)>;

inline std::unique_ptr<TKestGraphicsSVGImport> Load(const QString& body, const QString& view = QStringLiteral("0 0 24 24"))
{
    auto svg = std::make_unique<TKestGraphicsSVGImport>();
    svg->LoadFromText(
        QStringLiteral("<svg xmlns='http://www.w3.org/2000/svg' viewBox='%1'>%2</svg>").arg(view, body));
    return svg;
}

inline QImage ImageOf(TKestBitmap* bitmap)
{
    if (!bitmap || !bitmap->Graphic())
        return QImage();
    return static_cast<TBitmap*>(bitmap->Graphic())->Image();
}

// The document drawn into (0, 0, width, height) through one back-end.
inline QImage Render(TKestGraphicsSVGImport& svg, int width, int height, bool native)
{
    if (!native)
        return ImageOf(svg.GenerateBitmap(float(width), float(height))).convertToFormat(QImage::Format_ARGB32);
    std::unique_ptr<TKestGraphics> canvas = TKestGraphics::CreateBitmapCanvas(width, height, true);
    canvas->BeginScene();
    svg.Draw(*canvas, TRectF(0, 0, float(width), float(height)), true, true);
    canvas->EndScene();
    return canvas->Bitmap()->Image().convertToFormat(QImage::Format_ARGB32);
}

}

using namespace SVGRender;
