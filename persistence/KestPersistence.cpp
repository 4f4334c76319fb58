#include "persistence/KestPersistence.h"

#include "persistence/KestReader.h"
#include "persistence/KestWriter.h"

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Font.h"
#include "framework/Stream.h"
#include "framework/Strings.h"
#include "framework/TypeInfo.h"

#include <QWidget>
#include <algorithm>

namespace {

struct TSettings {
    QString typeKey = QStringLiteral("$type");
    QPointer<QObject> ioReference;
    QPointer<QObject> rootObject;
    TKestExcludePropertyListArray excludeProperties;
    TKestReaderCustomReadPropertyEvent onCustomReadProperty;
    TKestWriterCustomWritePropertyEvent onCustomWriteProperty;
};

TSettings& Settings()
{
    static TSettings settings;
    return settings;
}

std::unique_ptr<TKestPersistence>& InstalledClassifier()
{
    static std::unique_ptr<TKestPersistence> classifier = std::make_unique<TKestPersistence>();
    return classifier;
}

QHash<const QMetaObject*, TKestClassForm>& FormCache()
{
    static QHash<const QMetaObject*, TKestClassForm> cache;
    return cache;
}

// Document order: ASCII letters compared with the case bit cleared, a
// prefix before the longer name.
bool NameLess(const QString& a, const QString& b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if ((x >= 'a' && x <= 'z') || (x >= 'A' && x <= 'Z'))
            x &= ~0x20;
        if ((y >= 'a' && y <= 'z') || (y >= 'A' && y <= 'Z'))
            y &= ~0x20;
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

// The type name without namespace and pointer marks ("TColor", "TFont").
QString PlainTypeName(const char* typeName)
{
    QString name = QString::fromLatin1(typeName);
    if (name.endsWith(u'*'))
        name.chop(1);
    if (qsizetype colon = name.lastIndexOf(QLatin1String("::")); colon >= 0)
        name = name.mid(colon + 2);
    return name;
}

TTypeKind KindOf(const QMetaProperty& property, bool& isBoolean)
{
    const QMetaType type = property.metaType();
    if (TypeInfo::IsEventType(type))
        return tkMethod;
    if (property.isFlagType())
        return tkSet;
    if (property.isEnumType())
        return tkEnumeration;
    if (type == QMetaType::fromType<TColor>())
        return tkInteger;
    if (type.flags().testFlag(QMetaType::PointerToQObject))
        return tkClass;
    switch (type.id()) {
    case QMetaType::Bool:
        isBoolean = true;
        return tkEnumeration;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return tkInteger;
    case QMetaType::LongLong:
        return tkInt64;
    case QMetaType::Double:
    case QMetaType::Float:
        return tkFloat;
    case QMetaType::QString:
        return tkUString;
    case QMetaType::QChar:
        return tkWChar;
    default:
        return tkUnknown;
    }
}

TKestClassProperties BuildClassProperties(const QMetaObject* classType)
{
    TKestClassProperties result;
    const bool isFont = classType->inherits(&TFont::staticMetaObject);
    for (const QMetaProperty& property : TypeInfo::PublishedProperties(classType)) {
        TKestPropInfo info;
        info.Property = property;
        info.Name = QString::fromLatin1(property.name());
        info.TypeName = PlainTypeName(property.typeName());
        info.Kind = KindOf(property, info.IsBoolean);
        info.IsColor = info.Kind == tkInteger && TKestPersistence::Classifier().IsColor(info.TypeName);
        info.IsFontSize = isFont && info.Name == QLatin1String("Size");
        if (info.Kind == tkClass)
            info.ClassType = property.metaType().metaObject();
        result.Sorted.push_back(std::move(info));
    }
    std::stable_sort(result.Sorted.begin(), result.Sorted.end(),
                     [](const TKestPropInfo& a, const TKestPropInfo& b) { return NameLess(a.Name, b.Name); });
    for (int i = 0; i < int(result.Sorted.size()); ++i) {
        result.ByName.insert(result.Sorted[size_t(i)].Name.toLower(), i);
        result.ByExactName.insert(result.Sorted[size_t(i)].Name, i);
    }
    return result;
}

bool HasGenericPrefix(const QString& name, const char* first, const char* second)
{
    return name.startsWith(QLatin1String(first)) || name.startsWith(QLatin1String(second));
}

}

const TKestPropInfo* TKestClassProperties::Find(const QString& name) const
{
    if (auto exact = ByExactName.constFind(name); exact != ByExactName.constEnd())
        return &Sorted[size_t(*exact)];
    auto it = ByName.constFind(name.toLower());
    return it == ByName.constEnd() ? nullptr : &Sorted[size_t(*it)];
}

TKestPersistence::~TKestPersistence() = default;

TTypeKind TKestPersistence::GetPropInfoType(const TKestPropInfo& propInfo) const { return propInfo.Kind; }

QString TKestPersistence::GetPropInfoName(const TKestPropInfo& propInfo) const { return propInfo.Name; }

bool TKestPersistence::IsWriteOnly(const TKestPropInfo& propInfo) const { return !propInfo.Property.isReadable(); }

bool TKestPersistence::IsReadOnly(const TKestPropInfo& propInfo) const { return !propInfo.Property.isWritable(); }

bool TKestPersistence::IsAssignableProperty(QObject* object, const TKestPropInfo& propInfo) const
{
    if (GetPropInfoType(propInfo) != tkClass || IsWriteOnly(propInfo))
        return false;
    QObject* value = TypeInfo::ReadObject(object, propInfo.Property);
    return !value || AsComponent(value) || IsComponent(value->metaObject());
}

bool TKestPersistence::IsColor(const QString& name) const
{
    return name == QLatin1String("TAlphaColor") || name == QLatin1String("TColor") || name == QLatin1String("TGraphicsColor");
}

bool TKestPersistence::IsStrokeKind(const QString& name) const { return name == QLatin1String("TKestGraphicsStrokeKind"); }

bool TKestPersistence::IsFillKind(const QString& name) const { return name == QLatin1String("TKestGraphicsFillKind"); }

bool TKestPersistence::IsDate(const QString& name) const { return name == QLatin1String("TDate"); }

bool TKestPersistence::IsDateTime(const QString& name) const { return name == QLatin1String("TDateTime"); }

bool TKestPersistence::IsTime(const QString& name) const { return name == QLatin1String("TTime"); }

bool TKestPersistence::IsGenericList(const QMetaObject* classType, const QString& type) const
{
    const QString wanted = type.toLower();
    for (const QMetaObject* m = classType; m; m = m->superClass()) {
        const QString name = TypeInfo::TypeName(m);
        if (HasGenericPrefix(name, "TList<", "TObjectList<") && (wanted.isEmpty() || name.toLower().contains(wanted)))
            return true;
    }
    return false;
}

bool TKestPersistence::IsGenericDictionary(const QMetaObject* classType) const
{
    for (const QMetaObject* m = classType; m; m = m->superClass())
        if (HasGenericPrefix(TypeInfo::TypeName(m), "TDictionary<", "TObjectDictionary<"))
            return true;
    return false;
}

bool TKestPersistence::IsCollection(const QMetaObject* classType) const
{
    return IsDescendingClass(classType, {QStringLiteral("TCollection")});
}

bool TKestPersistence::IsComponent(const QMetaObject* classType) const
{
    // The component base is a mixin beside QObject, so the class chain does
    // not name it: registered components and widgets count as well.
    return IsDescendingClass(classType, {QStringLiteral("TComponent"), QStringLiteral("TKestCustomComponent")})
        || TypeInfo::IsRegisteredComponent(classType) || IsControl(classType);
}

bool TKestPersistence::IsControl(const QMetaObject* classType) const
{
    return IsDescendingClass(classType, {QStringLiteral("TControl")}) || classType->inherits(&QWidget::staticMetaObject);
}

bool TKestPersistence::IsList(const QMetaObject* classType) const
{
    return IsDescendingClass(classType, {QStringLiteral("TList")});
}

bool TKestPersistence::IsDescendingClass(const QMetaObject* classType, const QStringList& classParentList) const
{
    for (const QMetaObject* m = classType; m; m = m->superClass())
        if (classParentList.contains(TypeInfo::TypeName(m)))
            return true;
    return false;
}

bool TKestPersistence::IsBitmap(const QMetaObject* classType) const
{
    // The framework's graphic base counts too: picture items hold graphics.
    return IsDescendingClass(classType, {QStringLiteral("TBitmap"), QStringLiteral("TPicture"),
                                         QStringLiteral("TKestBitmap"), QStringLiteral("TGraphic")});
}

bool TKestPersistence::IsStrings(const QMetaObject* classType) const
{
    return IsDescendingClass(classType, {QStringLiteral("TStrings")});
}

const TKestPersistence& TKestPersistence::Classifier() { return *InstalledClassifier(); }

void TKestPersistence::Install(std::unique_ptr<TKestPersistence> classifier)
{
    InstalledClassifier() = classifier ? std::move(classifier) : std::make_unique<TKestPersistence>();
    FormCache().clear();
}

const TKestClassProperties& TKestPersistence::ClassProperties(const QMetaObject* classType)
{
    static QHash<const QMetaObject*, std::shared_ptr<const TKestClassProperties>> cache;
    auto it = cache.constFind(classType);
    if (it == cache.constEnd())
        it = cache.insert(classType, std::make_shared<const TKestClassProperties>(BuildClassProperties(classType)));
    return **it;
}

QMetaEnum TKestPersistence::GetPropInfoDataTypeInfo(const TKestPropInfo& propInfo)
{
    return propInfo.Kind == tkEnumeration || propInfo.Kind == tkSet ? propInfo.Property.enumerator() : QMetaEnum();
}

QString TKestPersistence::GetEnumName(const QMetaEnum& typeInfo, int value)
{
    const char* key = typeInfo.isValid() ? typeInfo.valueToKey(value) : nullptr;
    return key ? QString::fromLatin1(key) : QString();
}

void TKestPersistence::GetEnumValues(TStrings& values, const TKestPropInfo& propInfo)
{
    if (propInfo.IsBoolean) {
        values.Add(QStringLiteral("False"));
        values.Add(QStringLiteral("True"));
        return;
    }
    QMetaEnum e = GetPropInfoDataTypeInfo(propInfo);
    if (!e.isValid())
        return;
    std::vector<std::pair<int, QString>> keys;
    for (int i = 0; i < e.keyCount(); ++i)
        keys.emplace_back(e.value(i), QString::fromLatin1(e.key(i)));
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& key : keys)
        values.Add(key.second);
}

