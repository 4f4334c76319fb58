#include "pictures/KestTypes.h"

#include "framework/PictureFormats.h"

namespace KestTypes {

void RegisterModule()
{
    PictureFormats::Register(QStringLiteral("SVG"), QStringLiteral("Scalable Vector Graphics (%1)").arg(QStringLiteral("Qt")),
                             TGraphicClass::Of<TKestSVGBitmap>());
}

void UnregisterModule() { PictureFormats::Unregister(TGraphicClass::Of<TKestSVGBitmap>()); }

}
