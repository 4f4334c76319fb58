#include "persistence/KestWriter.h"

#include "framework/Collection.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/GenericContainers.h"
#include "framework/Graphic.h"
#include "framework/Picture.h"
#include "framework/Stream.h"
#include "framework/Strings.h"
#include "framework/TypeInfo.h"
#include "utils/KestUtils.h"

#include <charconv>
#include <cstdlib>

namespace {

// The value of an enumeration or set variable, whatever its size.
qint64 EnumValue(const QVariant& value)
{
    switch (value.metaType().sizeOf()) {
    case 1:
        return *static_cast<const qint8*>(value.constData());
    case 2:
        return *static_cast<const qint16*>(value.constData());
    case 8:
        return *static_cast<const qint64*>(value.constData());
    default:
        return *static_cast<const qint32*>(value.constData());
    }
}

QString ColorText(TColor color)
{
    // Values without RGB keep their names so that they read back as
    // themselves ("#FFFFFF" would turn "no colour" into white).
    if (color.Value == -1)
        return QStringLiteral("gcNull");
    if (color == clNone)
        return QStringLiteral("clNone");
    if (color == clDefault)
        return QStringLiteral("clDefault");
    const TColor rgb = ColorToRGB(color);
    static const char digits[] = "0123456789ABCDEF";
    QString text(7, u'#');
    const int channels[3] = {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
    for (int i = 0; i < 3; ++i) {
        text[1 + 2 * i] = QLatin1Char(digits[channels[i] >> 4]);
        text[2 + 2 * i] = QLatin1Char(digits[channels[i] & 15]);
    }
    return text;
}

// A float as the double its shortest text stands for (0.1f is written
// "0.1", not "0.100000001490116").
double FloatAsDouble(float value)
{
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer - 1, value);
    *result.ptr = '\0';
    return std::strtod(buffer, nullptr);
}

}

TKestWriter::TKestWriter(TStream& stream) : FWriter(std::make_unique<TKestJSONWriter>(stream)) {}

TKestWriter::~TKestWriter() = default;

void TKestWriter::Write(QObject* object)
{
    if (!object) {
        FWriter->WriteNull();
        return;
    }
    const TKestClassForm form = TKestPersistence::ClassForm(object->metaObject());
    if (form != TKestClassForm::Object) {
        if (!WriteContainer(object, form))
            FWriter->WriteNull();
        return;
    }
    if (auto* resolver = dynamic_cast<IKestObjectResolver*>(IOReference());
        resolver && resolver->IsReferenceClass(object->metaObject())) {
        FWriter->WriteString(resolver->GetReferenceId(object));
        return;
    }
    WriteObject(object);
}

void TKestWriter::WriteArray(const QString& name, const std::vector<QObject*>& array)
{
    FWriter->WriteBeginObject();
    FWriter->WriteName(name);
    FWriter->WriteBeginArray();
    for (QObject* object : array) {
        if (object)
            WriteObject(object);
        else
            FWriter->WriteNull();
    }
    FWriter->WriteEndArray();
    FWriter->WriteEndObject();
}

bool TKestWriter::WriteContainer(QObject* value, TKestClassForm form)
{
    auto array = [this](auto&& body) {
        FWriter->WriteBeginArray();
        body();
        FWriter->WriteEndArray();
        return true;
    };
    auto item = [this](QObject* object) {
        if (object)
            WriteObject(object);
        else
            FWriter->WriteNull();
    };
    switch (form) {
    case TKestClassForm::StringList:
        if (auto* list = dynamic_cast<TStringGenericList*>(value))
            return array([&] {
                for (const QString& s : list->Items)
                    FWriter->WriteString(s);
            });
        return false;
    case TKestClassForm::IntegerList:
        if (auto* list = dynamic_cast<TIntegerGenericList*>(value))
            return array([&] {
                for (int v : list->Items)
                    FWriter->WriteInteger(v);
            });
        return false;
    case TKestClassForm::DoubleList:
        if (auto* list = dynamic_cast<TDoubleGenericList*>(value))
            return array([&] {
                for (double v : list->Items)
                    FWriter->WriteDouble(v);
            });
        return false;
    case TKestClassForm::ObjectList:
    case TKestClassForm::List:
        if (auto* list = dynamic_cast<TObjectGenericList*>(value))
            return array([&] {
                for (int i = 0; i < list->Count(); ++i)
                    item(list->Items(i));
            });
        return false;
    case TKestClassForm::Dictionary:
        if (auto* dictionary = dynamic_cast<TObjectGenericDictionary*>(value))
            return array([&] {
                for (int i = 0; i < dictionary->Count(); ++i) {
                    FWriter->WriteBeginObject();
                    FWriter->WriteName(dictionary->Keys(i));
                    item(dictionary->Values(i));
                    FWriter->WriteEndObject();
                }
            });
        return false;
    case TKestClassForm::Collection:
        if (auto* collection = dynamic_cast<TCollection*>(value))
            return array([&] {
                for (int i = 0; i < collection->Count(); ++i)
                    item(collection->Items(i));
            });
        return false;
    case TKestClassForm::Picture:
        WritePicture(value);
        return true;
    case TKestClassForm::Strings:
        if (auto* strings = dynamic_cast<TStrings*>(value))
            return array([&] {
                for (const QString& s : strings->Items())
                    FWriter->WriteString(s);
            });
        return false;
    case TKestClassForm::Object:
        break;
    }
    return false;
}

