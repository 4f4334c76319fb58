#include "persistence/KestJSONReader.h"

#include "utils/DotNumbers.h"
#include "utils/KestUtils.h"

#include <QStringDecoder>
#include <cmath>

using namespace KestJSON;

namespace {

inline bool IsWhiteSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f'; }

// What may follow a literal or a number.
inline bool IsDelimiter(char c)
{
    switch (c) {
    case '/': case '\\': case ';': case '#': case '{': case '}': case '[': case ']': case ':': case ',':
    case '\'': case ' ': case '\r': case '\n': case '\f': case '\t':
        return true;
    default:
        return false;
    }
}

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const TKestJSONToken TokenOfState[] = {
    jstoEOF,        // jstNone (never reported)
    jstoBeginObject, jstoEndObject, jstoBeginArray, jstoEndArray,
    jstoBoolean,    jstoBoolean,    jstoNull,
    jstoText,       jstoText,       jstoName,
    jstoNumber,     jstoNumber,     jstoEOF,
};

}

TKestJSONReader::TKestJSONReader(TStream& stream) : FReader(std::make_unique<TKestJSONStreamReader>(stream))
{
    Push(scEmptyDocument);
}

TKestJSONReader::~TKestJSONReader() = default;

void TKestJSONReader::Push(TScope scope)
{
    if (FStackSize >= MaxStackSize)
        throw ETooManyDepthLevels();
    FStack[size_t(FStackSize++)] = scope;
}

TKestJSONReader::TKestJSONState TKestJSONReader::PeekState()
{
    if (FPeeked == jstNone)
        FPeeked = Scan();
    return FPeeked;
}

TKestJSONToken TKestJSONReader::Peek() { return TokenOfState[PeekState()]; }

bool TKestJSONReader::HasNext()
{
    TKestJSONState s = PeekState();
    return s != jstEndObject && s != jstEndArray;
}

char TKestJSONReader::NextSignificant()
{
    const char* p = FReader->Position();
    const char* end = FReader->End();
    while (p < end && IsWhiteSpace(*p))
        ++p;
    FReader->SetPosition(p);
    return p < end ? *p : '\0';
}

TKestJSONReader::TKestJSONState TKestJSONReader::Scan()
{
    TScope& top = Top();
    bool arrayWasEmpty = false;
    switch (top) {
    case scEmptyArray:
        top = scNonEmptyArray;
        arrayWasEmpty = true;
        break;
    case scNonEmptyArray:
        if (CloseOrComma<EUnterminatedArray>(']'))
            return jstEndArray;
        break;
    case scEmptyObject:
    case scNonEmptyObject: {
        bool wasEmpty = top == scEmptyObject;
        top = scDanglingName;
        if (!wasEmpty && CloseOrComma<EUnterminatedObject>('}'))
            return jstEndObject;
        char c = NextSignificant();
        if (c == '"') {
            Consume();
            return jstDoubleQuotedName;
        }
        if (c == '}' && wasEmpty) {
            Consume();
            return jstEndObject;
        }
        throw ENameExpected();
    }
    case scDanglingName:
        top = scNonEmptyObject;
        if (NextSignificant() != ':' || FReader->Eof())
            throw EColonExpected();
        Consume();
        break;
    case scEmptyDocument:
        top = scNonEmptyDocument;
        break;
    case scNonEmptyDocument:
        NextSignificant();
        if (FReader->Eof())
            return jstEOF;
        throw EMultipleRootNotAllowed();
    }
    return ScanValue(arrayWasEmpty);
}

TKestJSONReader::TKestJSONState TKestJSONReader::ScanValue(bool arrayWasEmpty)
{
    char c = NextSignificant();
    if (!FReader->Eof()) {
        switch (c) {
        case '"':
            if (FStackSize == 1)
                throw EObjectOrArrayExpected();
            Consume();
            return jstDoubleQuoted;
        case '[':
            Consume();
            return jstBeginArray;
        case '{':
            Consume();
            return jstBeginObject;
        case ']':
            if (!arrayWasEmpty)
                throw EExpectedValue();
            Consume();
            return jstEndArray;
        default:
            break;
        }
    }
    if (FStackSize == 1)
        throw EObjectOrArrayExpected();
    if (!FReader->Eof()) {
        char lower = char(c | 0x20);
        if (lower == 't' || lower == 'f' || lower == 'n')
            return ScanLiteral(lower);
        if (c == '-' || IsDigit(c))
            return ScanNumber();
    }
    throw EExpectedValue();
}

TKestJSONReader::TKestJSONState TKestJSONReader::ScanLiteral(char first)
{
    const char* word = first == 't' ? "true" : first == 'f' ? "false" : "null";
    for (const char* w = word; *w; ++w) {
        // Letters compare without case: only 'T' and 't' give 't' with the bit set.
        if (char(FReader->NextChar() | 0x20) != *w)
            throw EExpectedValue();
    }
    if (!FReader->Eof() && !IsDelimiter(FReader->PeekChar()))
        throw EExpectedValue();
    return first == 't' ? jstTrue : first == 'f' ? jstFalse : jstNull;
}

