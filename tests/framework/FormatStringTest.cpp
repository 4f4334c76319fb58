// The framework's format strings: directives, fields, separators, and the
// errors a format that does not fit its arguments raises.

#include "framework/Exception.h"
#include "framework/FormatString.h"

#include <gtest/gtest.h>

namespace {

TFormatSettings Dots()
{
    TFormatSettings s;
    s.DecimalSeparator = QLatin1Char('.');
    s.ThousandSeparator = QLatin1Char(',');
    return s;
}

TEST(FormatString, DirectivesWithWidthPrecisionAndIndex)
{
    const struct {
        const char* Format;
        std::initializer_list<TFormatArgument> Arguments;
        const char* Expected;
    } cases[] = {
        {"%.0f%%", {12.4}, "12%"},
        {"%f", {12.5}, "12.50"},
        {"%.1f", {12.5}, "12.5"},
        {"%g", {12.5}, "12.5"},
        {"%e", {1234.5}, "1.23450000000000E+003"},
        {"%.3e", {0.00012}, "1.20E-004"},
        {"%n", {1234567.891}, "1,234,567.89"},
        {"%n", {-123456.0}, "-123,456.00"},
        {"%6.1f|", {3.14159}, "   3.1|"},
        {"%-6.1f|", {3.14159}, "3.1   |"},
        {"%*.*f", {qint64(7), qint64(2), 3.14159}, "   3.14"},
        {"%d and %5d", {qint64(-42), qint64(7)}, "-42 and     7"},
        {"%.4d", {qint64(-42)}, "-0042"},
        {"%x", {qint64(255)}, "FF"},
        {"%x", {qint64(-1)}, "FFFFFFFF"},
        {"%u", {qint64(-1)}, "4294967295"},
        {"%s=%.2s", {QStringLiteral("a"), QStringLiteral("bcd")}, "a=bc"},
        {"%1:s %0:s %s", {QStringLiteral("x"), QStringLiteral("y")}, "y x y"},
        {"no directives", {}, "no directives"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatString(QString::fromLatin1(c.Format), c.Arguments, Dots()), QString::fromLatin1(c.Expected))
            << c.Format;
}

TEST(FormatString, SeparatorsComeFromTheSettings)
{
    TFormatSettings s;
    s.DecimalSeparator = QLatin1Char(',');
    s.ThousandSeparator = QLatin1Char('.');
    EXPECT_EQ(FormatString(QStringLiteral("%n"), {1234.5}, s), QStringLiteral("1.234,50"));
    EXPECT_EQ(FormatString(QStringLiteral("%.1f"), {0.24}, s), QStringLiteral("0,2"));
}

TEST(FormatString, MismatchedOrMissingArgumentsRaise)
{
    const struct {
        const char* Format;
        std::initializer_list<TFormatArgument> Arguments;
        const char* Message;
    } cases[] = {
        {"%d", {1.5}, "Format '%d' invalid or incompatible with argument"},
        {"%s", {1.5}, "Format '%s' invalid or incompatible with argument"},
        {"%f", {QStringLiteral("x")}, "Format '%f' invalid or incompatible with argument"},
        {"%q", {1.5}, "Format '%q' invalid or incompatible with argument"},
        {"abc %", {1.5}, "Format 'abc %' invalid or incompatible with argument"},
        {"%f %f", {1.5}, "No argument for format '%f %f'"},
        {"%5:f", {1.5}, "No argument for format '%5:f'"},
        {"%*f", {1.5, 2.5}, "Format '%*f' invalid or incompatible with argument"},
    };
    for (const auto& c : cases) {
        try {
            FormatString(QString::fromLatin1(c.Format), c.Arguments, Dots());
            ADD_FAILURE() << c.Format << " was accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), QString::fromLatin1(c.Message)) << c.Format;
        }
    }
}

TEST(FormatString, HugeFieldsAreBounded)
{
    // A width far beyond any use neither overflows nor allocates gigabytes.
    const QString text = FormatString(QStringLiteral("%99999999999d"), {qint64(1)}, Dots());
    EXPECT_LE(text.size(), 4096);
    EXPECT_TRUE(text.endsWith(QLatin1Char('1')));
}

}
