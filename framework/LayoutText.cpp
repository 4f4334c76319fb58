#include "framework/LayoutText.h"

#include "framework/Exception.h"

#include <cmath>

TLayoutValue TLayoutValue::Integer(qint64 v, bool hex)
{
    TLayoutValue r;
    r.kind = vkInteger;
    r.integer = v;
    r.hex = hex;
    return r;
}

TLayoutValue TLayoutValue::Float(double v)
{
    TLayoutValue r;
    r.kind = vkFloat;
    r.number = v;
    return r;
}

TLayoutValue TLayoutValue::String(const QString& s)
{
    TLayoutValue r;
    r.kind = vkString;
    r.text = s;
    return r;
}

TLayoutValue TLayoutValue::Ident(const QString& s)
{
    TLayoutValue r;
    r.kind = vkIdent;
    r.text = s;
    return r;
}

TLayoutValue TLayoutValue::Set(const QStringList& members)
{
    TLayoutValue r;
    r.kind = vkSet;
    r.set = members;
    return r;
}

TLayoutValue TLayoutValue::Binary(const QByteArray& bytes)
{
    TLayoutValue r;
    r.kind = vkBinary;
    r.bytes = bytes;
    return r;
}

namespace {

bool IsIdentStart(QChar c) { return c.isLetter() || c == u'_'; }
bool IsIdentChar(QChar c) { return c.isLetterOrNumber() || c == u'_'; }

// A cursor over the text that knows its line; every read is bounds-checked.
class Parser {
public:
    Parser(const QString& text, const QString& source) : FText(text), FSource(source) {}

    TLayoutObject ParseRoot()
    {
        SkipBlank();
        if (AtEnd())
            Fail(QStringLiteral("the layout is empty"));
        TLayoutObject root = ParseObject(0);
        SkipBlank();
        if (!AtEnd())
            Fail(QStringLiteral("unexpected text after the final \"end\""));
        return root;
    }

    TLayoutValue ParseLoneValue()
    {
        SkipSpaces();
        TLayoutValue v = ParseValue();
        SkipSpaces();
        if (!AtEnd())
            Fail(QStringLiteral("unexpected text after the value"));
        return v;
    }

private:
    [[noreturn]] void Fail(const QString& detail) { LayoutText::Error(FSource, FLine, detail); }

    bool AtEnd() const { return FPos >= FText.size(); }
    QChar Peek(qsizetype ahead = 0) const
    {
        qsizetype p = FPos + ahead;
        return p < FText.size() ? FText[p] : QChar();
    }
    QChar Next()
    {
        QChar c = FText[FPos++];
        if (c == u'\n')
            ++FLine;
        return c;
    }

    void SkipSpaces()
    {
        while (!AtEnd() && (Peek() == u' ' || Peek() == u'\t' || Peek() == u'\r'))
            ++FPos;
    }

    // Spaces, line breaks and comment lines.
    void SkipBlank()
    {
        for (;;) {
            SkipSpaces();
            if (AtEnd())
                return;
            if (Peek() == u'\n') {
                Next();
            } else if (Peek() == u'#') {
                while (!AtEnd() && Peek() != u'\n')
                    ++FPos;
            } else {
                return;
            }
        }
    }

    void ExpectLineEnd()
    {
        SkipSpaces();
        if (AtEnd())
            return;
        if (Peek() == u'#') {
            while (!AtEnd() && Peek() != u'\n')
                ++FPos;
            return;
        }
        if (Peek() != u'\n')
            Fail(QStringLiteral("unexpected text \"%1\" at the end of the line").arg(RestOfLine()));
    }

    QString RestOfLine() const
    {
        qsizetype end = FText.indexOf(u'\n', FPos);
        QString rest = FText.mid(FPos, end < 0 ? -1 : end - FPos).trimmed();
        return rest.size() > 40 ? rest.left(40) + QStringLiteral("...") : rest;
    }

    QString ParseIdent(const char* what)
    {
        if (AtEnd() || !IsIdentStart(Peek()))
            Fail(QStringLiteral("expected %1").arg(QLatin1String(what)));
        qsizetype start = FPos;
        while (!AtEnd() && IsIdentChar(Peek()))
            ++FPos;
        return FText.mid(start, FPos - start);
    }

    QString ParseDottedName()
    {
        QString name = ParseIdent("a property name");
        while (Peek() == u'.') {
            ++FPos;
            name += u'.' + ParseIdent("a property name after \".\"");
        }
        return name;
    }

