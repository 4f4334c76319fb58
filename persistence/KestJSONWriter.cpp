#include "persistence/KestJSONWriter.h"

#include "utils/DotNumbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

using namespace KestJSON;

TKestJSONWriter::TKestJSONWriter(TStream& stream)
    : FWriter(std::make_unique<TKestJSONStreamWriter>(stream)), FSeparator(":")
{
    Push(scEmptyDocument);
}

TKestJSONWriter::~TKestJSONWriter() = default;

TScope TKestJSONWriter::Top() const
{
    if (FStackSize == 0)
        throw EEmptyJson();
    return TScope(FStack[size_t(FStackSize - 1)]);
}

void TKestJSONWriter::SetTop(TScope scope)
{
    if (FStackSize == 0)
        throw EEmptyJson();
    FStack[size_t(FStackSize - 1)] = scope;
}

void TKestJSONWriter::Push(TScope scope)
{
    if (FStackSize >= MaxStackSize)
        throw ETooManyDepthLevels();
    FStack[size_t(FStackSize++)] = scope;
}

void TKestJSONWriter::NewLine()
{
    if (FIndent.isEmpty())
        return;
    FWriter->Write("\r\n", 2);
    for (int i = 1; i < FStackSize; ++i)
        FWriter->Write(FIndent.constData(), FIndent.size());
}

void TKestJSONWriter::CheckValue(bool container) const
{
    TScope top = Top();
    if (!FDeferredName.isEmpty()) {
        if (top != scNonEmptyObject && top != scEmptyObject)
            throw ECannotWriteName();
        top = scDanglingName;
    }
    switch (top) {
    case scEmptyDocument:
        if (!container)
            throw EObjectOrArrayExpected();
        break;
    case scNonEmptyDocument:
        throw EMultipleRootNotAllowed();
    case scEmptyObject:
    case scNonEmptyObject:
        throw EInvalidNesting();
    default:
        break;
    }
    if (container && FStackSize >= MaxStackSize)
        throw ETooManyDepthLevels();
}

void TKestJSONWriter::FlushName()
{
    if (FDeferredName.isEmpty())
        return;
    if (Top() == scNonEmptyObject)
        FWriter->Write(',');
    NewLine();
    SetTop(scDanglingName);
    FWriter->Write('"');
    FWriter->WriteEscaped(FDeferredName);
    FWriter->Write('"');
    FDeferredName.clear();
}

void TKestJSONWriter::BeginValue(bool container)
{
    CheckValue(container);
    FlushName();
    switch (Top()) {
    case scEmptyDocument:
        SetTop(scNonEmptyDocument);
        break;
    case scEmptyArray:
        SetTop(scNonEmptyArray);
        NewLine();
        break;
    case scNonEmptyArray:
        FWriter->Write(',');
        NewLine();
        break;
    case scDanglingName:
        FWriter->Write(FSeparator.constData(), FSeparator.size());
        SetTop(scNonEmptyObject);
        break;
    default:
        break;
    }
}

TKestJSONWriter& TKestJSONWriter::WriteBeginObject()
{
    BeginValue(true);
    Push(scEmptyObject);
    FWriter->Write('{');
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteBeginArray()
{
    BeginValue(true);
    Push(scEmptyArray);
    FWriter->Write('[');
    return *this;
}

TKestJSONWriter& TKestJSONWriter::EndContainer(TScope empty, TScope nonEmpty, char bracket)
{
    TScope top = Top();
    if (top != empty && top != nonEmpty)
        throw EInvalidNesting();
    if (!FDeferredName.isEmpty())
        throw EMissingValue();
    --FStackSize;
    if (top == nonEmpty)
        NewLine();
    FWriter->Write(bracket);
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteEndObject() { return EndContainer(scEmptyObject, scNonEmptyObject, '}'); }

TKestJSONWriter& TKestJSONWriter::WriteEndArray() { return EndContainer(scEmptyArray, scNonEmptyArray, ']'); }

TKestJSONWriter& TKestJSONWriter::WriteName(const QString& name)
{
    if (name.isEmpty())
        throw EEmptyName();
    if (!FDeferredName.isEmpty())
        throw EMissingValue();
    Top();
    FDeferredName = name;
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteString(const QString& value)
{
    BeginValue(false);
    FWriter->Write('"');
    FWriter->WriteEscaped(value);
    FWriter->Write('"');
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteRawString(const QString& value)
{
    BeginValue(false);
    FWriter->Write('"');
    FWriter->Write(QStringView(value));
    FWriter->Write('"');
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteBoolean(bool value)
{
    BeginValue(false);
    if (value)
        FWriter->Write("true", 4);
    else
        FWriter->Write("false", 5);
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteNull()
{
    BeginValue(false);
    FWriter->Write("null", 4);
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteInteger(qint64 value)
{
    BeginValue(false);
    char buf[24];
    auto r = std::to_chars(buf, buf + sizeof buf, value);
    FWriter->Write(buf, r.ptr - buf);
    return *this;
}

TKestJSONWriter& TKestJSONWriter::WriteDouble(double value)
{
    if (!std::isfinite(value))
        throw EInvalidNumber();
    BeginValue(false);
    char text[KestDot::MaxDoubleText];
    FWriter->Write(text, KestDot::FormatDouble(value, text));
    return *this;
}

QByteArray TKestJSONWriter::FormatDouble(double value)
{
    char text[KestDot::MaxDoubleText];
    return QByteArray(text, KestDot::FormatDouble(value, text));
}

void TKestJSONWriter::Close()
{
    if (FStackSize > 1 || (FStackSize == 1 && Top() == scEmptyDocument))
        throw EInvalidNesting();
    // A name given after the root would otherwise be dropped unnoticed.
    if (!FDeferredName.isEmpty())
        throw EMissingValue();
    FClosed = true;
}

void TKestJSONWriter::SetIndentLength(int value)
{
    if (value > 0) {
        FIndent = QByteArray(value, ' ');
        FSeparator = ": ";
    } else {
        FIndent.clear();
        FSeparator = ":";
    }
}
