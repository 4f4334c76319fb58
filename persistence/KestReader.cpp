#include "persistence/KestReader.h"

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

#include <QMetaEnum>
#include <cmath>

namespace {

using EKindError = TKestJSONReader::EInvalidStateException;

int HexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    return -1;
}

// "#RRGGBB" in either letter case; a missing or short pair counts as 0.
TColor ParseColor(const QString& text)
{
    if (text == QLatin1String("gcNull"))
        return TColor(-1);
    if (text == QLatin1String("clNone"))
        return clNone;
    if (text == QLatin1String("clDefault"))
        return clDefault;
    auto invalid = [&] {
        return EKestReaderException(Exception::Format(QStringLiteral("Invalid color value \"%s\""), text));
    };
    if (text.isEmpty() || text[0] != u'#' || text.size() > 7)
        throw invalid();
    int channels[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const qsizetype first = 1 + 2 * i;
        if (first >= text.size())
            break;
        if (first + 1 >= text.size()) {
            if (HexValue(text[first]) < 0)
                throw invalid();
            break;
        }
        const int high = HexValue(text[first]);
        const int low = HexValue(text[first + 1]);
        if (high < 0 || low < 0)
            throw invalid();
        channels[i] = 16 * high + low;
    }
    return RGB(channels[0], channels[1], channels[2]);
}

QVariant EnumVariant(QMetaType type, qint64 value)
{
    QVariant result(type);
    void* data = result.data();
    switch (type.sizeOf()) {
    case 1:
        *static_cast<qint8*>(data) = qint8(value);
        break;
    case 2:
        *static_cast<qint16*>(data) = qint16(value);
        break;
    case 8:
        *static_cast<qint64*>(data) = value;
        break;
    default:
        *static_cast<qint32*>(data) = qint32(value);
        break;
    }
    return result;
}

// Every bit some member of the set type stands for.
qint64 SetMask(const QMetaEnum& e)
{
    qint64 mask = 0;
    for (int i = 0; i < e.keyCount(); ++i)
        mask |= quint32(e.value(i));
    return mask;
}

}

TKestReader::TKestReader(TStream& stream) : FReader(std::make_unique<TKestJSONReader>(stream)) {}

TKestReader::~TKestReader() = default;

std::unique_ptr<QObject> TKestReader::Read(const QMetaObject* classType) { return ReadNewObject(classType); }

void TKestReader::Read(QObject* object)
{
    if (!object) {
        FReader->ReadNull();
        return;
    }
    const TKestClassForm form = TKestPersistence::ClassForm(object->metaObject());
    if (form != TKestClassForm::Object) {
        if (!FillContainer(object, form))
            FReader->SkipValue();
        return;
    }
    FReader->ReadBeginObject();
    ReadTypeMember();
    ReadProperties(object);
    FReader->ReadEndObject();
}

void TKestReader::ReadBare()
{
    FReader->ReadBeginObject();
    ReadTypeMember();
    ReadProperties(nullptr);
    FReader->ReadEndObject();
}

TKestObjectArray TKestReader::ReadArray(const QString& name)
{
    TKestObjectArray result;
    FReader->ReadBeginObject();
    while (FReader->HasNext()) {
        if (FReader->ReadName() != name || FReader->IsNull()) {
            FReader->SkipValue();
            continue;
        }
        result.clear();
        FReader->ReadBeginArray();
        while (FReader->HasNext()) {
            if (FReader->IsNull()) {
                FReader->ReadNull();
                continue;
            }
            if (auto object = ReadNewObject(nullptr))
                result.push_back(std::move(object));
        }
        FReader->ReadEndArray();
    }
    FReader->ReadEndObject();
    return result;
}

void TKestReader::SolveReferences()
{
    auto* resolver = dynamic_cast<IKestObjectResolver*>(IOReference());
    if (!resolver)
        return;
    for (const auto& reference : FReferences) {
        if (!reference->Instance)
            continue;
        QObject* found = resolver->FindByReferenceId(reference->Id);
        const QMetaObject* classType = reference->Prop.ClassType;
        if (found && classType && !found->metaObject()->inherits(classType))
            continue;
        SetValue(reference->Instance.data(), reference->Prop, TypeInfo::ObjectVariant(reference->Prop.Property, found));
    }
}

