#include "gdiplus/common/MeasureText.h"

namespace GdiplusFlat {

namespace {

GpStatus MeasureOnce(const TMeasureCall& call, const QString& text, INT length, const RectF& layoutRect,
                     RectF& boundingBox, INT& fitted, INT& lines)
{
    boundingBox = RectF{};
    return call.Measure(call.Graphics, reinterpret_cast<const WCHAR*>(text.utf16()), length, call.Font, &layoutRect,
                        call.Format, &boundingBox, &fitted, &lines);
}

}

GpStatus MeasureText(const TMeasureCall& call, const QString& text, INT length, const RectF& layoutRect,
                     RectF& boundingBox, INT* codepointsFitted, INT* linesFilled)
{
    INT fitted = 0;
    INT lines = 0;
    GpStatus status = MeasureOnce(call, text, length, layoutRect, boundingBox, fitted, lines);
    bool empty = boundingBox.Width <= 0 || boundingBox.Height <= 0;
    if (status == Ok && empty && length > 0)
        status = MeasureOnce(call, text, length, layoutRect, boundingBox, fitted, lines);
    if (codepointsFitted)
        *codepointsFitted = fitted;
    if (linesFilled)
        *linesFilled = lines;
    return status;
}

}
