#pragma once
// Reads a JSON document written by TKestWriter into an existing object or
// into new objects made by class name.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestJSONReader.h"
#include "persistence/KestObjectReference.h"
#include "persistence/KestPersistence.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TKestReader : public QObject, public TKestJSONMethods {
    Q_OBJECT
public:
    explicit TKestReader(TStream& stream);
    ~TKestReader() override;

    // A new object in the document form; its class must inherit classType.
    std::unique_ptr<QObject> Read(const QMetaObject* classType);
    // Into the existing object, by its kind (a container is filled, any
    // other object takes the properties of the document).
    void Read(QObject* object);
    // An object in the document form whose members are all skipped (the
    // document of an object without published properties).
    void ReadBare();
    // The objects of the member name of the document's object.
    TKestObjectArray ReadArray(const QString& name);
    // Sets the properties that wait for referenced objects.
    void SolveReferences();

    TKestJSONReader& JSONReader() { return *FReader; }
    QObject* IOReference() const { return FIOReference.data(); }
    void SetIOReference(QObject* value);
    QObject* RootObject() const { return FRootObject.data(); }
    void SetRootObject(QObject* value);
    const TKestExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TKestExcludePropertyListArray& value);
    void SetOnCustomReadProperty(TKestReaderCustomReadPropertyEvent value) { FOnCustomReadProperty = std::move(value); }
    void SetOnCustomIsAssignableProperty(TKestWriterCustomIsAssignablePropertyEvent value)
    {
        FOnCustomIsAssignableProperty = std::move(value);
    }
    const std::vector<std::unique_ptr<TKestObjectReference>>& References() const { return FReferences; }

private:
    std::unique_ptr<QObject> ReadNewObject(const QMetaObject* baseClass);
    std::unique_ptr<QObject> NewInstance(const QString& className, const QMetaObject* baseClass);
    QString ReadTypeMember();
    void ReadProperties(QObject* object);
    void ReadProperty(QObject* object, const TKestPropInfo& info);
    void ReadClassProperty(QObject* object, const TKestPropInfo& info);
    void ReadEvent(QObject* object, const TKestPropInfo& info);
    void ReadFontSizeUnit(QObject* font, const TKestPropInfo& info);
    bool FillContainer(QObject* container, TKestClassForm form);
    void FillObjects(QObject* container, const QMetaObject* itemClass,
                     const std::function<void(std::unique_ptr<QObject>)>& add);
    void FillCollection(QObject* container);
    void FillPicture(QObject* picture);
    const QMetaObject* ItemClassOf(QObject* container, const QMetaObject* own) const;
    void SetValue(QObject* object, const TKestPropInfo& info, const QVariant& value);

    std::vector<std::unique_ptr<TKestObjectReference>> FReferences;
    std::unique_ptr<TKestJSONReader> FReader;
    QPointer<QObject> FIOReference;
    TKestReaderCustomReadPropertyEvent FOnCustomReadProperty;
    QPointer<QObject> FRootObject;
    TKestExcludePropertyListArray FExcludeProperties;
    TKestWriterCustomIsAssignablePropertyEvent FOnCustomIsAssignableProperty;
};

#pragma GCC visibility pop
