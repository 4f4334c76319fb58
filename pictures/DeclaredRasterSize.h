#pragma once
// The picture size a raster file's header claims, read before the bytes go
// to a decoder: a header of a few bytes can claim a picture of gigabytes,
// and decoders allocate what the header claims before reading any pixels.

#include <QByteArray>
#include <QSize>
#include <optional>

#pragma GCC visibility push(default)

namespace DeclaredRasterSize {

// Width and height from a BMP, PNG, GIF (logical screen) or JPEG (first
// frame header) header; none for other data or a header cut short.
std::optional<QSize> Of(const QByteArray& data);

// Whether a picture of that size may be decoded and drawn: each side at
// most 32,767 pixels (the drawing surfaces take no more) and at most
// 2^27 pixels in all (512 MB of 32-bit pixels, more than any camera takes).
bool Decodable(qint64 width, qint64 height);

}

#pragma GCC visibility pop