TKestClassForm TKestPersistence::ClassForm(const QMetaObject* classType)
{
    auto it = FormCache().constFind(classType);
    if (it != FormCache().constEnd())
        return *it;
    const TKestPersistence& c = Classifier();
    TKestClassForm form = TKestClassForm::Object;
    if (c.IsGenericList(classType)) {
        if (c.IsGenericList(classType, QStringLiteral("String")))
            form = TKestClassForm::StringList;
        else if (c.IsGenericList(classType, QStringLiteral("Integer")))
            form = TKestClassForm::IntegerList;
        else if (c.IsGenericList(classType, QStringLiteral("Double")))
            form = TKestClassForm::DoubleList;
        else
            form = TKestClassForm::ObjectList;
    } else if (c.IsGenericDictionary(classType)) {
        form = TKestClassForm::Dictionary;
    } else if (c.IsList(classType)) {
        form = TKestClassForm::List;
    } else if (c.IsCollection(classType)) {
        form = TKestClassForm::Collection;
    } else if (c.IsBitmap(classType)) {
        form = TKestClassForm::Picture;
    } else if (c.IsStrings(classType)) {
        form = TKestClassForm::Strings;
    }
    FormCache().insert(classType, form);
    return form;
}

std::unique_ptr<QObject> TKestPersistence::CreateObject(const QString& className, const QMetaObject* baseClass)
{
    // Documents name few classes many times: found names are kept as written.
    static QHash<QString, const QMetaObject*> found;
    const QMetaObject* meta = found.value(className);
    if (!meta && (meta = TypeInfo::FindAnyClass(className)))
        found.insert(className, meta);
    if (!meta)
        throw EKestReaderException(Exception::Format(QStringLiteral("Type \"%s\" not found"), className));
    const bool anyClass = !baseClass || baseClass == &QObject::staticMetaObject;
    if (!anyClass && !meta->inherits(baseClass))
        throw EKestReaderException(Exception::Format(QStringLiteral("Type \"%s\" does not inherit from %s"), className,
                                                     TypeInfo::TypeName(baseClass)));
    if (anyClass && Classifier().IsComponent(meta))
        throw EKestReaderException(Exception::Format(QStringLiteral("Type \"%s\" not supported"), className));
    std::unique_ptr<QObject> instance = TypeInfo::CreateInstance(meta);
    if (!instance)
        throw EKestReaderException(Exception::Format(QStringLiteral("Type \"%s\" not supported"), className));
    return instance;
}

