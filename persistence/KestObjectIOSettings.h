#pragma once
// What a writer and a reader share: the objects references are resolved
// against, the properties left out, and the hook that decides whether an
// object property is stored as a reference.

#include "persistence/KestPersistence.h"

#include <QObject>
#include <QPointer>

#pragma GCC visibility push(default)

class TKestObjectIOSettings {
public:
    // The setters also set the process-wide setting of the same name.
    QObject* IOReference() const { return FIOReference.data(); }
    void SetIOReference(QObject* value);
    QObject* RootObject() const { return FRootObject.data(); }
    void SetRootObject(QObject* value);
    const TKestExcludePropertyListArray& ExcludeProperties() const { return FExcludeProperties; }
    void SetExcludeProperties(const TKestExcludePropertyListArray& value);
    void SetOnCustomIsAssignableProperty(TKestWriterCustomIsAssignablePropertyEvent value)
    {
        FOnCustomIsAssignableProperty = std::move(value);
    }

protected:
    TKestObjectIOSettings() = default;
    ~TKestObjectIOSettings() = default;

    // The classifier's answer, as the hook amends it.
    bool IsAssignableProperty(QObject* object, const TKestPropInfo& info) const;

private:
    // Guarded: the settings read as none once the object is gone.
    QPointer<QObject> FIOReference;
    QPointer<QObject> FRootObject;
    TKestExcludePropertyListArray FExcludeProperties;
    TKestWriterCustomIsAssignablePropertyEvent FOnCustomIsAssignableProperty;
};

#pragma GCC visibility pop
