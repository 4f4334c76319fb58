#include "pictures/DeclaredRasterSize.h"

#include <cstdlib>

namespace {

quint32 Byte(const QByteArray& d, qsizetype at) { return quint8(d[at]); }
quint32 Le16(const QByteArray& d, qsizetype at) { return Byte(d, at) | Byte(d, at + 1) << 8; }
quint32 Be16(const QByteArray& d, qsizetype at) { return Byte(d, at) << 8 | Byte(d, at + 1); }
quint32 Le32(const QByteArray& d, qsizetype at) { return Le16(d, at) | Le16(d, at + 2) << 16; }
quint32 Be32(const QByteArray& d, qsizetype at) { return Be16(d, at) << 16 | Be16(d, at + 2); }

std::optional<QSize> Bmp(const QByteArray& d)
{
    if (d.size() < 26)
        return std::nullopt;
    if (Le32(d, 14) == 12) // the old core header: 16-bit sides
        return QSize(int(Le16(d, 18)), int(Le16(d, 20)));
    // A negative height marks a top-down picture; the size is its magnitude.
    const qint64 width = std::llabs(qint32(Le32(d, 18)));
    const qint64 height = std::llabs(qint32(Le32(d, 22)));
    return QSize(int(std::min<qint64>(width, INT_MAX)), int(std::min<qint64>(height, INT_MAX)));
}

std::optional<QSize> Png(const QByteArray& d)
{
    if (d.size() < 24)
        return std::nullopt;
    return QSize(int(std::min<quint32>(Be32(d, 16), INT_MAX)), int(std::min<quint32>(Be32(d, 20), INT_MAX)));
}

std::optional<QSize> Gif(const QByteArray& d)
{
    if (d.size() < 10)
        return std::nullopt;
    return QSize(int(Le16(d, 6)), int(Le16(d, 8)));
}

// Walks the marker segments to the first frame header (SOF0..SOF15 but
// DHT, JPG and DAC, which share the range).
std::optional<QSize> Jpeg(const QByteArray& d)
{
    qsizetype at = 2;
    while (at + 4 <= d.size()) {
        if (Byte(d, at) != 0xFF)
            return std::nullopt;
        const quint32 marker = Byte(d, at + 1);
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // markers without a length
            continue;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame)
            return at + 9 <= d.size() ? std::optional(QSize(int(Be16(d, at + 7)), int(Be16(d, at + 5))))
                                      : std::nullopt;
        if (marker == 0xDA || marker == 0xD9) // scan data or end before any frame header
            return std::nullopt;
        at += 2 + qsizetype(Be16(d, at + 2));
    }
    return std::nullopt;
}

}

namespace DeclaredRasterSize {

std::optional<QSize> Of(const QByteArray& data)
{
    if (data.startsWith("BM"))
        return Bmp(data);
    if (data.startsWith("\x89PNG"))
        return Png(data);
    if (data.startsWith("GIF8"))
        return Gif(data);
    if (data.startsWith("\xFF\xD8"))
        return Jpeg(data);
    return std::nullopt;
}

bool Decodable(qint64 width, qint64 height)
{
    constexpr qint64 MaxSide = 32767, MaxPixels = qint64(1) << 27;
    return width <= MaxSide && height <= MaxSide && width * height <= MaxPixels;
}

}
