#pragma once
// A property that waits for a referenced object: the reader collects one
// per reference id and SolveReferences sets them.

#include "persistence/KestJSONMethods.h"
#include "persistence/KestPersistence.h"

#include <QObject>
#include <QPointer>

#pragma GCC visibility push(default)

class TKestObjectReference : public QObject, public TKestJSONMethods {
    Q_OBJECT
public:
    TKestObjectReference(QObject* instance, const TKestPropInfo& prop, const QString& id)
        : Instance(instance), Prop(prop), Id(id)
    {
    }

    // Guarded: none once the instance is destroyed (a failed read frees
    // the objects it made).
    QPointer<QObject> Instance;
    TKestPropInfo Prop;
    QString Id;
};

#pragma GCC visibility pop
