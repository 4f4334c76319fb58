#pragma once
// File names are bytes here. Names that are valid UTF-8 become their text;
// every byte of a name that is not is kept as a lone surrogate U+DC80..U+DCFF,
// so the text turns back into exactly the same bytes for every file-system
// call, while the text drawn for it shows a replacement character.

#include <QByteArray>
#include <QString>

namespace FileNameCodec {

QString Decode(const char* bytes, qsizetype size);
inline QString Decode(const QByteArray& bytes) { return Decode(bytes.constData(), bytes.size()); }
QByteArray Encode(const QString& text);

}
