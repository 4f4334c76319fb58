#pragma once
// Version texts: the four bytes of a packed number, highest first, in
// decimal, joined by "." (0x02040001 is "2.4.0.1").

#include <QString>

#pragma GCC visibility push(default)

inline QString VersionText(quint32 number)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(number >> 24)
        .arg((number >> 16) & 0xFF)
        .arg((number >> 8) & 0xFF)
        .arg(number & 0xFF);
}

#pragma GCC visibility pop
