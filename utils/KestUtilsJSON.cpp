#include "utils/JSONEscaping.h"
#include "utils/HexDigits.h"
#include "utils/KestUtils.h"

#include "framework/Exception.h"

namespace {

// True for the code units written as they stand.
inline bool IsPlain(char16_t c) { return c >= 0x20 && c < 0x80 && c != u'"' && c != u'\\'; }

[[noreturn]] void InvalidCode(qsizetype backslash)
{
    throw Exception(Exception::Format(QStringLiteral("Invalid code at position %s"), QString::number(backslash + 1)));
}

}

void KestJSON::AppendEscaped(QByteArray& out, QStringView text)
{
    const char16_t* p = text.utf16();
    const char16_t* end = p + text.size();
    while (p < end) {
        // Copy the run of plain characters in one step.
        const char16_t* run = p;
        while (p < end && IsPlain(*p))
            ++p;
        if (p > run) {
            qsizetype at = out.size();
            out.resize(at + (p - run));
            char* d = out.data() + at;
            for (const char16_t* s = run; s < p; ++s)
                *d++ = char(*s);
        }
        if (p == end)
            break;
        char16_t c = *p++;
        char esc[6] = {'\\', 'u', KestHex::Digits[c >> 12], KestHex::Digits[(c >> 8) & 15], KestHex::Digits[(c >> 4) & 15],
                       KestHex::Digits[c & 15]};
        out.append(esc, 6);
    }
}

QString TKestUtils::EscapeString(const QString& value)
{
    QByteArray out;
    out.reserve(value.size());
    KestJSON::AppendEscaped(out, value);
    return QString::fromLatin1(out);
}

QString TKestUtils::UnescapeString(const QString& value)
{
    qsizetype backslash = value.indexOf(QLatin1Char('\\'));
    if (backslash < 0)
        return value;
    QString out;
    out.reserve(value.size());
    out.append(QStringView(value).left(backslash));
    const qsizetype n = value.size();
    for (qsizetype i = backslash; i < n; ++i) {
        QChar c = value.at(i);
        if (c != QLatin1Char('\\')) {
            out.append(c);
            continue;
        }
        if (i + 1 >= n)
            throw Exception(QStringLiteral("Unexpected end of string"));
        char16_t e = value.at(i + 1).unicode();
        switch (e) {
        case u'/':
        case u'\\':
        case u'"':
            out.append(QChar(e));
            break;
        case u'b': out.append(QChar(8)); break;
        case u'f': out.append(QChar(12)); break;
        case u'n': out.append(QChar(10)); break;
        case u'r': out.append(QChar(13)); break;
        case u't': out.append(QChar(9)); break;
        case u'u': {
            if (n - i < 6)
                InvalidCode(i);
            int code = 0;
            for (int k = 2; k < 6; ++k) {
                int h = KestHex::Value(value.at(i + k));
                if (h < 0)
                    InvalidCode(i);
                code = code * 16 + h;
            }
            out.append(QChar(char16_t(code)));
            i += 4;
            break;
        }
        default:
            InvalidCode(i);
        }
        ++i;
    }
    return out;
}
