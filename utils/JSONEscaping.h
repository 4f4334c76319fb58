#pragma once
// The JSON string escaping of the system's text format, shared by
// TKestUtils::EscapeString and the JSON writer (which appends straight to its
// byte buffer).

#include <QByteArray>
#include <QStringView>

#pragma GCC visibility push(default)

namespace KestJSON {

// Appends the text escaped: the double quote, the backslash, every control
// character and every code unit of 128 or above become "\u" and four
// upper-case hexadecimal digits; everything else is copied. The result is
// plain ASCII.
void AppendEscaped(QByteArray& out, QStringView text);

}

#pragma GCC visibility pop
