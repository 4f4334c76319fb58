#include "pathbar/NodeTextCodec_p.h"

#include <QStringDecoder>

namespace NodeTextCodec {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five undefined
// positions keep their Latin-1 (control) meaning.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        out += QChar(b >= 0x80 && b <= 0x9F ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return out;
}

}

QByteArray Encode(const QString& text)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= MaxBytes)
        return utf8;
    int cut = MaxBytes;
    // Step back over continuation bytes so no character is split.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    return utf8.left(cut);
}

QString Decode(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return DecodeCp1252(bytes);
}

}
