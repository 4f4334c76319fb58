#pragma once
// Measuring text, with libgdiplus's quirks answered.

#include "gdiplus/api/GdiplusFlatTypes.h"

#include <QString>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

struct TMeasureCall {
    GpStatus (*Measure)(GpGraphics*, const WCHAR*, INT, const GpFont*, const RectF*, const GpStringFormat*, RectF*,
                        INT*, INT*);
    GpGraphics* Graphics;
    const GpFont* Font;
    const GpStringFormat* Format;
};

// Measures length characters of text (the caller has clamped length to the
// text). The first measuring after the library's start-up has been seen to
// come back Ok with an empty box (not with the fonts installed here today);
// a non-empty text that measures empty is asked once more.
GpStatus MeasureText(const TMeasureCall& call, const QString& text, INT length, const RectF& layoutRect,
                     RectF& boundingBox, INT* codepointsFitted, INT* linesFilled);

}

#pragma GCC visibility pop