QString TKestPersistence::TypeKey() { return Settings().typeKey; }

void TKestPersistence::SetTypeKey(const QString& value) { Settings().typeKey = value; }

QObject* TKestPersistence::IOReference() { return Settings().ioReference.data(); }

void TKestPersistence::SetIOReference(QObject* value) { Settings().ioReference = value; }

QObject* TKestPersistence::RootObject() { return Settings().rootObject.data(); }

void TKestPersistence::SetRootObject(QObject* value) { Settings().rootObject = value; }

TKestExcludePropertyListArray TKestPersistence::ExcludeProperties() { return Settings().excludeProperties; }

void TKestPersistence::SetExcludeProperties(const TKestExcludePropertyListArray& value)
{
    Settings().excludeProperties = value;
}

TKestReaderCustomReadPropertyEvent& TKestPersistence::OnCustomReadProperty() { return Settings().onCustomReadProperty; }

TKestWriterCustomWritePropertyEvent& TKestPersistence::OnCustomWriteProperty()
{
    return Settings().onCustomWriteProperty;
}

void TKestPersistence::ResetSettings() { Settings() = TSettings(); }

void TKestPersistence::SaveSettingsToFile(QObject* object, const QString& fileName)
{
    TMemoryStream memory;
    SaveSettingsToStream(object, memory);
    TFileStream file(fileName, QIODevice::WriteOnly | QIODevice::Truncate);
    file.WriteBuffer(memory.Bytes().constData(), memory.Bytes().size());
}

