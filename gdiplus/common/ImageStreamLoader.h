#pragma once
// Decoding an image from a framework stream. The library has no COM streams
// here; it pulls the bytes through callbacks that carry no context, so the
// bytes of the one load in progress are served from a per-thread cursor.

#include "gdiplus/api/GdiplusFlatTypes.h"

#pragma GCC visibility push(default)

class TStream;

namespace GdiplusFlat {

using LoadImageFromDelegates = GpStatus (*)(StreamGetHeaderDelegate, StreamGetBytesDelegate,
                                            StreamPutBytesDelegate, StreamSeekDelegate,
                                            StreamCloseDelegate, StreamSizeDelegate, GpImage**);

// Decodes the image held by the stream from its current position to its end.
GpStatus LoadImageFromStream(LoadImageFromDelegates load, TStream& stream, GpImage** image);

}

#pragma GCC visibility pop
