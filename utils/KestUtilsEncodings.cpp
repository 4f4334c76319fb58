#include "utils/HexDigits.h"
#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Stream.h"

namespace {

QByteArray StreamBytes(TStream& stream)
{
    stream.SetPosition(0);
    QByteArray bytes(stream.Size(), Qt::Uninitialized);
    stream.ReadBuffer(bytes.data(), bytes.size());
    return bytes;
}

void AppendBytes(TStream& stream, const QByteArray& bytes) { stream.WriteBuffer(bytes.constData(), bytes.size()); }

}

QString TKestUtils::SaveStreamToHexStr(TStream& stream)
{
    QByteArray bytes = StreamBytes(stream);
    QString out(bytes.size() * 2, Qt::Uninitialized);
    QChar* d = out.data();
    for (char b : bytes) {
        *d++ = QLatin1Char(KestHex::Digits[uchar(b) >> 4]);
        *d++ = QLatin1Char(KestHex::Digits[uchar(b) & 15]);
    }
    return out;
}

QByteArray TKestUtils::HexStrToBytes(const QString& value)
{
    // An odd last character is ignored.
    QByteArray out(value.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < out.size(); ++i) {
        int hi = KestHex::Value(value.at(2 * i));
        int lo = KestHex::Value(value.at(2 * i + 1));
        if (hi < 0 || lo < 0)
            throw EConvertError(Exception::Format(QStringLiteral("Invalid hexadecimal text at position %d"), int(2 * i + (hi < 0 ? 1 : 2))));
        out[i] = char(hi << 4 | lo);
    }
    return out;
}

void TKestUtils::LoadStreamFromHexStr(const QString& hexStr, TStream& stream) { AppendBytes(stream, HexStrToBytes(hexStr)); }

QString TKestUtils::SaveStreamToBase64(TStream& stream, bool url)
{
    auto options = url ? QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals : QByteArray::Base64Encoding;
    return QString::fromLatin1(StreamBytes(stream).toBase64(options));
}

void TKestUtils::LoadStreamFromBase64(const QString& base64, TStream& stream, bool url)
{
    AppendBytes(stream, Decode64ToBytes(base64, url));
}

QByteArray TKestUtils::Decode64ToBytes(const QString& value, bool url)
{
    if (value.isEmpty())
        return QByteArray();
    QByteArray text = value.toLatin1();
    if (url) {
        while (text.size() % 4 != 0)
            text.append('=');
        text.replace('-', '+').replace('_', '/');
    }
    auto decoded = QByteArray::fromBase64Encoding(text, QByteArray::Base64Encoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || text.size() % 4 != 0)
        throw EConvertError(QStringLiteral("Invalid Base64 text"));
    return *decoded;
}

QString TKestUtils::URLEncode(const QString& url)
{
    QByteArray bytes = url.toUtf8();
    QString out;
    out.reserve(bytes.size() * 3);
    for (char ch : bytes) {
        uchar b = uchar(ch);
        bool keep = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.' || b == '_';
        if (keep) {
            out.append(QLatin1Char(char(b)));
        } else {
            out.append(QLatin1Char('%'));
            out.append(QLatin1Char(KestHex::Digits[b >> 4]));
            out.append(QLatin1Char(KestHex::Digits[b & 15]));
        }
    }
    return out;
}

QString TKestUtils::URLDecode(const QString& url)
{
    // A "%" without two hexadecimal digits after it is kept as it stands.
    QByteArray bytes;
    bytes.reserve(url.size());
    const qsizetype n = url.size();
    qsizetype literal = 0; // start of the text not yet taken
    for (qsizetype i = 0; i < n; ++i) {
        if (url.at(i) != QLatin1Char('%') || i + 2 >= n)
            continue;
        int hi = KestHex::Value(url.at(i + 1));
        int lo = KestHex::Value(url.at(i + 2));
        if (hi < 0 || lo < 0)
            continue;
        bytes.append(QStringView(url).mid(literal, i - literal).toUtf8());
        bytes.append(char(hi << 4 | lo));
        i += 2;
        literal = i + 1;
    }
    bytes.append(QStringView(url).mid(literal).toUtf8());
    return QString::fromUtf8(bytes);
}

QString TKestUtils::EnDeCrypt(const QString& value)
{
    // Rotates the printable ASCII characters by half their range; applying
    // it twice gives the text back.
    QString out = value;
    for (QChar& c : out) {
        char16_t u = c.unicode();
        if (u >= 33 && u <= 126)
            c = QChar(char16_t(33 + (u - 33 + 47) % 94));
    }
    return out;
}
