#include "JSONTestSupport.h"

#include <limits>

using R = TKestJSONReader;

namespace {

// A reader over text kept alive with it.
struct TReaderOn {
    explicit TReaderOn(const QByteArray& text) : stream(text), reader(stream) {}
    TMemoryStream stream;
    TKestJSONReader reader;
};

struct TMalformedCase {
    const char* name;
    const char* text;
    TExceptionClass error;
    const char* message;
};

class JSONReaderMalformed : public ::testing::TestWithParam<TMalformedCase> {};

TEST_P(JSONReaderMalformed, RaisesItsException)
{
    const TMalformedCase& c = GetParam();
    ExpectRaises([&] { Trace(QByteArray(c.text)); }, c.error, QString::fromUtf8(c.message));
}

#define ERR(X) EXCEPTION_CLASS(R::X)
const TMalformedCase MalformedCases[] = {
    {"EmptyInput", "", ERR(EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"OnlySpaces", " \r\n\t", ERR(EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"StringAtTop", "\"a\"", ERR(EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"NumberAtTop", "12", ERR(EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"LiteralAtTop", "true", ERR(EObjectOrArrayExpected), "Object or array expected as top-level value"},
    {"TrailingCommaInArray", "[1,]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"TrailingCommaInObject", "{\"a\":1,}", ERR(ENameExpected), "Name expected"},
    {"UnquotedName", "{a:1}", ERR(ENameExpected), "Name expected"},
    {"MissingColon", "{\"a\" 1}", ERR(EColonExpected), "Colon expected"},
    {"ElementsWithoutComma", "[1 2]", ERR(EUnterminatedArray), "Unterminated array"},
    {"UnclosedArray", "[1", EXCEPTION_CLASS(TKestJSONStreamReader::EEndOfInputReached), "End of JSON input reached."},
    {"UnclosedArrayAfterString", "[\"a\"", ERR(EUnterminatedArray), "Unterminated array"},
    {"MembersWithoutComma", "{\"a\":1 \"b\":2}", ERR(EUnterminatedObject), "Unterminated object"},
    {"UnclosedObject", "{\"a\":null", ERR(EUnterminatedObject), "Unterminated object"},
    {"ArrayClosedAsObject", "[1}", ERR(EUnterminatedArray), "Unterminated array"},
    {"SecondRoot", "{} []", ERR(EMultipleRootNotAllowed), "Multiple root values not allowed"},
    {"LeadingZero", "[01]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"NegativeLeadingZero", "[-01]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"LoneMinus", "[-]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"PointWithoutFraction", "[1.]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"ExponentWithoutDigits", "[1e+]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"PlusSign", "[+1]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"Hexadecimal", "[0x1]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"NumberThenQuote", "[1\"a\"]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"WrongLetter", "[trux]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"LiteralThenLetter", "[truex]", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"LiteralCutShort", "[tr", EXCEPTION_CLASS(TKestJSONStreamReader::EEndOfInputReached), "End of JSON input reached."},
    {"SingleQuotes", "['a']", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"ValueMissingAfterColon", "{\"a\":}", ERR(EExpectedValue), "Value expected but invalid character found"},
    {"InvalidEscape", "[\"a\\x\"]", EXCEPTION_CLASS(Exception), "Invalid code at position 2"},
    {"ShortUnicodeEscape", "[\"ab\\u12\"]", EXCEPTION_CLASS(Exception), "Invalid code at position 3"},
    {"BackslashAtEnd", "[\"\\", EXCEPTION_CLASS(Exception), "Unexpected end of string"},
    {"RawTab", "[\"a\tb\"]", ERR(EControlCharacter), "Control character in Json string"},
    {"RawLineBreak", "[\"a\nb\"]", ERR(EControlCharacter), "Control character in Json string"},
    {"TruncatedUtf8", "[\"\xC3\"]", ERR(EInvalidUTF8), "Invalid UTF-8 text in Json string"},
    {"OverlongUtf8", "[\"\xC0\xAF\"]", ERR(EInvalidUTF8), "Invalid UTF-8 text in Json string"},
    {"EncodedSurrogate", "[\"\xED\xA0\x80\"]", ERR(EInvalidUTF8), "Invalid UTF-8 text in Json string"},
    {"Latin1Byte", "{\"caf\xE9\":1}", ERR(EInvalidUTF8), "Invalid UTF-8 text in Json string"},
};
#undef ERR

INSTANTIATE_TEST_SUITE_P(Reader, JSONReaderMalformed, ::testing::ValuesIn(MalformedCases), [](const auto& info) { return std::string(info.param.name); });

TEST(JSONReader, ZeroByteIsNotTheEnd)
{
    ExpectRaises([] { Trace(QByteArray("[]\0", 3)); }, EXCEPTION_CLASS(R::EMultipleRootNotAllowed), "Multiple root values not allowed");
    ExpectRaises([] { Trace(QByteArray("[1\0]", 4)); }, EXCEPTION_CLASS(R::EExpectedValue), "Value expected but invalid character found");
}

TEST(JSONReader, NumbersOf255CharactersAreRefused)
{
    QByteArray longest = "[0." + QByteArray(252, '1') + "]";
    EXPECT_NO_THROW(Trace(longest));
    QByteArray tooLong = "[0." + QByteArray(253, '1') + "]";
    ExpectRaises([&] { Trace(tooLong); }, EXCEPTION_CLASS(R::EExpectedValue), "Value expected but invalid character found");
}

TEST(JSONReader, WriterOutputReadsBackTokenForToken)
{
    TWriterSteps steps = [](TKestJSONWriter& w) {
        w.WriteBeginObject().WriteName("a").WriteInteger(-3).WriteName("b").WriteBeginArray().WriteDouble(0.5).WriteString(QString::fromUtf16(u"\"\u00E9\t"));
        w.WriteBoolean(true).WriteNull().WriteBeginObject().WriteEndObject().WriteEndArray().WriteName("c").WriteDouble(1e20).WriteEndObject();
    };
    const QString expected = QString::fromUtf16(u"{ a: -3 b: [ 0.5 \"\"\u00E9\t\" true null { } ] c: 1e+20 }");
    for (int indent : {0, 3}) {
        QByteArray text = WrittenText(steps, indent);
        EXPECT_EQ(Trace(text), expected) << indent;
        EXPECT_EQ(Trace(text + "\r\n  "), expected);
    }
}

TEST(JSONReader, StringsAndNames)
{
    TReaderOn r(QByteArray("{\"n\\u00E9\":[\"a\\\"b\", \"  lead\", \"\\u00e9\\/\\\\\\b\\f\\n\\r\\t\", \"\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\", \"\"]}"));
    R& reader = r.reader;
    reader.ReadBeginObject();
    EXPECT_EQ(reader.Peek(), jstoName);
    // Names come back as they stand, escapes and all.
    EXPECT_EQ(reader.PeekName(), QStringLiteral("n\\u00E9"));
    EXPECT_EQ(reader.PeekName(), QStringLiteral("n\\u00E9"));
    EXPECT_EQ(reader.ReadName(), QStringLiteral("n\\u00E9"));
    reader.ReadBeginArray();
    EXPECT_EQ(reader.ReadString(), QStringLiteral("a\"b"));
    EXPECT_EQ(reader.ReadString(), QStringLiteral("  lead"));
    EXPECT_EQ(reader.ReadString(), QString::fromUtf16(u"\u00E9/\\\b\f\n\r\t"));
    EXPECT_EQ(reader.ReadString(), QString::fromUtf16(u"\u00E9\u20AC\U0001F600"));
    EXPECT_EQ(reader.ReadString(), QString());
    reader.ReadEndArray();
    reader.ReadEndObject();
    EXPECT_TRUE(reader.Eof());
    EXPECT_TRUE(reader.HasNext());
}

struct TNumberCase {
    const char* text;
    const char* asText; // what ReadString gives
    bool convertible;   // ReadDouble gives value; otherwise a conversion error
    double value;
};

TEST(JSONReader, NumberTokens)
{
    const TNumberCase cases[] = {
        {"0", "0", true, 0},
        {"-0", "0", true, 0},
        {"-9223372036854775808", "-9223372036854775808", true, -9223372036854775808.0},
        {"9223372036854775807", "9223372036854775807", true, 9223372036854775807.0},
        {"9223372036854775808", "9223372036854775808", true, 9223372036854775808.0},
        {"-9223372036854775809", "-9223372036854775809", true, -9223372036854775809.0},
        {"123456789012345678901234567890", "123456789012345678901234567890", true, 1.2345678901234568e29},
        {"1.5", "1.5", true, 1.5},
        {"-2.5E-3", "-2.5E-3", true, -0.0025},
        {"1e-400", "1e-400", true, 0},
        {"1e400", "1e400", false, 0},
    };
    for (const auto& c : cases) {
        QByteArray doc = QByteArray("[") + c.text + "]";
        TReaderOn a(doc);
        a.reader.ReadBeginArray();
        EXPECT_EQ(a.reader.Peek(), jstoNumber) << c.text;
        EXPECT_EQ(a.reader.ReadString(), QString::fromLatin1(c.asText));
        TReaderOn b(doc);
        b.reader.ReadBeginArray();
        if (c.convertible)
            EXPECT_EQ(b.reader.ReadDouble(), c.value) << c.text;
        else
            ExpectRaises([&] { b.reader.ReadDouble(); }, EXCEPTION_CLASS(EConvertError), QStringLiteral("'%1' is not a valid floating point value").arg(c.text));
    }
}

TEST(JSONReader, WholeNumberConversions)
{
    struct TCase {
        const char* text;
        bool int64Ok;
        qint64 int64;
        bool int32Ok;
    };
    const TCase cases[] = {
        {"42", true, 42, true},
        {"-2147483648", true, -2147483648LL, true},
        {"2147483648", true, 2147483648LL, false},
        {"\"17\"", true, 17, true},
        {"\"+17\"", true, 17, true},
        {"2.0", true, 2, true},
        {"2.5", false, 0, false},
        {"1e3", true, 1000, true},
        {"\"3.0\"", true, 3, true},
        {"9223372036854775808", false, 0, false}, // 2^63 as a double is out of range
        {"-9223372036854775809", true, std::numeric_limits<qint64>::min(), false}, // rounds to -2^63
        {"1e300", false, 0, false},
    };
    for (const auto& c : cases) {
        QByteArray doc = QByteArray("[") + c.text + "]";
        TReaderOn a(doc);
        a.reader.ReadBeginArray();
        if (c.int64Ok)
            EXPECT_EQ(a.reader.ReadInt64(), c.int64) << c.text;
        else
            ExpectRaises([&] { a.reader.ReadInt64(); }, EXCEPTION_CLASS(R::EInvalidStateException), "Invalid Json parser state. Expected state: 11");
        TReaderOn b(doc);
        b.reader.ReadBeginArray();
        if (c.int32Ok)
            EXPECT_EQ(b.reader.ReadInteger(), int(c.int64)) << c.text;
        else
            ExpectRaises([&] { b.reader.ReadInteger(); }, EXCEPTION_CLASS(R::EInvalidStateException), "Invalid Json parser state. Expected state: 11");
    }
}

TEST(JSONReader, FailedConversionKeepsTheTextBuffered)
{
    TReaderOn r(QByteArray("[\"abc\", \"2.5\", \"x\"]"));
    R& reader = r.reader;
    reader.ReadBeginArray();
    ExpectRaises([&] { reader.ReadInt64(); }, EXCEPTION_CLASS(EConvertError), "'abc' is not a valid floating point value");
    EXPECT_EQ(reader.Peek(), jstoText);
    EXPECT_EQ(reader.ReadString(), QStringLiteral("abc"));
    EXPECT_EQ(reader.ReadDouble(), 2.5);
    EXPECT_THROW(reader.ReadDouble(), EConvertError);
    EXPECT_EQ(reader.ReadString(), QStringLiteral("x"));
    reader.ReadEndArray();
}

TEST(JSONReader, WrongReadNamesTheStateItNeeded)
{
    struct TCase {
        std::function<void(R&)> read;
        int state;
    };
    const TCase cases[] = {
        {[](R& r) { r.ReadBeginObject(); }, 1}, {[](R& r) { r.ReadEndObject(); }, 2}, {[](R& r) { r.ReadBeginArray(); }, 3},
        {[](R& r) { r.ReadEndArray(); }, 4},    {[](R& r) { r.ReadBoolean(); }, 5},   {[](R& r) { r.ReadNull(); }, 7},
        {[](R& r) { r.ReadString(); }, 8},      {[](R& r) { r.ReadName(); }, 10},     {[](R& r) { r.PeekName(); }, 10},
        {[](R& r) { r.ReadInt64(); }, 11},      {[](R& r) { r.ReadInteger(); }, 11},  {[](R& r) { r.ReadDouble(); }, 12},
    };
    for (const auto& c : cases) {
        // The next token is the end of an object, or for ReadEndObject the end of an array.
        bool endObjectRow = c.state == 2;
        TReaderOn r(QByteArray(endObjectRow ? "[[]]" : "[{}]"));
        r.reader.ReadBeginArray();
        if (endObjectRow)
            r.reader.ReadBeginArray();
        else
            r.reader.ReadBeginObject();
        ExpectRaises([&] { c.read(r.reader); }, EXCEPTION_CLASS(R::EInvalidStateException),
                     QStringLiteral("Invalid Json parser state. Expected state: %1").arg(c.state));
        // The token stays for the right read.
        EXPECT_FALSE(r.reader.HasNext());
        if (endObjectRow)
            r.reader.ReadEndArray();
        else
            r.reader.ReadEndObject();
    }
}

TEST(JSONReader, LiteralsIgnoreCase)
{
    EXPECT_EQ(Trace("[TRUE,False,nULL,true ]"), QStringLiteral("[ true false null true ]"));
}

TEST(JSONReader, DepthLimitMatchesTheWriter)
{
    EXPECT_NO_THROW(Trace(QByteArray(255, '[') + QByteArray(255, ']')));
    TReaderOn r(QByteArray(256, '[') + QByteArray(256, ']'));
    for (int i = 0; i < 255; ++i)
        r.reader.ReadBeginArray();
    ExpectRaises([&] { r.reader.ReadBeginArray(); }, EXCEPTION_CLASS(R::ETooManyDepthLevels), "Maximum level of nested structured reached.");
}

TEST(JSONReader, SkipValueConsumesOneValueOrOneName)
{
    TReaderOn r(QByteArray(R"({"a":[1,{"x":"y"},[[]]],"b":"s","c":{"d":null},"e":true})"));
    R& reader = r.reader;
    reader.ReadBeginObject();
    EXPECT_EQ(reader.ReadName(), QStringLiteral("a"));
    reader.SkipValue();
    reader.SkipValue(); // the name b alone
    reader.SkipValue(); // its value
    EXPECT_EQ(reader.PeekName(), QStringLiteral("c"));
    reader.SkipValue();
    reader.SkipValue();
    EXPECT_EQ(reader.ReadName(), QStringLiteral("e"));
    EXPECT_TRUE(reader.ReadBoolean());
    reader.SkipValue(); // the end of the object
    EXPECT_TRUE(reader.Eof());
}

TEST(JSONReader, StreamReaderCharacters)
{
    TMemoryStream stream(QByteArray("ab"));
    TKestJSONStreamReader source(stream);
    EXPECT_EQ(source.PeekChar(), 'a');
    EXPECT_EQ(source.NextChar(), 'a');
    source.Backup();
    source.MoveNext(2);
    EXPECT_TRUE(source.Eof());
    EXPECT_EQ(source.ReadChar(), '\0');
    EXPECT_THROW(source.NextChar(), TKestJSONStreamReader::EEndOfInputReached);
}

TEST(JSONReader, SourceNotAtItsStartIsAShortRead)
{
    TMemoryStream stream(QByteArray("[1]"));
    stream.SetPosition(1);
    EXPECT_THROW(TKestJSONReader reader(stream), EReadError);
}

}