void TKestWriter::WritePicture(QObject* picture)
{
    TMemoryStream stream;
    if (auto* holder = dynamic_cast<TPicture*>(picture)) {
        if (holder->Graphic() && !holder->Graphic()->Empty())
            holder->SaveToStream(stream);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(picture); graphic && !graphic->Empty()) {
        graphic->SaveToStream(stream);
    }
    if (stream.Size() == 0) {
        FWriter->WriteString(QString());
        return;
    }
    stream.SetPosition(0);
    FWriter->WriteString(TKestUtils::SaveStreamToHexStr(stream));
}

void TKestWriter::WriteObject(QObject* object)
{
    FWriter->WriteBeginObject();
    const QString typeKey = TKestPersistence::TypeKey();
    if (!typeKey.isEmpty()) {
        FWriter->WriteName(typeKey);
        FWriter->WriteString(TypeInfo::TypeName(object->metaObject()));
    }
    WriteProperties(object);
    FWriter->WriteEndObject();
}

void TKestWriter::WriteProperties(QObject* object)
{
    const TKestClassProperties& properties = TKestPersistence::ClassProperties(object->metaObject());
    auto* filter = dynamic_cast<IKestPropertyFilter*>(object);
    const TKestExcludePropertyListArray excluded = TKestPersistence::ExcludeProperties();
    for (const TKestPropInfo& info : properties.Sorted) {
        if (filter) {
            if (!filter->CanSaveProperty(object, info.Name, info.Kind))
                continue;
        } else if (!excluded.isEmpty() && TKestUtils::IndexOfTextInArray(info.Name, excluded) >= 0) {
            continue;
        }
        bool canWrite = true;
        if (FOnCustomWriteProperty)
            FOnCustomWriteProperty(object, info.Name, info.Kind, *FWriter, canWrite);
        if (!canWrite)
            continue;
        FWriter->WriteName(info.Name);
        WriteProperty(object, info);
        if (info.IsFontSize) {
            FWriter->WriteName(QStringLiteral("IsFMX"));
            FWriter->WriteBoolean(false);
        }
    }
}

void TKestWriter::WriteProperty(QObject* object, const TKestPropInfo& info)
{
    if (TKestPersistence::Classifier().IsWriteOnly(info)) {
        FWriter->WriteNull();
        return;
    }
    switch (info.Kind) {
    case tkClass:
        WriteClassProperty(object, info);
        return;
    case tkMethod:
        WriteEvent(object, info);
        return;
    case tkUnknown:
        FWriter->WriteNull();
        return;
    default:
        break;
    }
    const QVariant value = info.Property.read(object);
    switch (info.Kind) {
    case tkInteger:
        if (info.IsColor)
            FWriter->WriteString(ColorText(value.value<TColor>()));
        else
            FWriter->WriteInteger(value.toLongLong());
        break;
    case tkInt64:
        FWriter->WriteInteger(value.toLongLong());
        break;
    case tkEnumeration:
        if (info.IsBoolean)
            FWriter->WriteBoolean(value.toBool());
        else
            FWriter->WriteInteger(EnumValue(value));
        break;
    case tkSet:
        FWriter->WriteInteger(EnumValue(value));
        break;
    case tkFloat:
        if (value.metaType().id() == QMetaType::Float)
            FWriter->WriteDouble(FloatAsDouble(value.toFloat()));
        else
            FWriter->WriteDouble(value.toDouble());
        break;
    case tkUString:
    case tkWChar:
        FWriter->WriteString(value.toString());
        break;
    default:
        FWriter->WriteNull();
        break;
    }
}

void TKestWriter::WriteClassProperty(QObject* object, const TKestPropInfo& info)
{
    QObject* value = TypeInfo::ReadObject(object, info.Property);
    const bool assignable = IsAssignableProperty(object, info);
    if (!assignable) {
        Write(value);
        return;
    }
    TComponent* component = value ? AsComponent(value) : nullptr;
    FWriter->WriteString(component ? component->Name() : value ? value->objectName() : QString());
}

void TKestWriter::WriteEvent(QObject* object, const TKestPropInfo& info)
{
    // The handler's method is known by the name it was bound under.
    QObject* root = TKestPersistence::RootObject();
    const QVariant bound = object->property(TypeInfo::EventBindingKey(info.Property.name()).constData());
    if (root && bound.isValid()) {
        const QString name = bound.toString();
        if (TypeInfo::FindMethod(root, name, info.Property.metaType())) {
            FWriter->WriteString(name);
            return;
        }
    }
    FWriter->WriteNull();
}
