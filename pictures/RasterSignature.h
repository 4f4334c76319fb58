#pragma once
// Whether data starts with the signature of a raster format the picture
// types keep as bytes: GIF, BMP, PNG, TIFF, JPEG or icon.

#include <QString>

#pragma GCC visibility push(default)

class TStream;

namespace RasterSignature {

bool IsRasterType(const QString& imageType);
// Looks at the four bytes at the stream's position (or its start); the
// position is kept.
bool IsRaster(TStream& stream, bool fromStart);

}

#pragma GCC visibility pop
