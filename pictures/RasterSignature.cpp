#include "pictures/RasterSignature.h"

#include "utils/KestUtils.h"

namespace RasterSignature {

bool IsRasterType(const QString& imageType)
{
    // ".unknown" is the icon signature; ".empty" (four zero bytes) and no
    // match are not pictures.
    return !imageType.isEmpty() && imageType != QLatin1String(".empty");
}

bool IsRaster(TStream& stream, bool fromStart) { return IsRasterType(TKestUtils::GetImageType(stream, fromStart)); }

}
