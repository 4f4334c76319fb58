#pragma once
// Object persistence: the class functions that classify classes and
// properties, make objects by class name, the process-wide settings and the
// settings API that saves and loads an object's published properties.
//
// The classification tests are virtual members of a classifier; the class
// functions ask the installed one, so a descendant can redefine a test.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestPersistenceTypes.h"

#include <QHash>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QPointer>

#pragma GCC visibility push(default)

class TStream;
class TStrings;

// What persistence knows of one published property, worked out once per class.
struct TKestPropInfo {
    QMetaProperty Property;
    QString Name;
    QString TypeName;
    TTypeKind Kind = tkUnknown;
    bool IsBoolean = false;
    bool IsColor = false;
    // A font's "Size", which the "IsFMX" member follows.
    bool IsFontSize = false;
    const QMetaObject* ClassType = nullptr;
};

// The published properties of a class, sorted by name in document order,
// with a case-insensitive lookup.
struct TKestClassProperties {
    std::vector<TKestPropInfo> Sorted;
    QHash<QString, int> ByName;      // lower-cased
    QHash<QString, int> ByExactName; // as declared: the usual case, no lower-casing
    const TKestPropInfo* Find(const QString& name) const;
};

// How a class-typed value is written and read.
enum class TKestClassForm {
    StringList,
    IntegerList,
    DoubleList,
    ObjectList,
    Dictionary,
    List,
    Collection,
    Picture,
    Strings,
    Object,
};

class TKestPersistence : public TKestJSONMethods {
public:
    virtual ~TKestPersistence();

    // ---- Classification (virtual, in the order descendants may redefine)
    virtual TTypeKind GetPropInfoType(const TKestPropInfo& propInfo) const;
    virtual QString GetPropInfoName(const TKestPropInfo& propInfo) const;
    virtual bool IsWriteOnly(const TKestPropInfo& propInfo) const;
    virtual bool IsReadOnly(const TKestPropInfo& propInfo) const;
    virtual bool IsAssignableProperty(QObject* object, const TKestPropInfo& propInfo) const;
    virtual bool IsColor(const QString& name) const;
    virtual bool IsStrokeKind(const QString& name) const;
    virtual bool IsFillKind(const QString& name) const;
    virtual bool IsDate(const QString& name) const;
    virtual bool IsDateTime(const QString& name) const;
    virtual bool IsTime(const QString& name) const;
    virtual bool IsGenericList(const QMetaObject* classType, const QString& type = QString()) const;
    virtual bool IsGenericDictionary(const QMetaObject* classType) const;
    virtual bool IsCollection(const QMetaObject* classType) const;
    virtual bool IsComponent(const QMetaObject* classType) const;
    virtual bool IsControl(const QMetaObject* classType) const;
    virtual bool IsList(const QMetaObject* classType) const;
    virtual bool IsDescendingClass(const QMetaObject* classType, const QStringList& classParentList) const;
    virtual bool IsBitmap(const QMetaObject* classType) const;
    virtual bool IsStrings(const QMetaObject* classType) const;

    // The classifier the class functions ask; Install replaces it (none
    // puts the default back).
    static const TKestPersistence& Classifier();
    static void Install(std::unique_ptr<TKestPersistence> classifier);

    // ---- Type information
    static const TKestClassProperties& ClassProperties(const QMetaObject* classType);
    static QString GetPropInfoTypeName(const TKestPropInfo& propInfo) { return propInfo.TypeName; }
    // The enumeration of an enumeration or set property (Boolean properties
    // have none: the result is not valid).
    static QMetaEnum GetPropInfoDataTypeInfo(const TKestPropInfo& propInfo);
    static const QMetaObject* GetPropInfoDataTypeInfoClassType(const TKestPropInfo& propInfo) { return propInfo.ClassType; }
    static QString GetEnumName(const QMetaEnum& typeInfo, int value);
    static void GetEnumValues(TStrings& values, const TKestPropInfo& propInfo);
    // The form of a class-typed value of this class (cached per class).
    static TKestClassForm ClassForm(const QMetaObject* classType);

    // A new object of the named class, which must inherit baseClass. With
    // no base class (or the root object class) only classes that are not
    // components can be made: a document cannot create forms or controls
    // through a property that does not ask for them.
    static std::unique_ptr<QObject> CreateObject(const QString& className, const QMetaObject* baseClass);

    // ---- Process-wide settings
    static QString TypeKey();
    static void SetTypeKey(const QString& value);
    // Guarded: they read as none once the object is destroyed.
    static QObject* IOReference();
    static void SetIOReference(QObject* value);
    static QObject* RootObject();
    static void SetRootObject(QObject* value);
    static TKestExcludePropertyListArray ExcludeProperties();
    static void SetExcludeProperties(const TKestExcludePropertyListArray& value);
    static TKestReaderCustomReadPropertyEvent& OnCustomReadProperty();
    static TKestWriterCustomWritePropertyEvent& OnCustomWriteProperty();
    // Back to the start-up settings.
    static void ResetSettings();

    // ---- Settings API
    static void SaveSettingsToFile(QObject* object, const QString& fileName);
    static void LoadSettingsFromFile(QObject* object, const QString& fileName);
    static void SaveSettingsToStream(QObject* object, TStream& stream);
    static void LoadSettingsFromStream(QObject* object, TStream& stream);
    // An object without published properties: its type member alone, and
    // on loading the document's members are checked and skipped.
    static void SaveBareToStream(const QString& className, TStream& stream);
    static void LoadBareFromStream(TStream& stream);
};

#pragma GCC visibility pop
