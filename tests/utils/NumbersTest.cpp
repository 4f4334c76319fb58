#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/FormatSettings.h"
#include "support/QtPrinters.h"

#include <QLocale>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using U = TKestUtils;

namespace {

TEST(UtilsNumbers, MulDivInt)
{
    struct TCase {
        int number, numerator, denominator, result;
    };
    const TCase cases[] = {
        {5, 1, 2, 3},   {-5, 1, 2, -3}, {7, 0, 3, 0},       {1, 1, 0, -1},
        {96, 144, 96, 144}, {10, 2, 3, 7},
        // The product needs more than 32 bits; the quotient fits.
        {2000000000, 3, 4, 1500000000},
        // The quotient does not fit: no answer, as with a zero denominator.
        {2000000000, 2, 1, -1},
        {std::numeric_limits<int>::min(), 1, -1, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::MulDivInt(c.number, c.numerator, c.denominator), c.result) << c.number << "*" << c.numerator << "/" << c.denominator;
    EXPECT_DOUBLE_EQ(U::MulDivSingle(5, 1, 2), 2.5);
    EXPECT_EQ(U::MulDivSingle(5, 1, 0), -1);
}

TEST(UtilsNumbers, FormatBytesAsString)
{
    TFormatSettings fs;
    fs.DecimalSeparator = '.';
    TScopedFormatSettings scope(fs);
    struct TCase {
        qint64 size;
        const char* text;
    };
    const TCase cases[] = {
        {100, "100 Bytes"},
        {0, "0 Bytes"},
        {-1, "-1 Bytes"},
        {-2, ""},
        {1023, "1023 Bytes"},
        {1536, "1.50 KB"},
        {1024 * 1024, "1.00 MB"},
        {5LL << 30, "5.00 GB"},
        {3LL << 40, "3.00 TB"},
        // Past the last unit the number just grows.
        {2048LL << 40, "2048.00 TB"},
        {std::numeric_limits<qint64>::max(), "8388608.00 TB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(U::FormatBytesAsString(c.size), QString(c.text)) << c.size;
    fs.DecimalSeparator = ',';
    TScopedFormatSettings comma(fs);
    EXPECT_EQ(U::FormatBytesAsString(1536), QString("1,50 KB"));
}

TEST(UtilsNumbers, DotConversionsIgnoreTheLocale)
{
    TFormatSettings fs;
    fs.DecimalSeparator = ',';
    TScopedFormatSettings scope(fs);
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_EQ(U::StrToFloatDot("1.5"), 1.5);
    EXPECT_EQ(U::StrToFloatDot(" -2.5e3 "), -2500);
    EXPECT_EQ(U::FloatToStrDot(1.5), QString("1.5"));
    EXPECT_EQ(U::FloatToStrDot(0.1 + 0.2), QString("0.30000000000000004"));
    EXPECT_EQ(U::FloatToStrDot(1e20), QString("1E20"));
    double v = 0;
    EXPECT_FALSE(U::TryStrToFloatDot("1,5", v));
    EXPECT_FALSE(U::TryStrToFloatDot("nan", v));
    EXPECT_FALSE(U::TryStrToFloatDot("", v));
    EXPECT_TRUE(U::TryStrToFloatDot("+.5", v));
    EXPECT_EQ(v, 0.5);
    std::setlocale(LC_NUMERIC, "C");
    try {
        U::StrToFloatDot("x1");
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QString("'x1' is not a valid floating point value"));
    }
    // Nothing process-wide was changed by the calls.
    EXPECT_EQ(FormatSettings().DecimalSeparator, QChar(','));
}

TEST(UtilsDates, EpochToDateTime)
{
    EXPECT_EQ(U::EpochToDateTime("0"), QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(U::EpochToDateTime("1700000000"), QDateTime(QDate(2023, 11, 14), QTime(22, 13, 20), Qt::UTC));
    EXPECT_EQ(U::EpochToDateTime("-86400"), QDateTime(QDate(1969, 12, 31), QTime(0, 0), Qt::UTC));
    EXPECT_THROW(U::EpochToDateTime("12x"), EConvertError);
}

TEST(UtilsDates, IsDateFollowsTheShortDateFormat)
{
    struct TCase {
        const char* format;
        QChar separator;
        const char* text;
        bool ok;
        QDateTime date;
    };
    const TCase cases[] = {
        {"dd/MM/yyyy", '/', "31/12/2023", true, QDateTime(QDate(2023, 12, 31), QTime(0, 0))},
        {"M/d/yyyy", '/', "12/31/2023", true, QDateTime(QDate(2023, 12, 31), QTime(0, 0))},
        {"yyyy-MM-dd", '-', "2024-02-29 13:45", true, QDateTime(QDate(2024, 2, 29), QTime(13, 45))},
        {"dd.MM.yy", '.', "01.02.03 1:02:03", true, QDateTime(QDate(2003, 2, 1), QTime(1, 2, 3))},
        {"dd.MM.yy", '.', "01.02.99", true, QDateTime(QDate(1999, 2, 1), QTime(0, 0))},
        {"yyyy-MM-dd", '-', "2023-02-29", false, {}},
        {"dd/MM/yyyy", '/', "31/12", false, {}},
        {"dd/MM/yyyy", '/', "aa/12/2023", false, {}},
        {"dd/MM/yyyy", '/', "31/12/2023 25:00", false, {}},
        {"dd/MM/yyyy", '/', "", false, {}},
    };
    for (const auto& c : cases) {
        TFormatSettings fs;
        fs.ShortDateFormat = c.format;
        fs.DateSeparator = c.separator;
        fs.TimeSeparator = ':';
        TScopedFormatSettings scope(fs);
        QDateTime date;
        EXPECT_EQ(U::IsDate(c.text, date), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(date, c.date) << c.text;
        }
    }
}

}