QString TKestReader::ReadTypeMember()
{
    const QString typeKey = TKestPersistence::TypeKey();
    if (typeKey.isEmpty())
        return QString();
    if (!FReader->HasNext() || FReader->PeekName() != typeKey)
        throw EKestReaderException(u'"' + typeKey + QStringLiteral("\" property not found in Object descriptor."));
    FReader->ReadName();
    return FReader->ReadString();
}

std::unique_ptr<QObject> TKestReader::ReadNewObject(const QMetaObject* baseClass)
{
    FReader->ReadBeginObject();
    QString className = ReadTypeMember();
    if (className.isEmpty())
        className = TypeInfo::TypeName(baseClass ? baseClass : &QObject::staticMetaObject);
    std::unique_ptr<QObject> instance = NewInstance(className, baseClass);
    ReadProperties(instance.get());
    FReader->ReadEndObject();
    return instance;
}

std::unique_ptr<QObject> TKestReader::NewInstance(const QString& className, const QMetaObject* baseClass)
{
    if (auto* factory = dynamic_cast<IKestObjectFactory*>(IOReference()))
        return factory->CreateInstance(className, baseClass);
    if (auto* resolver = dynamic_cast<IKestObjectResolver*>(IOReference()))
        return resolver->CreateInstance(className, baseClass);
    // An IO reference that makes no objects (the object itself, in
    // FromJSON) leaves the making to the class registry, so that lists and
    // collections still get their items.
    return TKestPersistence::CreateObject(className, baseClass);
}

void TKestReader::ReadProperties(QObject* object)
{
    const TKestClassProperties* properties =
        object ? &TKestPersistence::ClassProperties(object->metaObject()) : nullptr;
    auto* filter = dynamic_cast<IKestPropertyFilter*>(object);
    const TKestExcludePropertyListArray excluded = TKestPersistence::ExcludeProperties();
    while (FReader->HasNext()) {
        const QString name = FReader->ReadName();
        const TKestPropInfo* info = properties ? properties->Find(name) : nullptr;
        if (!info) {
            FReader->SkipValue();
            continue;
        }
        const bool wanted = filter ? filter->CanLoadProperty(object, info->Name, info->Kind)
                                   : excluded.isEmpty() || TKestUtils::IndexOfTextInArray(info->Name, excluded) < 0;
        if (!wanted) {
            FReader->SkipValue();
            continue;
        }
        bool canRead = true;
        if (FOnCustomReadProperty)
            FOnCustomReadProperty(object, info->Name, info->Kind, *FReader, canRead);
        if (!canRead)
            continue;
        ReadProperty(object, *info);
        if (info->IsFontSize)
            ReadFontSizeUnit(object, *info);
    }
}

void TKestReader::ReadFontSizeUnit(QObject* font, const TKestPropInfo& info)
{
    if (!FReader->HasNext() || FReader->PeekName() != QLatin1String("IsFMX"))
        return;
    FReader->ReadName();
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    if (!FReader->ReadBoolean() || !info.Property.isWritable())
        return;
    // The size was given in 1/96 inch.
    const double size = info.Property.read(font).toDouble();
    SetValue(font, info, QVariant(int(std::nearbyint(size / 96.0 * 72.0))));
}

void TKestReader::SetValue(QObject* object, const TKestPropInfo& info, const QVariant& value)
{
    if (!TKestPersistence::Classifier().IsReadOnly(info))
        info.Property.write(object, value);
}

