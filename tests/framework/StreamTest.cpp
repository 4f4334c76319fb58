#include "framework/Exception.h"
#include "framework/Stream.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(Stream, ShortReadRaisesReadError)
{
    TMemoryStream s(QByteArray("abc"));
    char buf[8];
    try {
        s.ReadBuffer(buf, 4);
        FAIL() << "no error";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Stream read error"));
    }
}