    TLayoutObject ParseObject(int depth)
    {
        if (depth > LayoutText::MaxNesting)
            Fail(QStringLiteral("objects are nested too deeply"));
        TLayoutObject obj;
        obj.line = FLine;
        QString keyword = ParseIdent("\"object\"");
        if (keyword != QLatin1String("object"))
            Fail(QStringLiteral("expected \"object\", found \"%1\"").arg(keyword));
        SkipSpaces();
        obj.name = ParseIdent("an object name");
        SkipSpaces();
        if (Peek() != u':')
            Fail(QStringLiteral("expected \":\" after the object name \"%1\"").arg(obj.name));
        ++FPos;
        SkipSpaces();
        obj.className = ParseIdent("a class name");
        ExpectLineEnd();
        for (;;) {
            SkipBlank();
            if (AtEnd())
                Fail(QStringLiteral("missing \"end\" for object \"%1\" begun at line %2").arg(obj.name).arg(obj.line));
            qsizetype save = FPos;
            int line = FLine;
            QString word = ParseDottedName();
            if (word == QLatin1String("end")) {
                ExpectLineEnd();
                return obj;
            }
            if (word == QLatin1String("object")) {
                FPos = save;
                FLine = line;
                obj.children.push_back(ParseObject(depth + 1));
                continue;
            }
            SkipSpaces();
            if (Peek() != u'=')
                Fail(QStringLiteral("expected \"=\" after \"%1\"").arg(word));
            ++FPos;
            SkipSpaces();
            TLayoutProperty prop;
            prop.path = word;
            prop.line = line;
            prop.value = ParseValue();
            ExpectLineEnd();
            obj.properties.push_back(std::move(prop));
        }
    }

    TLayoutValue ParseValue()
    {
        if (AtEnd() || Peek() == u'\n')
            Fail(QStringLiteral("missing value"));
        QChar c = Peek();
        if (c == u'"')
            return TLayoutValue::String(ParseString());
        if (c == u'[')
            return TLayoutValue::Set(ParseSet());
        if (c == u'{')
            return TLayoutValue::Binary(ParseBinary());
        if (c == u'-' || c == u'+' || c.isDigit())
            return ParseNumber();
        if (IsIdentStart(c))
            return TLayoutValue::Ident(ParseIdent("a value"));
        Fail(QStringLiteral("unexpected character \"%1\"").arg(c));
    }

    TLayoutValue ParseNumber()
    {
        qsizetype start = FPos;
        bool negative = false;
        if (Peek() == u'-' || Peek() == u'+') {
            negative = Peek() == u'-';
            ++FPos;
        }
        if (Peek() == u'0' && (Peek(1) == u'x' || Peek(1) == u'X')) {
            FPos += 2;
            qsizetype digits = FPos;
            while (!AtEnd() && (Peek().isDigit() || QStringLiteral("abcdefABCDEF").contains(Peek())))
                ++FPos;
            bool ok = false;
            quint64 v = FText.mid(digits, FPos - digits).toULongLong(&ok, 16);
            if (!ok || v > 0xFFFFFFFFull)
                Fail(QStringLiteral("invalid hexadecimal number \"%1\"").arg(FText.mid(start, FPos - start)));
            qint64 value = qint64(v);
            return TLayoutValue::Integer(negative ? -value : value, true);
        }
        while (!AtEnd() && (Peek().isDigit() || Peek() == u'.' || Peek() == u'e' || Peek() == u'E' ||
                            ((Peek() == u'-' || Peek() == u'+') && (FText[FPos - 1] == u'e' || FText[FPos - 1] == u'E'))))
            ++FPos;
        QString literal = FText.mid(start, FPos - start);
        bool ok = false;
        if (literal.contains(u'.') || literal.contains(u'e') || literal.contains(u'E')) {
            double d = literal.toDouble(&ok);
            if (!ok || !std::isfinite(d))
                Fail(QStringLiteral("invalid number \"%1\"").arg(literal));
            return TLayoutValue::Float(d);
        }
        qint64 v = literal.toLongLong(&ok);
        if (!ok)
            Fail(QStringLiteral("invalid number \"%1\"").arg(literal));
        return TLayoutValue::Integer(v);
    }

