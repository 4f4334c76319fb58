#pragma once
// A plain list of strings that can be a published property: stored
// documents write it as an array of strings and fill it in place.

#include "framework/Persistent.h"

#include <QObject>
#include <QStringList>

#pragma GCC visibility push(default)

class TStrings : public QObject, public TPersistent {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TStrings(QObject* parent = nullptr);
    ~TStrings() override;

    int Count() const { return int(FItems.size()); }
    // Raises "List index out of bounds (%d)" outside 0 .. Count - 1.
    const QString& Strings(int index) const;
    int Add(const QString& value);
    void Clear() { FItems.clear(); }
    const QStringList& Items() const { return FItems; }
    void SetItems(const QStringList& value) { FItems = value; }

    // From another string list: the strings are copied.
    void Assign(TPersistent* source) override;

private:
    QStringList FItems;
};

#pragma GCC visibility pop
