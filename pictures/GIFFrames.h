#pragma once
// The frames of GIF data as the picture container counts them: a graphic
// control extension (0x21 0xF9 0x04) whose eight bytes are directly followed
// by an image descriptor (0x2C). One pass over the bytes; nothing is read
// outside them, whatever the data holds.

#include <QByteArray>
#include <QtGlobal>
#include <vector>

#pragma GCC visibility push(default)

struct TGIFFrame {
    int Delay = 0;         // hundredths of a second
    quint8 Packed = 0;     // the extension's packed field
    quint16 XPos = 0, YPos = 0, XSize = 0, YSize = 0; // from the image descriptor
};

namespace GIFFrames {

// True for data longer than 4 bytes that begins with "GIF8".
bool IsGIF(const QByteArray& data);
std::vector<TGIFFrame> Scan(const QByteArray& data);
// The logical screen size (offsets 6 and 8); 0 when the data is too short.
quint16 ScreenWidth(const QByteArray& data);
quint16 ScreenHeight(const QByteArray& data);

}

#pragma GCC visibility pop