    QString ParseString()
    {
        ++FPos; // opening quote
        QString out;
        for (;;) {
            if (AtEnd() || Peek() == u'\n')
                Fail(QStringLiteral("unterminated string"));
            QChar c = FText[FPos++];
            if (c == u'"')
                return out;
            if (c != u'\\') {
                out += c;
                continue;
            }
            if (AtEnd())
                Fail(QStringLiteral("unterminated string"));
            QChar e = FText[FPos++];
            switch (e.unicode()) {
            case '"': out += u'"'; break;
            case '\\': out += u'\\'; break;
            case 'n': out += u'\n'; break;
            case 'r': out += u'\r'; break;
            case 't': out += u'\t'; break;
            case 'u': {
                bool ok = false;
                uint code = FPos + 4 <= FText.size() ? FText.mid(FPos, 4).toUInt(&ok, 16) : 0;
                if (!ok)
                    Fail(QStringLiteral("invalid \\u escape in string"));
                out += QChar(char16_t(code));
                FPos += 4;
                break;
            }
            default:
                Fail(QStringLiteral("invalid escape \"\\%1\" in string").arg(e));
            }
        }
    }

    QStringList ParseSet()
    {
        ++FPos; // [
        QStringList members;
        SkipSpaces();
        if (Peek() == u']') {
            ++FPos;
            return members;
        }
        for (;;) {
            SkipSpaces();
            members << ParseIdent("a set member");
            SkipSpaces();
            if (Peek() == u']') {
                ++FPos;
                return members;
            }
            if (Peek() != u',')
                Fail(QStringLiteral("expected \",\" or \"]\" in a set"));
            ++FPos;
        }
    }

    QByteArray ParseBinary()
    {
        int startLine = FLine;
        ++FPos; // {
        QByteArray bytes;
        int high = -1;
        for (;;) {
            if (AtEnd())
                LayoutText::Error(FSource, startLine, QStringLiteral("binary data is not closed with \"}\""));
            QChar c = Next();
            if (c == u'}')
                break;
            if (c.isSpace())
                continue;
            int v = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
            if (v < 0)
                Fail(QStringLiteral("invalid character \"%1\" in binary data").arg(c));
            if (high < 0) {
                high = v;
            } else {
                bytes.append(char(high << 4 | v));
                high = -1;
            }
        }
        if (high >= 0)
            Fail(QStringLiteral("binary data has an odd number of hexadecimal digits"));
        return bytes;
    }

    const QString& FText;
    QString FSource;
    qsizetype FPos = 0;
    int FLine = 1;
};

QString Quote(const QString& s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(uint(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + u'"';
}

void WriteObject(QString& out, const TLayoutObject& obj, int indent)
{
    QString pad(indent * 2, u' ');
    out += pad + QStringLiteral("object %1: %2\n").arg(obj.name, obj.className);
    for (const auto& p : obj.properties)
        out += pad + QStringLiteral("  %1 = %2\n").arg(p.path, LayoutText::FormatValue(p.value, indent + 2));
    for (const auto& child : obj.children)
        WriteObject(out, child, indent + 1);
    out += pad + QStringLiteral("end\n");
}

}

namespace LayoutText {

void Error(const QString& source, int line, const QString& detail)
{
    QString where = source.isEmpty() ? QString() : QStringLiteral(" in %1").arg(source);
    throw ELayoutError(QStringLiteral("Layout error%1 at line %2: %3").arg(where).arg(line).arg(detail));
}

TLayoutObject Parse(const QString& text, const QString& source)
{
    return Parser(text, source).ParseRoot();
}

TLayoutValue ParseValue(const QString& literal)
{
    return Parser(literal, QString()).ParseLoneValue();
}

QString FormatValue(const TLayoutValue& value, int indent)
{
    switch (value.kind) {
    case TLayoutValue::vkInteger:
        if (value.hex)
            return (value.integer < 0 ? QStringLiteral("-0x") : QStringLiteral("0x")) +
                   QString::number(std::abs(value.integer), 16).toUpper().rightJustified(6, u'0');
        return QString::number(value.integer);
    case TLayoutValue::vkFloat:
        return QString::number(value.number, 'g', 17);
    case TLayoutValue::vkString:
        return Quote(value.text);
    case TLayoutValue::vkIdent:
        return value.text;
    case TLayoutValue::vkSet:
        return u'[' + value.set.join(QStringLiteral(", ")) + u']';
    case TLayoutValue::vkBinary: {
        QString hex = QString::fromLatin1(value.bytes.toHex().toUpper());
        if (hex.size() <= 64)
            return u'{' + hex + u'}';
        QString pad(indent * 2, u' ');
        QString out = QStringLiteral("{");
        for (qsizetype i = 0; i < hex.size(); i += 64)
            out += u'\n' + pad + hex.mid(i, 64);
        return out + u'}';
    }
    }
    return QString();
}

QString Write(const TLayoutObject& root)
{
    QString out;
    WriteObject(out, root, 0);
    return out;
}

}
