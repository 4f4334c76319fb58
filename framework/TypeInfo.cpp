#include "framework/TypeInfo.h"

#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Events.h"
#include "framework/Persistent.h"

#include <QHash>
#include <QMetaEnum>
#include <QPointer>

namespace TypeInfo {

namespace {

struct EventType {
    std::vector<QMetaType> handlerParameters;
    TEventBinder binder;
};

struct Registry {
    QHash<QString, std::pair<const QMetaObject*, TComponentFactory>> classes;
    QHash<QString, std::pair<const QMetaObject*, TObjectFactory>> objectClasses;
    QHash<int, EventType> events;
};

Registry& Reg()
{
    static Registry r;
    return r;
}

bool IsColorType(QMetaType t) { return t == QMetaType::fromType<TColor>(); }

}

bool IsPublishingClass(const QMetaObject* meta)
{
    // Class information is inherited; only the class's own counts.
    for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i)
        if (qstrcmp(meta->classInfo(i).name(), "Published") == 0)
            return qstrcmp(meta->classInfo(i).value(), "true") == 0;
    return false;
}

std::vector<QMetaProperty> PublishedProperties(const QMetaObject* meta)
{
    std::vector<const QMetaObject*> chain;
    for (const QMetaObject* m = meta; m; m = m->superClass())
        if (IsPublishingClass(m))
            chain.push_back(m);
    std::vector<QMetaProperty> result;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const QMetaObject* m = *it;
        for (int i = m->propertyOffset(); i < m->propertyCount(); ++i)
            result.push_back(m->property(i));
    }
    return result;
}

std::optional<QMetaProperty> FindPublishedProperty(const QMetaObject* meta, const QString& name)
{
    for (const QMetaProperty& p : PublishedProperties(meta))
        if (name.compare(QLatin1String(p.name()), Qt::CaseInsensitive) == 0)
            return p;
    return std::nullopt;
}

std::optional<TLayoutValue> DeclaredDefault(const QMetaObject* meta, const char* propertyName)
{
    QByteArray key = QByteArray("Default:") + propertyName;
    int index = meta->indexOfClassInfo(key.constData());
    if (index < 0)
        return std::nullopt;
    return LayoutText::ParseValue(QString::fromUtf8(meta->classInfo(index).value()));
}

bool IsObjectProperty(const QMetaProperty& property)
{
    return property.metaType().flags().testFlag(QMetaType::PointerToQObject);
}

QObject* ReadObject(const QObject* object, const QMetaProperty& property)
{
    return property.read(object).value<QObject*>();
}

QVariant ObjectVariant(const QMetaProperty& property, QObject* value)
{
    // The Qt object is the first base of every published class, so the
    // pointer needs no adjustment.
    return QVariant(property.metaType(), &value);
}

bool IsStored(const QObject* object, const QMetaProperty& property)
{
    if (!property.isStored() || !property.isWritable())
        return false;
    const QMetaObject* meta = object->metaObject();
    QByteArray storedKey = QByteArray("Stored:") + property.name();
    if (int index = meta->indexOfClassInfo(storedKey.constData()); index >= 0) {
        bool stored = true;
        QByteArray method = meta->classInfo(index).value();
        QMetaObject::invokeMethod(const_cast<QObject*>(object), method.constData(), Qt::DirectConnection,
                                  Q_RETURN_ARG(bool, stored));
        if (!stored)
            return false;
    }
    QVariant value = property.read(object);
    if (IsEventType(property.metaType()))
        return object->property(EventBindingKey(property.name()).constData()).isValid();
    if (IsObjectProperty(property))
        return value.value<QObject*>() != nullptr;
    if (auto def = DeclaredDefault(meta, property.name())) {
        QString error;
        QVariant defValue = ToPropertyValue(property, *def, &error);
        Q_ASSERT_X(defValue.isValid(), property.name(), qPrintable(error));
        return !(defValue == value);
    }
    if (property.metaType().id() == QMetaType::QString)
        return !value.toString().isEmpty();
    return true;
}

