#pragma once
// The vocabulary of object persistence: property kinds, the exclusion and
// object arrays, the per-property hooks, the interfaces an object or the IO
// reference may implement, and the reader's exception.

#include "framework/Exception.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TCollectionItem;
class TKestJSONReader;
class TKestJSONWriter;

// The kinds of published properties, as the type information reports them.
enum TTypeKind {
    tkUnknown,
    tkInteger,
    tkChar,
    tkEnumeration,
    tkFloat,
    tkString,
    tkSet,
    tkClass,
    tkMethod,
    tkWChar,
    tkLString,
    tkWString,
    tkVariant,
    tkArray,
    tkRecord,
    tkInterface,
    tkInt64,
    tkDynArray,
    tkUString,
    tkClassRef,
    tkPointer,
    tkProcedure,
};

using TKestExcludePropertyListArray = QStringList;
using TKestObjectExcludePropertyListArray = QStringList;
using TKestObjectArray = std::vector<std::unique_ptr<QObject>>;

using TKestWriterCustomWritePropertyEvent = std::function<void(
    QObject* object, const QString& propertyName, TTypeKind propertyKind, TKestJSONWriter& writer, bool& canWrite)>;
using TKestReaderCustomReadPropertyEvent = std::function<void(
    QObject* object, const QString& propertyName, TTypeKind propertyKind, TKestJSONReader& reader, bool& canRead)>;
using TKestWriterCustomIsAssignablePropertyEvent =
    std::function<void(QObject* object, const QString& propertyName, bool& isAssignable)>;

KEST_DECLARE_EXCEPTION(EKestReaderException, Exception)

// Implemented by an object that decides itself which of its properties are
// saved and loaded (the exclusion list is then not consulted).
class IKestPropertyFilter {
public:
    virtual ~IKestPropertyFilter() = default;
    virtual bool CanSaveProperty(QObject* object, const QString& propertyName, TTypeKind propertyKind) = 0;
    virtual bool CanLoadProperty(QObject* object, const QString& propertyName, TTypeKind propertyKind) = 0;
};

// Implemented by the IO reference object: makes objects by class name and
// stores objects of some classes as reference ids.
class IKestObjectResolver {
public:
    virtual ~IKestObjectResolver() = default;
    virtual std::unique_ptr<QObject> CreateInstance(const QString& className, const QMetaObject* baseClass) = 0;
    virtual bool IsReferenceClass(const QMetaObject* classType) = 0;
    virtual QString GetReferenceId(QObject* object) = 0;
    virtual QObject* FindByReferenceId(const QString& id) = 0;
    // Told after an item was read into a list.
    virtual void ItemRead(QObject* item, QObject* list) = 0;
};

// Implemented by the IO reference object: makes objects by class name.
class IKestObjectFactory {
public:
    virtual ~IKestObjectFactory() = default;
    virtual std::unique_ptr<QObject> CreateInstance(const QString& className, const QMetaObject* baseClass) = 0;
};

// Implemented by a list, collection or dictionary: the class of its items.
class IKestItemClassProvider {
public:
    virtual ~IKestItemClassProvider() = default;
    virtual const QMetaObject* GetItemClass() const = 0;
};

// Implemented by a collection: adds the item that takes the values of an
// object just read.
class IKestCollectionItemFactory {
public:
    virtual ~IKestCollectionItemFactory() = default;
    virtual TCollectionItem* AddItemFor(QObject* read) = 0;
};

#pragma GCC visibility pop