void TKestPersistence::LoadSettingsFromFile(QObject* object, const QString& fileName)
{
    TFileStream file(fileName, QIODevice::ReadOnly);
    TMemoryStream memory(file.ReadAll());
    LoadSettingsFromStream(object, memory);
}

void TKestPersistence::SaveSettingsToStream(QObject* object, TStream& stream)
{
    // Numbers are formatted with "." by the JSON writer itself: nothing
    // process-wide is changed, so a failure cannot leave it changed.
    TKestWriter writer(stream);
    writer.SetIOReference(IOReference());
    writer.SetRootObject(RootObject());
    writer.SetOnCustomWriteProperty([](QObject* o, const QString& name, TTypeKind kind, TKestJSONWriter& w, bool& can) {
        if (OnCustomWriteProperty())
            OnCustomWriteProperty()(o, name, kind, w, can);
    });
    writer.Write(object);
}

void TKestPersistence::LoadSettingsFromStream(QObject* object, TStream& stream)
{
    stream.SetPosition(0);
    TKestReader reader(stream);
    reader.SetIOReference(IOReference());
    reader.SetRootObject(RootObject());
    reader.SetOnCustomReadProperty([](QObject* o, const QString& name, TTypeKind kind, TKestJSONReader& r, bool& can) {
        if (OnCustomReadProperty())
            OnCustomReadProperty()(o, name, kind, r, can);
    });
    reader.Read(object);
}

void TKestPersistence::SaveBareToStream(const QString& className, TStream& stream)
{
    TKestJSONWriter writer(stream);
    writer.WriteBeginObject();
    if (!TypeKey().isEmpty())
        writer.WriteName(TypeKey()).WriteString(className);
    writer.WriteEndObject();
}

void TKestPersistence::LoadBareFromStream(TStream& stream)
{
    stream.SetPosition(0);
    TKestReader reader(stream);
    reader.ReadBare();
}
