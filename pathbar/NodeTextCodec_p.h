#pragma once
// Node texts in the stored tree: UTF-8 of at most 255 bytes, cut at a
// character boundary. Records that are not valid UTF-8 were written with the
// Windows-1252 code page and are read as such.

#include <QByteArray>
#include <QString>

namespace NodeTextCodec {

inline constexpr int MaxBytes = 255;

QByteArray Encode(const QString& text);
QString Decode(const QByteArray& bytes);

}
