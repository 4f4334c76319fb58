#include "JSONTestSupport.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <random>

using W = TKestJSONWriter;

namespace {

struct TTextCase {
    const char* name;
    TWriterSteps steps;
    int indent;
    const char* text;
};

class JSONWriterText : public ::testing::TestWithParam<TTextCase> {};

TEST_P(JSONWriterText, WritesExactText)
{
    EXPECT_EQ(WrittenText(GetParam().steps, GetParam().indent), QByteArray(GetParam().text));
}

const TTextCase TextCases[] = {
    {"EmptyContainers", [](W& w) { w.WriteBeginArray().WriteBeginObject().WriteEndObject().WriteBeginArray().WriteEndArray().WriteEndArray(); }, 0,
     "[{},[]]"},
    {"MembersAndElements",
     [](W& w) {
         w.WriteBeginObject().WriteName("a").WriteInteger(1).WriteName("b").WriteBeginArray().WriteBoolean(true).WriteBoolean(false).WriteNull();
         w.WriteEndArray().WriteName("c").WriteString("x").WriteEndObject();
     },
     0, R"({"a":1,"b":[true,false,null],"c":"x"})"},
    {"IndentedObject", [](W& w) { w.WriteBeginObject().WriteName("a").WriteInteger(1).WriteName("b").WriteBeginArray().WriteEndArray().WriteEndObject(); }, 2,
     "{\r\n  \"a\": 1,\r\n  \"b\": []\r\n}"},
    {"IndentedNesting", [](W& w) { w.WriteBeginArray().WriteBeginObject().WriteName("k").WriteBeginArray().WriteInteger(1).WriteEndArray().WriteEndObject().WriteEndArray(); }, 1,
     "[\r\n {\r\n  \"k\": [\r\n   1\r\n  ]\r\n }\r\n]"},
    {"IndentOffAgain", [](W& w) { w.SetIndentLength(0); w.WriteBeginObject().WriteName("a").WriteNull().WriteEndObject(); }, 4, R"({"a":null})"},
    // Quote, backslash, tab, e acute, slash.
    {"StringEscapes", [](W& w) { w.WriteBeginArray().WriteString(QString::fromUtf16(u"\"\\\t\u00E9/")).WriteEndArray(); }, 0,
     R"(["\u0022\u005C\u0009\u00E9/"])"},
    {"NamedEscapesAndControls", [](W& w) { w.WriteBeginArray().WriteString(QString::fromUtf16(u"\b\f\n\r\x01\x1F\x7F")).WriteEndArray(); }, 0,
     R"(["\u0008\u000C\u000A\u000D\u0001\u001F)" "\x7F" R"("])"},
    {"SurrogatePairAsTwoUnits", [](W& w) { w.WriteBeginArray().WriteString(QString::fromUtf16(u"\U0001F600")).WriteEndArray(); }, 0,
     R"(["\uD83D\uDE00"])"},
    {"NamesAreEscaped", [](W& w) { w.WriteBeginObject().WriteName(QString::fromUtf16(u"n\u00E4\"")).WriteInteger(0).WriteEndObject(); }, 0,
     R"({"n\u00E4\u0022":0})"},
    {"RawStringPassesThroughAsUtf8", [](W& w) { w.WriteBeginArray().WriteRawString(QString::fromUtf16(u"a\\n\u00E9")).WriteEndArray(); }, 0,
     "[\"a\\n\xC3\xA9\"]"},
    {"IntegerExtremes",
     [](W& w) { w.WriteBeginArray().WriteInteger(std::numeric_limits<qint64>::min()).WriteInteger(std::numeric_limits<qint64>::max()).WriteInteger(-7).WriteInteger(0).WriteEndArray(); },
     0, "[-9223372036854775808,9223372036854775807,-7,0]"},
};

INSTANTIATE_TEST_SUITE_P(Writer, JSONWriterText, ::testing::ValuesIn(TextCases), [](const auto& info) { return std::string(info.param.name); });

struct TDoubleCase {
    double value;
    const char* text;
};

TEST(JSONWriter, DoublesInTheFormatLayoutWithShortestDigits)
{
    const TDoubleCase cases[] = {
        {100, "100"},
        {1.5, "1.5"},
        {-0.25, "-0.25"},
        {0.1 + 0.2, "0.30000000000000004"},
        {1e20, "1E20"},
        {1.5e-7, "1.5E-7"},
        {0.00001, "0.00001"},
        {0.0000099, "9.9E-6"},
        {123456789012345.0, "123456789012345"},
        {1234567890123456.0, "1.234567890123456E15"},
        {-1.25e300, "-1.25E300"},
        {5e-324, "5E-324"},
        {0.0, "0"},
        {-0.0, "-0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(W::FormatDouble(c.value), QByteArray(c.text)) << c.text;
}

TEST(JSONWriter, DoubleTextReadsBackToTheSameValue)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        quint64 bits = random();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        QByteArray text = W::FormatDouble(value);
        double back = 0;
        auto r = std::from_chars(text.constData(), text.constData() + text.size(), back);
        ASSERT_TRUE(r.ec == std::errc() && r.ptr == text.constData() + text.size()) << text.constData();
        ASSERT_EQ(std::memcmp(&back, &value, sizeof value), 0) << text.constData();
    }
}

TEST(JSONWriter, DecimalPointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German));
    std::setlocale(LC_ALL, "de_DE.UTF-8");
    QByteArray text = WrittenText([](W& w) { w.WriteBeginArray().WriteDouble(1.5).WriteEndArray(); });
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(text, QByteArray("[1.5]"));
}

