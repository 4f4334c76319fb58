#pragma once
// Text as the flat interface takes it: UTF-16 with a character count.

#include <QString>

#pragma GCC visibility push(default)

namespace GdiplusFlat {

// The number of characters of text to pass for a requested length: the whole
// text for a negative length, and never more than the text holds, so the
// library is never asked to read past the buffer.
inline int TextLength(const QString& text, int length)
{
    return (length < 0 || length > text.size()) ? int(text.size()) : length;
}

}

#pragma GCC visibility pop
