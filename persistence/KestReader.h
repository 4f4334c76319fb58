#pragma once
// Reads a JSON document written by TKestWriter into an existing object or
// into new objects made by class name.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestJSONReader.h"
#include "persistence/KestObjectReference.h"
#include "persistence/KestObjectIOSettings.h"
#include "persistence/KestPersistence.h"

#include <QObject>
#include <QPointer>
#include <memory>
#include <vector>

#pragma GCC visibility push(default)

class TKestReader : public QObject, public TKestJSONMethods, public TKestObjectIOSettings {
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
    void SetOnCustomReadProperty(TKestReaderCustomReadPropertyEvent value) { FOnCustomReadProperty = std::move(value); }
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
    TKestReaderCustomReadPropertyEvent FOnCustomReadProperty;
};

#pragma GCC visibility pop