struct TMisuseCase {
    const char* name;
    TWriterSteps before; // what is written fine
    TWriterSteps misuse; // the call that raises
    TExceptionClass error;
    const char* message;
};

class JSONWriterMisuse : public ::testing::TestWithParam<TMisuseCase> {};

// The misuse raises its exception before anything of the call is written:
// the stream holds exactly what the calls before it wrote.
TEST_P(JSONWriterMisuse, RaisesBeforeWriting)
{
    const TMisuseCase& c = GetParam();
    QByteArray expected = WrittenText(c.before);
    QByteArray written = WrittenText([&](W& w) {
        c.before(w);
        ExpectRaises([&] { c.misuse(w); }, c.error, QString::fromUtf8(c.message));
    });
    EXPECT_EQ(written, expected);
}

const TMisuseCase MisuseCases[] = {
    {"StringAsRoot", [](W&) {}, [](W& w) { w.WriteString("x"); }, EXCEPTION_CLASS(W::EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"NumberAsRoot", [](W&) {}, [](W& w) { w.WriteInteger(1); }, EXCEPTION_CLASS(W::EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"NullAsRoot", [](W&) {}, [](W& w) { w.WriteNull(); }, EXCEPTION_CLASS(W::EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"SecondRoot", [](W& w) { w.WriteBeginObject().WriteEndObject(); }, [](W& w) { w.WriteBeginArray(); },
     EXCEPTION_CLASS(W::EMultipleRootNotAllowed), "Multiple root values not allowed"},
    {"ValueWithoutName", [](W& w) { w.WriteBeginObject(); }, [](W& w) { w.WriteInteger(1); },
     EXCEPTION_CLASS(W::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
    {"NameInArray", [](W& w) { w.WriteBeginArray().WriteName("a"); }, [](W& w) { w.WriteInteger(1); },
     EXCEPTION_CLASS(W::ECannotWriteName), "Cannot write name in current Json scope"},
    {"NameTwice", [](W& w) { w.WriteBeginObject().WriteName("a"); }, [](W& w) { w.WriteName("b"); },
     EXCEPTION_CLASS(W::EMissingValue), "Json value missing"},
    {"CloseWithPendingName", [](W& w) { w.WriteBeginObject().WriteName("a"); }, [](W& w) { w.WriteEndObject(); },
     EXCEPTION_CLASS(W::EMissingValue), "Json value missing"},
    {"EndArrayInObject", [](W& w) { w.WriteBeginObject(); }, [](W& w) { w.WriteEndArray(); },
     EXCEPTION_CLASS(W::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
    {"EndObjectAtDocument", [](W&) {}, [](W& w) { w.WriteEndObject(); },
     EXCEPTION_CLASS(W::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
    {"EmptyName", [](W& w) { w.WriteBeginObject(); }, [](W& w) { w.WriteName(""); }, EXCEPTION_CLASS(W::EEmptyName), "Cannot write empty name"},
    {"NaN", [](W& w) { w.WriteBeginArray(); }, [](W& w) { w.WriteDouble(std::nan("")); },
     EXCEPTION_CLASS(W::EInvalidNumber), "NaN and infinite numbers cannot be written as Json"},
    {"Infinity", [](W& w) { w.WriteBeginObject().WriteName("x"); }, [](W& w) { w.WriteDouble(-HUGE_VAL); },
     EXCEPTION_CLASS(W::EInvalidNumber), "NaN and infinite numbers cannot be written as Json"},
    // The document scope is the first of 256 entries: the 256th container is one too many.
    {"TooDeep", [](W& w) { for (int i = 0; i < 255; ++i) w.WriteBeginArray(); }, [](W& w) { w.WriteBeginArray(); },
     EXCEPTION_CLASS(W::ETooManyDepthLevels), "Maximum level of nested structured reached."},
    {"TooDeepAfterName", [](W& w) { for (int i = 0; i < 255; ++i) w.WriteBeginObject().WriteName("n"); }, [](W& w) { w.WriteBeginObject(); },
     EXCEPTION_CLASS(W::ETooManyDepthLevels), "Maximum level of nested structured reached."},
    {"CloseOpenRoot", [](W& w) { w.WriteBeginObject(); }, [](W& w) { w.Close(); },
     EXCEPTION_CLASS(W::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
    {"CloseWithNameAfterRoot", [](W& w) { w.WriteBeginArray().WriteEndArray().WriteName("late"); }, [](W& w) { w.Close(); },
     EXCEPTION_CLASS(W::EMissingValue), "Json value missing"},
    {"CloseEmpty", [](W&) {}, [](W& w) { w.Close(); },
     EXCEPTION_CLASS(W::EInvalidNesting), "Invalid nesting. Not all arrays/objects were properly closed."},
};

INSTANTIATE_TEST_SUITE_P(Writer, JSONWriterMisuse, ::testing::ValuesIn(MisuseCases), [](const auto& info) { return std::string(info.param.name); });

TEST(JSONWriter, DeepestNestingIsWrittenAndClosed)
{
    QByteArray text = WrittenText([](W& w) {
        for (int i = 0; i < 255; ++i)
            w.WriteBeginArray();
        for (int i = 0; i < 255; ++i)
            w.WriteEndArray();
        w.Close();
    });
    EXPECT_EQ(text, QByteArray(255, '[') + QByteArray(255, ']'));
}

TEST(JSONWriter, TargetUntouchedUntilDestroyedThenAppendedAtItsPosition)
{
    TMemoryStream stream(QByteArray("head:"));
    stream.SetPosition(5);
    {
        TKestJSONWriter writer(stream);
        writer.WriteBeginArray().WriteInteger(1).WriteEndArray().Close();
        EXPECT_EQ(stream.Bytes(), QByteArray("head:"));
    }
    EXPECT_EQ(stream.Bytes(), QByteArray("head:[1]"));
}

TEST(JSONWriter, LargeDocumentIsFlushedWhole)
{
    // More than one copy block.
    QString big(700000, QLatin1Char('x'));
    QByteArray text = WrittenText([&](W& w) { w.WriteBeginArray().WriteString(big).WriteString(big).WriteEndArray(); });
    EXPECT_EQ(text.size(), 2 * 700000 + 7);
    EXPECT_TRUE(text.endsWith("x\"]"));
}

}
