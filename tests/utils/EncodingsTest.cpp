#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Stream.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using U = TKestUtils;

namespace {

TEST(UtilsEncodings, HexText)
{
    TMemoryStream in(QByteArray("\x00\x7F\xAB\xFF", 4));
    in.SetPosition(3);
    EXPECT_EQ(U::SaveStreamToHexStr(in), QString("007FABFF"));
    EXPECT_EQ(U::HexStrToBytes("007fabFF"), QByteArray("\x00\x7F\xAB\xFF", 4));
    EXPECT_EQ(U::HexStrToBytes("ABC"), QByteArray("\xAB")); // odd last character ignored
    TMemoryStream out(QByteArray("xy"));
    out.SetPosition(2);
    U::LoadStreamFromHexStr("4142", out);
    EXPECT_EQ(out.Bytes(), QByteArray("xyAB"));
    try {
        U::HexStrToBytes("41G2");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QString("Invalid hexadecimal text at position 3"));
    }
}

TEST(UtilsEncodings, Base64)
{
    const QByteArray bytes("\xFB\xFF\xBF-data", 8);
    TMemoryStream in(bytes);
    EXPECT_EQ(U::SaveStreamToBase64(in), QString("+/+/LWRhdGE="));
    EXPECT_EQ(U::SaveStreamToBase64(in, true), QString("-_-_LWRhdGE"));
    EXPECT_EQ(U::Decode64ToBytes("+/+/LWRhdGE="), bytes);
    EXPECT_EQ(U::Decode64ToBytes("-_-_LWRhdGE", true), bytes);
    EXPECT_EQ(U::Decode64ToBytes(""), QByteArray());
    TMemoryStream out;
    U::LoadStreamFromBase64("-_-_LWRhdGE", out, true);
    EXPECT_EQ(out.Bytes(), bytes);
    for (const char* bad : {"abc", "ab!d", "ab\ncd==", "=abc"}) {
        try {
            U::Decode64ToBytes(bad);
            ADD_FAILURE() << bad;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString("Invalid Base64 text"));
        }
    }
}

TEST(UtilsEncodings, URLs)
{
    EXPECT_EQ(U::URLEncode(QString::fromUtf8("a b/é-._~")), QString("a%20b%2F%C3%A9-._%7E"));
    struct TCase {
        const char* encoded;
        const char* text;
    };
    const TCase cases[] = {
        {"a%20b%2f%C3%A9", "a b/é"},
        {"100%", "100%"}, // nothing read past the end
        {"%4", "%4"},
        {"%zz%41", "%zzA"},
        {"plain+text", "plain+text"},
        {"%", "%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::URLDecode(c.encoded), QString::fromUtf8(c.text)) << c.encoded;
    const QString text = QString::fromUtf8("x = 1 & ü ☃ 😀");
    EXPECT_EQ(U::URLDecode(U::URLEncode(text)), text);
    EXPECT_EQ(U::URLDecode(QString::fromUtf8("😀%41")), QString::fromUtf8("😀A"));
}

TEST(UtilsEncodings, EnDeCryptIsItsOwnInverse)
{
    const QString text = QString::fromUtf8("Secret 123 ~!é");
    EXPECT_NE(U::EnDeCrypt(text), text);
    EXPECT_EQ(U::EnDeCrypt(U::EnDeCrypt(text)), text);
}

TEST(UtilsImages, GetImageType)
{
    struct TCase {
        QByteArray head;
        const char* type;
    };
    const TCase cases[] = {
        {QByteArray("GIF89a"), ".gif"},
        {QByteArray("BM\x10\x00", 4), ".bmp"},
        {QByteArray("\x89PNG\r\n"), ".png"},
        {QByteArray("II*\x00", 4), ".tiff"},
        {QByteArray("MM\x00*", 4), ""},
        {QByteArray("MM*\x00", 4), ".tiff"},
        {QByteArray("\xFF\xD8\xFF\xE1", 4), ".jpg"},
        {QByteArray("\xFF\xD8\xFF\xC0", 4), ""},
        {QByteArray("\x00\x00\x01\x00", 4), ".unknown"},
        {QByteArray(4, '\0'), ".empty"},
        {QByteArray("GIF"), ""}, // fewer than 4 bytes
        {QByteArray("<svg"), ""},
    };
    for (const auto& c : cases) {
        TMemoryStream stream(QByteArray("pad") + c.head);
        stream.SetPosition(3);
        EXPECT_EQ(U::GetImageType(stream, false), QString(c.type)) << c.type;
        EXPECT_EQ(stream.Position(), 3);
        TMemoryStream atStart(c.head);
        atStart.SetPosition(1);
        EXPECT_EQ(U::GetImageType(atStart, true), QString(c.type)) << c.type;
        EXPECT_EQ(atStart.Position(), 1);
    }
}

}