TKestJSONReader::TKestJSONState TKestJSONReader::ScanNumber()
{
    enum { nsNone, nsSign, nsInteger, nsPoint, nsFraction, nsExponentMark, nsExponentSign, nsExponent } state = nsNone;
    // The integer part is accumulated negatively, so the most negative value fits.
    constexpr qint64 limit = -922337203685477580LL;
    qint64 value = 0;
    bool fits = true;
    bool negative = false;
    int length = 0;
    for (;;) {
        char c = FReader->NextChar();
        switch (c) {
        case '-':
            if (state == nsNone) {
                state = nsSign;
                negative = true;
            } else if (state == nsExponentMark) {
                state = nsExponentSign;
            } else {
                throw EExpectedValue();
            }
            break;
        case '+':
            if (state != nsExponentMark)
                throw EExpectedValue();
            state = nsExponentSign;
            break;
        case '.':
            if (state != nsInteger)
                throw EExpectedValue();
            state = nsPoint;
            break;
        case 'e':
        case 'E':
            if (state != nsInteger && state != nsFraction)
                throw EExpectedValue();
            state = nsExponentMark;
            break;
        case '0': case '1': case '2': case '3': case '4': case '5': case '6': case '7': case '8': case '9': {
            int digit = c - '0';
            if (state == nsNone || state == nsSign || state == nsInteger) {
                if (state == nsInteger && value == 0)
                    throw EExpectedValue(); // no leading zeros
                state = nsInteger;
                if (fits && (value < limit || (value == limit && digit > 8)))
                    fits = false;
                if (fits)
                    value = value * 10 - digit;
            } else if (state == nsPoint || state == nsFraction) {
                state = nsFraction;
            } else {
                state = nsExponent;
            }
            break;
        }
        default: {
            if (!IsDelimiter(c))
                throw EExpectedValue();
            FReader->Backup();
            if (state == nsInteger && fits && (negative || value != std::numeric_limits<qint64>::min())) {
                FPeekedInt64 = negative ? value : -value;
                return jstInt64;
            }
            if (state != nsInteger && state != nsFraction && state != nsExponent)
                throw EExpectedValue();
            FPeekedNumber[length] = '\0';
            FPeekedNumberLength = length;
            return jstNumber;
        }
        }
        FPeekedNumber[length++] = c;
        if (length >= 255)
            throw EExpectedValue();
    }
}

void TKestJSONReader::Expect(TKestJSONState state)
{
    if (PeekState() != state)
        throw EInvalidStateException(state);
    FPeeked = jstNone;
}

void TKestJSONReader::ReadBeginObject()
{
    Expect(jstBeginObject);
    Push(scEmptyObject);
}

void TKestJSONReader::ReadEndObject()
{
    Expect(jstEndObject);
    Pop();
}

void TKestJSONReader::ReadBeginArray()
{
    Expect(jstBeginArray);
    Push(scEmptyArray);
}

void TKestJSONReader::ReadEndArray()
{
    Expect(jstEndArray);
    Pop();
}

bool TKestJSONReader::ReadBoolean()
{
    TKestJSONState s = PeekState();
    if (s != jstTrue && s != jstFalse)
        throw EInvalidStateException(jstTrue);
    FPeeked = jstNone;
    return s == jstTrue;
}

void TKestJSONReader::ReadNull() { Expect(jstNull); }

TKestJSONReader::TStringSpan TKestJSONReader::ScanString()
{
    const char* p = FReader->Position();
    const char* end = FReader->End();
    TStringSpan span{p, end, true};
    while (p < end) {
        unsigned char c = static_cast<unsigned char>(*p);
        if (c == '"')
            break;
        if (c == '\\') {
            // The escaped character is taken as it stands; the escape is
            // checked when the text is unescaped.
            span.plain = false;
            p = end - p > 2 ? p + 2 : end;
            continue;
        }
        if (c < 0x20)
            throw EControlCharacter();
        if (c >= 0x80)
            span.plain = false;
        ++p;
    }
    span.end = p;
    FReader->SetPosition(p < end ? p + 1 : end);
    return span;
}

QString TKestJSONReader::Decode(const TStringSpan& span)
{
    qsizetype length = span.end - span.begin;
    if (span.plain)
        return QString::fromLatin1(span.begin, length);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(QByteArrayView(span.begin, length));
    if (decoder.hasError())
        throw EInvalidUTF8();
    return text;
}

QString TKestJSONReader::TakeString()
{
    TStringSpan span = ScanString();
    FPeeked = jstNone;
    QString text = Decode(span);
    return span.plain ? text : TKestUtils::UnescapeString(text);
}