void TKestReader::ReadProperty(QObject* object, const TKestPropInfo& info)
{
    if (info.Kind == tkClass) {
        ReadClassProperty(object, info);
        return;
    }
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    switch (info.Kind) {
    case tkInteger:
        if (info.IsColor) {
            SetValue(object, info, QVariant::fromValue(ParseColor(FReader->ReadString())));
        } else if (info.Property.metaType().id() == QMetaType::UInt) {
            const qint64 value = FReader->ReadInt64();
            if (value < 0 || value > qint64(UINT32_MAX))
                throw EKindError(TKestJSONReader::jstNumber);
            SetValue(object, info, QVariant(uint(value)));
        } else {
            SetValue(object, info, QVariant(FReader->ReadInteger()));
        }
        break;
    case tkInt64:
        SetValue(object, info, QVariant(qlonglong(FReader->ReadInt64())));
        break;
    case tkEnumeration:
        if (info.IsBoolean) {
            SetValue(object, info, QVariant(FReader->ReadBoolean()));
        } else {
            // Only a value the type names: any other would be read past
            // the tables that name or draw the values.
            const int value = FReader->ReadInteger();
            if (!info.Property.enumerator().valueToKey(value))
                throw EKindError(TKestJSONReader::jstNumber);
            SetValue(object, info, EnumVariant(info.Property.metaType(), value));
        }
        break;
    case tkSet: {
        const qint64 value = FReader->ReadInt64();
        if (value < 0 || (value & ~SetMask(info.Property.enumerator())) != 0)
            throw EKindError(TKestJSONReader::jstNumber);
        SetValue(object, info, EnumVariant(info.Property.metaType(), value));
        break;
    }
    case tkFloat:
        SetValue(object, info, QVariant(FReader->ReadDouble()));
        break;
    case tkUString:
    case tkWChar:
        SetValue(object, info, QVariant(FReader->ReadString()));
        break;
    case tkMethod:
        ReadEvent(object, info);
        break;
    default:
        FReader->ReadNull();
        break;
    }
}

void TKestReader::ReadEvent(QObject* object, const TKestPropInfo& info)
{
    QObject* root = TKestPersistence::RootObject();
    if (!root) {
        FReader->ReadNull();
        return;
    }
    const QString name = FReader->ReadString();
    const QMetaType type = info.Property.metaType();
    const QByteArray key = TypeInfo::EventBindingKey(info.Property.name());
    std::optional<QMetaMethod> method = TypeInfo::FindMethod(root, name, type);
    if (method && TypeInfo::FitsEvent(type, *method)) {
        SetValue(object, info, TypeInfo::BindEvent(type, root, *method));
        object->setProperty(key.constData(), name);
    } else {
        SetValue(object, info, QVariant(type));
        object->setProperty(key.constData(), QVariant());
    }
}

void TKestReader::ReadClassProperty(QObject* object, const TKestPropInfo& info)
{
    const TKestClassForm form = TKestPersistence::ClassForm(info.ClassType);
    QObject* current = TypeInfo::ReadObject(object, info.Property);
    if (form != TKestClassForm::Object) {
        if (!current || !FillContainer(current, form))
            FReader->SkipValue();
        return;
    }
    if (auto* resolver = dynamic_cast<IKestObjectResolver*>(IOReference());
        resolver && resolver->IsReferenceClass(info.ClassType)) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            SetValue(object, info, TypeInfo::ObjectVariant(info.Property, nullptr));
        } else {
            FReferences.push_back(std::make_unique<TKestObjectReference>(object, info, FReader->ReadString()));
        }
        return;
    }
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    const bool assignable = IsAssignableProperty(object, info);
    if (assignable) {
        const QString name = FReader->ReadString();
        TComponent* root = RootObject() ? AsComponent(RootObject()) : nullptr;
        if (!root)
            return;
        TComponent* found = root->FindComponent(name);
        QObject* target = found ? found->Object() : nullptr;
        if (target && !target->metaObject()->inherits(info.ClassType))
            target = nullptr;
        SetValue(object, info, TypeInfo::ObjectVariant(info.Property, target));
        return;
    }
    if (!current) {
        FReader->ReadNull();
        return;
    }
    Read(current);
}

const QMetaObject* TKestReader::ItemClassOf(QObject* container, const QMetaObject* own) const
{
    if (auto* provider = dynamic_cast<IKestItemClassProvider*>(container))
        return provider->GetItemClass();
    return own;
}

