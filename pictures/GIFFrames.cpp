#include "pictures/GIFFrames.h"

namespace GIFFrames {

namespace {

quint16 Word(const QByteArray& data, qsizetype at)
{
    if (at < 0 || at + 1 >= data.size())
        return 0;
    return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8);
}

}

bool IsGIF(const QByteArray& data) { return data.size() > 4 && data.startsWith("GIF8"); }

std::vector<TGIFFrame> Scan(const QByteArray& data)
{
    std::vector<TGIFFrame> frames;
    const auto* b = reinterpret_cast<const quint8*>(data.constData());
    // An introducer at 1-based position p counts while p + 8 is below the
    // size: 0-based i = p - 1, so i + 9 < size and b[i + 8] is in the data.
    for (qsizetype i = 0; i + 9 < data.size(); ++i) {
        if (b[i] != 0x21 || b[i + 1] != 0xF9 || b[i + 2] != 0x04 || b[i + 8] != 0x2C)
            continue;
        TGIFFrame frame;
        frame.Packed = b[i + 3];
        frame.Delay = Word(data, i + 4);
        // The descriptor's four values may lie past a truncated end: 0 then.
        frame.XPos = Word(data, i + 9);
        frame.YPos = Word(data, i + 11);
        frame.XSize = Word(data, i + 13);
        frame.YSize = Word(data, i + 15);
        frames.push_back(frame);
    }
    return frames;
}

quint16 ScreenWidth(const QByteArray& data) { return Word(data, 6); }

quint16 ScreenHeight(const QByteArray& data) { return Word(data, 8); }

}
