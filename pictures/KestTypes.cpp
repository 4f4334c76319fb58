#include "pictures/KestTypes.h"

#include "framework/PictureFormats.h"
#include "framework/TypeInfo.h"
#include "pictures/KestScaledBitmap.h"
#include "pictures/PictureItem.h"

namespace KestTypes {

void RegisterModule()
{
    TypeInfo::RegisterObjectClass<TPictureItem>();
    TypeInfo::RegisterObjectClass<TKestScaledBitmap>();
    PictureFormats::Register(QStringLiteral("SVG"), QStringLiteral("Scalable Vector Graphics (%1)").arg(QStringLiteral("Qt")),
                             TGraphicClass::Of<TKestSVGBitmap>());
}

void UnregisterModule() { PictureFormats::Unregister(TGraphicClass::Of<TKestSVGBitmap>()); }

}