bool TKestReader::FillContainer(QObject* container, TKestClassForm form)
{
    if (form == TKestClassForm::Picture) {
        FillPicture(container);
        return true;
    }
    auto values = [this](auto&& add) {
        FReader->ReadBeginArray();
        while (FReader->HasNext()) {
            if (FReader->IsNull())
                FReader->ReadNull();
            else
                add();
        }
        FReader->ReadEndArray();
        return true;
    };
    switch (form) {
    case TKestClassForm::StringList:
        if (auto* list = dynamic_cast<TStringGenericList*>(container)) {
            list->Items.clear();
            return values([&] { list->Items.append(FReader->ReadString()); });
        }
        return false;
    case TKestClassForm::IntegerList:
        if (auto* list = dynamic_cast<TIntegerGenericList*>(container)) {
            list->Items.clear();
            return values([&] { list->Items.append(FReader->ReadInteger()); });
        }
        return false;
    case TKestClassForm::DoubleList:
        if (auto* list = dynamic_cast<TDoubleGenericList*>(container)) {
            list->Items.clear();
            return values([&] { list->Items.append(FReader->ReadDouble()); });
        }
        return false;
    case TKestClassForm::Strings:
        if (auto* strings = dynamic_cast<TStrings*>(container)) {
            strings->Clear();
            return values([&] { strings->Add(FReader->ReadString()); });
        }
        return false;
    case TKestClassForm::ObjectList:
    case TKestClassForm::List:
        if (auto* list = dynamic_cast<TObjectGenericList*>(container)) {
            list->Clear();
            FillObjects(container, ItemClassOf(container, list->ItemClass()),
                        [list](std::unique_ptr<QObject> item) { list->Add(std::move(item)); });
            return true;
        }
        return false;
    case TKestClassForm::Dictionary:
        if (auto* dictionary = dynamic_cast<TObjectGenericDictionary*>(container)) {
            dictionary->Clear();
            const QMetaObject* itemClass = ItemClassOf(container, dictionary->ItemClass());
            values([&] {
                FReader->ReadBeginObject();
                while (FReader->HasNext()) {
                    // Names come as they stand between the quotes.
                    const QString key = TKestUtils::UnescapeString(FReader->ReadName());
                    if (FReader->IsNull()) {
                        FReader->ReadNull();
                        continue;
                    }
                    if (auto value = ReadNewObject(itemClass))
                        dictionary->AddOrSetValue(key, std::move(value));
                }
                FReader->ReadEndObject();
            });
            return true;
        }
        return false;
    case TKestClassForm::Collection:
        if (dynamic_cast<TCollection*>(container)) {
            FillCollection(container);
            return true;
        }
        return false;
    default:
        return false;
    }
}

void TKestReader::FillObjects(QObject* container, const QMetaObject* itemClass,
                              const std::function<void(std::unique_ptr<QObject>)>& add)
{
    auto* resolver = dynamic_cast<IKestObjectResolver*>(IOReference());
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            continue;
        }
        std::unique_ptr<QObject> item = ReadNewObject(itemClass);
        if (!item)
            continue;
        if (resolver)
            resolver->ItemRead(item.get(), container);
        add(std::move(item));
    }
    FReader->ReadEndArray();
}

void TKestReader::FillCollection(QObject* container)
{
    auto* collection = dynamic_cast<TCollection*>(container);
    auto* factory = dynamic_cast<IKestCollectionItemFactory*>(container);
    const QMetaObject* itemClass = ItemClassOf(container, collection->GetItemClass().Meta);
    collection->BeginUpdate();
    struct TEndUpdate {
        TCollection* collection;
        ~TEndUpdate() { collection->EndUpdate(); }
    } endUpdate{collection};
    collection->Clear();
    FReader->ReadBeginArray();
    while (FReader->HasNext()) {
        if (FReader->IsNull()) {
            FReader->ReadNull();
            continue;
        }
        std::unique_ptr<QObject> read = ReadNewObject(itemClass);
        auto* persistent = dynamic_cast<TPersistent*>(read.get());
        if (!persistent)
            continue;
        TCollectionItem* item = factory ? factory->AddItemFor(read.get()) : collection->Add();
        if (item)
            item->Assign(persistent);
    }
    FReader->ReadEndArray();
}

void TKestReader::FillPicture(QObject* picture)
{
    if (FReader->IsNull()) {
        FReader->ReadNull();
        return;
    }
    const QString text = FReader->ReadString();
    if (text.isEmpty())
        return;
    TMemoryStream stream;
    TKestUtils::LoadStreamFromHexStr(text, stream);
    stream.SetPosition(0);
    if (auto* holder = dynamic_cast<TPicture*>(picture))
        holder->LoadFromStream(stream);
    else if (auto* graphic = dynamic_cast<TGraphic*>(picture))
        graphic->LoadFromStream(stream);
}
