#pragma once
// Typed containers that can be published properties. Stored documents know
// them by the generic names they declare (Q_CLASSINFO "TypeName"): lists of
// strings, integers and doubles become arrays of values, object lists
// arrays of objects and dictionaries arrays of one-member objects.
//
// Object lists and dictionaries own their objects and admit one item class
// (and its descendants), given at construction.

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#pragma GCC visibility push(default)

class TStringGenericList : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TList<System.string>")
public:
    Q_INVOKABLE explicit TStringGenericList(QObject* parent = nullptr) : QObject(parent) {}
    QStringList Items;
};

class TIntegerGenericList : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TList<System.Integer>")
public:
    Q_INVOKABLE explicit TIntegerGenericList(QObject* parent = nullptr) : QObject(parent) {}
    QList<int> Items;
};

class TDoubleGenericList : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TList<System.Double>")
public:
    Q_INVOKABLE explicit TDoubleGenericList(QObject* parent = nullptr) : QObject(parent) {}
    QList<double> Items;
};

class TObjectGenericList : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TObjectList<System.TObject>")
public:
    explicit TObjectGenericList(const QMetaObject* itemClass, QObject* parent = nullptr);
    ~TObjectGenericList() override;

    const QMetaObject* ItemClass() const { return FItemClass; }
    int Count() const { return int(FItems.size()); }
    QObject* Items(int index) const { return FItems.at(size_t(index)).get(); }
    // Takes the item; an item of another class than ItemClass is refused
    // (returns false, the item is freed).
    bool Add(std::unique_ptr<QObject> item);
    void Clear() { FItems.clear(); }

private:
    const QMetaObject* FItemClass;
    std::vector<std::unique_ptr<QObject>> FItems;
};

class TObjectGenericDictionary : public QObject {
    Q_OBJECT
    Q_CLASSINFO("TypeName", "TObjectDictionary<System.string,System.TObject>")
public:
    explicit TObjectGenericDictionary(const QMetaObject* itemClass, QObject* parent = nullptr);
    ~TObjectGenericDictionary() override;

    const QMetaObject* ItemClass() const { return FItemClass; }
    int Count() const { return int(FPairs.size()); }
    // In the order the keys were first added.
    const QString& Keys(int index) const { return FPairs.at(size_t(index)).first; }
    QObject* Values(int index) const { return FPairs.at(size_t(index)).second.get(); }
    QObject* Find(const QString& key) const;
    // Adds or replaces the value of key; refuses a value of another class
    // than ItemClass as Add of the list does.
    bool AddOrSetValue(const QString& key, std::unique_ptr<QObject> value);
    void Clear()
    {
        FPairs.clear();
        FIndex.clear();
    }

private:
    const QMetaObject* FItemClass;
    std::vector<std::pair<QString, std::unique_ptr<QObject>>> FPairs;
    QHash<QString, size_t> FIndex;
};

#pragma GCC visibility pop