QString TKestJSONReader::ReadName()
{
    Expect(jstDoubleQuotedName);
    if (FPeekedNameEnd) {
        FReader->SetPosition(FPeekedNameEnd);
        FPeekedNameEnd = nullptr;
        return std::exchange(FPeekedNameText, QString());
    }
    return Decode(ScanString());
}

QString TKestJSONReader::PeekName()
{
    if (PeekState() != jstDoubleQuotedName)
        throw EInvalidStateException(jstDoubleQuotedName);
    if (!FPeekedNameEnd) {
        const char* at = FReader->Position();
        QString text = Decode(ScanString());
        FPeekedNameEnd = FReader->Position();
        FPeekedNameText = text;
        FReader->SetPosition(at);
    }
    return FPeekedNameText;
}

QString TKestJSONReader::ReadString()
{
    switch (PeekState()) {
    case jstDoubleQuoted:
        return TakeString();
    case jstBuffered:
        FPeeked = jstNone;
        return TKestUtils::UnescapeString(std::exchange(FPeekedString, QString()));
    case jstInt64:
        FPeeked = jstNone;
        return QString::number(FPeekedInt64);
    case jstNumber:
        FPeeked = jstNone;
        return QString::fromLatin1(FPeekedNumber, FPeekedNumberLength);
    default:
        throw EInvalidStateException(jstDoubleQuoted);
    }
}

double TKestJSONReader::BufferedDouble()
{
    double value = KestDot::TextToDouble(FPeekedString);
    FPeekedString.clear();
    return value;
}

template <typename Int>
Int TKestJSONReader::ReadWhole(bool (*parse)(const QString&, Int&))
{
    constexpr TKestJSONState needed = jstInt64;
    Int result = 0;
    switch (PeekState()) {
    case jstInt64:
        if (FPeekedInt64 < std::numeric_limits<Int>::min() || FPeekedInt64 > std::numeric_limits<Int>::max())
            throw EInvalidStateException(needed);
        FPeeked = jstNone;
        return Int(FPeekedInt64);
    case jstNumber:
        FPeekedString = QString::fromLatin1(FPeekedNumber, FPeekedNumberLength);
        break;
    case jstDoubleQuoted:
        FPeekedString = TakeString();
        break;
    case jstBuffered:
        break;
    default:
        throw EInvalidStateException(needed);
    }
    if (parse(FPeekedString, result)) {
        FPeekedString.clear();
        FPeeked = jstNone;
        return result;
    }
    FPeeked = jstBuffered;
    double value = KestDot::TextToDouble(FPeekedString);
    // Only a whole number in range converts; the range is checked before the
    // conversion, which would be undefined outside it.
    constexpr double low = double(std::numeric_limits<Int>::min());
    constexpr double high = -low; // one above the largest value
    if (!(value >= low && value < high) || std::nearbyint(value) != value)
        throw EInvalidStateException(needed);
    FPeekedString.clear();
    FPeeked = jstNone;
    return Int(value);
}

qint64 TKestJSONReader::ReadInt64() { return ReadWhole<qint64>(&KestDot::TextToInt64); }

int TKestJSONReader::ReadInteger() { return ReadWhole<int>(&KestDot::TextToInt32); }

double TKestJSONReader::ReadDouble()
{
    switch (PeekState()) {
    case jstInt64:
        FPeeked = jstNone;
        return double(FPeekedInt64);
    case jstNumber: {
        double value;
        if (KestDot::NumberToDouble(FPeekedNumber, FPeekedNumber + FPeekedNumberLength, value)) {
            FPeeked = jstNone;
            return value;
        }
        FPeekedString = QString::fromLatin1(FPeekedNumber, FPeekedNumberLength);
        break;
    }
    case jstDoubleQuoted:
        FPeekedString = TakeString();
        break;
    case jstBuffered:
        break;
    default:
        throw EInvalidStateException(jstNumber);
    }
    FPeeked = jstBuffered;
    double value = BufferedDouble();
    FPeeked = jstNone;
    return value;
}

void TKestJSONReader::SkipValue()
{
    int depth = 0;
    do {
        switch (PeekState()) {
        case jstBeginObject:
            ReadBeginObject();
            ++depth;
            break;
        case jstBeginArray:
            ReadBeginArray();
            ++depth;
            break;
        case jstEndObject:
            ReadEndObject();
            --depth;
            break;
        case jstEndArray:
            ReadEndArray();
            --depth;
            break;
        case jstDoubleQuotedName:
            if (FPeekedNameEnd) {
                FReader->SetPosition(FPeekedNameEnd);
                FPeekedNameEnd = nullptr;
                FPeekedNameText.clear();
            } else {
                ScanString();
            }
            FPeeked = jstNone;
            break;
        case jstDoubleQuoted:
            ScanString();
            FPeeked = jstNone;
            break;
        default:
            FPeekedString.clear();
            FPeeked = jstNone;
            break;
        }
    } while (depth > 0);
}
