#include "framework/platform/linux/FileNameCodec.h"

namespace FileNameCodec {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence at p (at most end - p bytes), or 0.
int SequenceLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned char b = p[0];
    int length = 0;
    char32_t min = 0;
    char32_t code = 0;
    if (b < 0x80)
        return 1;
    if ((b & 0xE0) == 0xC0) {
        length = 2, min = 0x80, code = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3, min = 0x800, code = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4, min = 0x10000, code = b & 0x07;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    // Overlong forms, surrogates and values past the last code point are not
    // text; their bytes are kept escaped.
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

}

QString Decode(const char* bytes, qsizetype size)
{
    QString text;
    text.reserve(size);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes);
    const auto* end = p + size;
    while (p < end) {
        const int length = SequenceLength(p, end);
        if (length == 0) {
            text.append(QChar(char16_t(kEscapeBase + *p)));
            ++p;
            continue;
        }
        text.append(QString::fromUtf8(reinterpret_cast<const char*>(p), length));
        p += length;
    }
    return text;
}

QByteArray Encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype run = 0; // start of the text not yet written
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text.at(i).unicode();
        const bool lowSurrogate = c >= 0xDC80 && c <= 0xDCFF;
        const bool paired = i > 0 && QChar::isHighSurrogate(text.at(i - 1).unicode());
        if (!lowSurrogate || paired)
            continue;
        bytes.append(QStringView(text).mid(run, i - run).toUtf8());
        bytes.append(char(c - kEscapeBase));
        run = i + 1;
    }
    bytes.append(QStringView(text).mid(run).toUtf8());
    return bytes;
}

}
