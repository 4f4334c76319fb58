#pragma once
// Run-time type information for stored layouts, on Qt's meta-object system:
//
// - Published properties are the Q_PROPERTYs of the classes that declare
//   Q_CLASSINFO("Published", "true") themselves, base class first; Qt's own
//   widget properties are not published.
// - Q_CLASSINFO("Default:<Prop>", "<literal>") declares a default: the
//   property is stored only when its value differs. Without a declared
//   default a value is always stored, except an empty string, a missing
//   object reference or an unbound event.
// - Q_CLASSINFO("Stored:<Prop>", "<method>") names a Q_INVOKABLE bool
//   method that decides instead.
// - The class registry maps class names to factories; event binders turn a
//   form's method into a callback of an event property's type.

#include "framework/LayoutText.h"

#include <QMetaMethod>
#include <QMetaProperty>
#include <QVariant>
#include <functional>
#include <memory>
#include <type_traits>
#include <optional>
#include <vector>

#pragma GCC visibility push(default)

class TComponent;

namespace TypeInfo {

std::vector<QMetaProperty> PublishedProperties(const QMetaObject* meta);
std::optional<QMetaProperty> FindPublishedProperty(const QMetaObject* meta, const QString& name);
bool IsPublishingClass(const QMetaObject* meta);

// Whether the property's current value is written to a stored layout.
bool IsStored(const QObject* object, const QMetaProperty& property);
std::optional<TLayoutValue> DeclaredDefault(const QMetaObject* meta, const char* propertyName);

// The persistent sub-object or component a pointer-typed property holds.
bool IsObjectProperty(const QMetaProperty& property);
QObject* ReadObject(const QObject* object, const QMetaProperty& property);
// A value for an object property: the object (or none) as the pointer type
// the property declares.
QVariant ObjectVariant(const QMetaProperty& property, QObject* value);

// Conversion between stored values and property values. ToPropertyValue
// returns an invalid QVariant and sets error when the value does not fit.
QVariant ToPropertyValue(const QMetaProperty& property, const TLayoutValue& value, QString* error);
std::optional<TLayoutValue> FromPropertyValue(const QMetaProperty& property, const QVariant& value);

// Class registry.
using TComponentFactory = std::function<TComponent*(TComponent* owner)>;
void RegisterClass(const QMetaObject* meta, TComponentFactory factory);
template <typename T>
void RegisterClass()
{
    RegisterClass(&T::staticMetaObject, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
// A registered component class (what stored layouts may name).
const QMetaObject* FindClass(const QString& name);
TComponent* CreateComponent(const QString& className, TComponent* owner);

// Classes that are not components (value objects, collection items, lists)
// are registered with a factory of their own, so that a stored document can
// name them; a collection item is made outside any collection.
using TObjectFactory = std::function<QObject*()>;
void RegisterObjectClass(const QMetaObject* meta, TObjectFactory factory);
template <typename T>
void RegisterObjectClass()
{
    if constexpr (std::is_constructible_v<T>)
        RegisterObjectClass(&T::staticMetaObject, [] { return static_cast<QObject*>(new T()); });
    else
        RegisterObjectClass(&T::staticMetaObject, [] { return static_cast<QObject*>(new T(nullptr)); });
}
// A registered class of either kind.
const QMetaObject* FindAnyClass(const QString& name);
// Whether the class was registered as a component.
bool IsRegisteredComponent(const QMetaObject* meta);
// A new instance of a registered class (a component without owner), or
// none when the class is not registered.
std::unique_ptr<QObject> CreateInstance(const QMetaObject* meta);

// The name a class is known by in stored documents: its own
// Q_CLASSINFO("TypeName", ...) when it declares one (generic containers
// are named like "TList<System.string>"), otherwise its class name.
QString TypeName(const QMetaObject* meta);

// Event binders, per event type. A handler method takes the event's
// parameters, references as pointers; the binder is given only a method whose
// parameter types are exactly those (anything else would be invoked with
// arguments of the wrong types).
using TEventBinder = std::function<QVariant(QObject* target, const QMetaMethod& method)>;
void RegisterEventType(QMetaType type, std::vector<QMetaType> handlerParameters, TEventBinder binder);
template <typename Event, typename... HandlerParameters>
void RegisterEventType(std::function<Event(QObject*, const QMetaMethod&)> make)
{
    RegisterEventType(QMetaType::fromType<Event>(), {QMetaType::fromType<HandlerParameters>()...},
                      [make](QObject* target, const QMetaMethod& m) { return QVariant::fromValue(make(target, m)); });
}
bool IsEventType(QMetaType type);
// Whether method can handle the event: the same parameter count and types.
bool FitsEvent(QMetaType type, const QMetaMethod& method);
// The parameter list a handler of the event must have, as "(QObject*, int*)".
QString HandlerSignature(QMetaType type);
QVariant BindEvent(QMetaType type, QObject* target, const QMetaMethod& method);
// The dynamic property that records which method an event was bound to.
QByteArray EventBindingKey(const char* propertyName);

// Methods of a form found by name: the first with that name that fits the
// event, else the first with that name.
std::optional<QMetaMethod> FindMethod(const QObject* target, const QString& name, QMetaType eventType = QMetaType());

}

#pragma GCC visibility pop
