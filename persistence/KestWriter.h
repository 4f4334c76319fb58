#pragma once
// Writes an object's published properties, and the objects and containers
// they hold, as one JSON document.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestJSONWriter.h"
#include "persistence/KestObjectIOSettings.h"
#include "persistence/KestPersistence.h"

#include <QObject>
#include <QPointer>
#include <memory>

#pragma GCC visibility push(default)

class TKestWriter : public QObject, public TKestJSONMethods, public TKestObjectIOSettings {
    Q_OBJECT
public:
    // The JSON writer on the stream (indentation off); its text reaches the
    // stream when this writer is destroyed.
    explicit TKestWriter(TStream& stream);
    ~TKestWriter() override;

    // The value: null for none, a container's array, a picture's text, a
    // reference id, or the object with its type member and properties.
    void Write(QObject* object);
    // An object whose single member holds the objects as an array.
    void WriteArray(const QString& name, const std::vector<QObject*>& array);

    TKestJSONWriter& JSONWriter() { return *FWriter; }
    void SetOnCustomWriteProperty(TKestWriterCustomWritePropertyEvent value) { FOnCustomWriteProperty = std::move(value); }

private:
    void WriteObject(QObject* object);
    void WriteProperties(QObject* object);
    void WriteProperty(QObject* object, const TKestPropInfo& info);
    void WriteClassProperty(QObject* object, const TKestPropInfo& info);
    void WriteEvent(QObject* object, const TKestPropInfo& info);
    void WritePicture(QObject* picture);
    bool WriteContainer(QObject* value, TKestClassForm form);

    std::unique_ptr<TKestJSONWriter> FWriter;
    TKestWriterCustomWritePropertyEvent FOnCustomWriteProperty;
};

#pragma GCC visibility pop
