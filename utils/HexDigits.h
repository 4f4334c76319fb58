#pragma once
// Hexadecimal digits as the encoders write them, and their values as the
// decoders read them.

#include <QChar>

#pragma GCC visibility push(default)

namespace KestHex {

inline constexpr char Digits[] = "0123456789ABCDEF";

// The value of a hexadecimal digit of either case, or -1.
inline int Value(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

}

#pragma GCC visibility pop