QVariant ToPropertyValue(const QMetaProperty& property, const TLayoutValue& value, QString* error)
{
    const QMetaType type = property.metaType();
    auto fail = [&](const QString& what) {
        if (error)
            *error = what;
        return QVariant();
    };
    auto wrongKind = [&] {
        return fail(QStringLiteral("invalid value for property \"%1\"").arg(QLatin1String(property.name())));
    };

    if (property.isFlagType()) {
        if (value.kind != TLayoutValue::vkSet)
            return wrongKind();
        QMetaEnum e = property.enumerator();
        int bits = 0;
        for (const QString& m : value.set) {
            bool ok = false;
            int v = e.keyToValue(m.toLatin1().constData(), &ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a member of %2").arg(m, QLatin1String(e.name())));
            bits |= v;
        }
        return QVariant(type, &bits);
    }
    if (property.isEnumType()) {
        QMetaEnum e = property.enumerator();
        int v = 0;
        if (value.kind == TLayoutValue::vkIdent) {
            bool ok = false;
            v = e.keyToValue(value.text.toLatin1().constData(), &ok);
            if (!ok)
                return fail(QStringLiteral("\"%1\" is not a value of %2").arg(value.text, QLatin1String(e.name())));
        } else if (value.kind == TLayoutValue::vkInteger) {
            // Only a value the type names: any other integer in an enum
            // variable is undefined behaviour wherever it is switched on.
            if (value.integer < INT32_MIN || value.integer > INT32_MAX || !e.valueToKey(int(value.integer)))
                return fail(QStringLiteral("%1 is not a value of %2").arg(value.integer).arg(QLatin1String(e.name())));
            v = int(value.integer);
        } else {
            return wrongKind();
        }
        return QVariant(type, &v);
    }
    if (IsColorType(type)) {
        if (value.kind == TLayoutValue::vkIdent) {
            auto c = IdentToColor(value.text);
            if (!c)
                return fail(QStringLiteral("\"%1\" is not a colour").arg(value.text));
            return QVariant::fromValue(*c);
        }
        if (value.kind == TLayoutValue::vkInteger && value.integer >= INT32_MIN && value.integer <= UINT32_MAX)
            return QVariant::fromValue(TColor(qint32(quint32(value.integer))));
        return wrongKind();
    }
    switch (type.id()) {
    case QMetaType::Bool:
        if (value.kind == TLayoutValue::vkIdent) {
            if (value.text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
                return QVariant(true);
            if (value.text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
                return QVariant(false);
        }
        return wrongKind();
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
        if (value.kind != TLayoutValue::vkInteger || value.integer < INT32_MIN || value.integer > INT32_MAX)
            return wrongKind();
        return QVariant(int(value.integer));
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
        if (value.kind != TLayoutValue::vkInteger || value.integer < 0 || value.integer > UINT32_MAX)
            return wrongKind();
        return QVariant(uint(value.integer));
    case QMetaType::LongLong:
        if (value.kind != TLayoutValue::vkInteger)
            return wrongKind();
        return QVariant(qlonglong(value.integer));
    case QMetaType::Double:
    case QMetaType::Float:
        if (value.kind == TLayoutValue::vkFloat)
            return QVariant(value.number);
        if (value.kind == TLayoutValue::vkInteger)
            return QVariant(double(value.integer));
        return wrongKind();
    case QMetaType::QString:
        if (value.kind != TLayoutValue::vkString)
            return wrongKind();
        return QVariant(value.text);
    default:
        return fail(QStringLiteral("property \"%1\" cannot be stored").arg(QLatin1String(property.name())));
    }
}

std::optional<TLayoutValue> FromPropertyValue(const QMetaProperty& property, const QVariant& value)
{
    const QMetaType type = property.metaType();
    if (property.isFlagType()) {
        QMetaEnum e = property.enumerator();
        int bits = *static_cast<const int*>(value.constData());
        QStringList members;
        for (int i = 0; i < e.keyCount(); ++i)
            if (e.value(i) != 0 && (bits & e.value(i)) == e.value(i))
                members << QString::fromLatin1(e.key(i));
        return TLayoutValue::Set(members);
    }
    if (property.isEnumType()) {
        QMetaEnum e = property.enumerator();
        int v = *static_cast<const int*>(value.constData());
        if (const char* key = e.valueToKey(v))
            return TLayoutValue::Ident(QString::fromLatin1(key));
        return TLayoutValue::Integer(v);
    }
    if (IsColorType(type)) {
        TColor c = value.value<TColor>();
        if (auto ident = ColorToIdent(c))
            return TLayoutValue::Ident(*ident);
        return TLayoutValue::Integer(qint64(quint32(c.Value)), true);
    }
    switch (type.id()) {
    case QMetaType::Bool:
        return TLayoutValue::Ident(value.toBool() ? QStringLiteral("true") : QStringLiteral("false"));
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::LongLong:
        return TLayoutValue::Integer(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return TLayoutValue::Float(value.toDouble());
    case QMetaType::QString:
        return TLayoutValue::String(value.toString());
    default:
        return std::nullopt;
    }
}

void RegisterClass(const QMetaObject* meta, TComponentFactory factory)
{
    Reg().classes.insert(QString::fromLatin1(meta->className()).toLower(), {meta, std::move(factory)});
}

const QMetaObject* FindClass(const QString& name)
{
    auto it = Reg().classes.constFind(name.toLower());
    return it == Reg().classes.constEnd() ? nullptr : it->first;
}

const QMetaObject* FindAnyClass(const QString& name)
{
    if (const QMetaObject* component = FindClass(name))
        return component;
    auto object = Reg().objectClasses.constFind(name.toLower());
    return object == Reg().objectClasses.constEnd() ? nullptr : object->first;
}

void RegisterObjectClass(const QMetaObject* meta, TObjectFactory factory)
{
    Reg().objectClasses.insert(TypeName(meta).toLower(), {meta, std::move(factory)});
}

bool IsRegisteredComponent(const QMetaObject* meta)
{
    auto it = Reg().classes.constFind(QString::fromLatin1(meta->className()).toLower());
    return it != Reg().classes.constEnd() && it->first == meta;
}

std::unique_ptr<QObject> CreateInstance(const QMetaObject* meta)
{
    const QString key = TypeName(meta).toLower();
    if (auto it = Reg().classes.constFind(key); it != Reg().classes.constEnd() && it->first == meta) {
        TComponent* component = it->second(nullptr);
        return std::unique_ptr<QObject>(component ? component->Object() : nullptr);
    }
    if (auto it = Reg().objectClasses.constFind(key); it != Reg().objectClasses.constEnd() && it->first == meta)
        return std::unique_ptr<QObject>(it->second());
    return nullptr;
}

QString TypeName(const QMetaObject* meta)
{
    for (int i = meta->classInfoOffset(); i < meta->classInfoCount(); ++i)
        if (qstrcmp(meta->classInfo(i).name(), "TypeName") == 0)
            return QString::fromLatin1(meta->classInfo(i).value());
    return QString::fromLatin1(meta->className());
}

TComponent* CreateComponent(const QString& className, TComponent* owner)
{
    auto it = Reg().classes.constFind(className.toLower());
    return it == Reg().classes.constEnd() ? nullptr : it->second(owner);
}

void RegisterEventType(QMetaType type, std::vector<QMetaType> handlerParameters, TEventBinder binder)
{
    Reg().events.insert(type.id(), {std::move(handlerParameters), std::move(binder)});
}

bool IsEventType(QMetaType type) { return Reg().events.contains(type.id()); }

namespace {

// A parameter of a type moc could not see whole (a pointer to a class only
// declared) has no meta type of its own; its normalized name decides.
bool SameParameter(const QMetaMethod& method, int index, QMetaType expected)
{
    QMetaType actual = method.parameterMetaType(index);
    if (actual.isValid())
        return actual == expected;
    return method.parameterTypes().value(index) == QMetaObject::normalizedType(expected.name());
}

}

bool FitsEvent(QMetaType type, const QMetaMethod& method)
{
    auto it = Reg().events.constFind(type.id());
    if (it == Reg().events.constEnd())
        return false;
    const std::vector<QMetaType>& expected = it->handlerParameters;
    if (method.parameterCount() != int(expected.size()))
        return false;
    for (int i = 0; i < method.parameterCount(); ++i)
        if (!SameParameter(method, i, expected[size_t(i)]))
            return false;
    return true;
}

QString HandlerSignature(QMetaType type)
{
    QStringList names;
    auto it = Reg().events.constFind(type.id());
    if (it != Reg().events.constEnd())
        for (QMetaType p : it->handlerParameters)
            names << QString::fromLatin1(p.name());
    return u'(' + names.join(QStringLiteral(", ")) + u')';
}

QVariant BindEvent(QMetaType type, QObject* target, const QMetaMethod& method)
{
    if (!FitsEvent(type, method))
        return QVariant();
    return Reg().events.value(type.id()).binder(target, method);
}

QByteArray EventBindingKey(const char* propertyName) { return QByteArray("_kest_event_") + propertyName; }

std::optional<QMetaMethod> FindMethod(const QObject* target, const QString& name, QMetaType eventType)
{
    const QMetaObject* meta = target->metaObject();
    std::optional<QMetaMethod> first;
    for (int i = 0; i < meta->methodCount(); ++i) {
        QMetaMethod m = meta->method(i);
        if (QLatin1String(m.name()) != name)
            continue;
        if (eventType.isValid() && FitsEvent(eventType, m))
            return m;
        if (!first)
            first = m;
    }
    return first;
}

}
