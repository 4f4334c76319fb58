#include "framework/GenericContainers.h"

namespace {

bool Admits(const QMetaObject* itemClass, const QObject* item)
{
    return item && (!itemClass || item->metaObject()->inherits(itemClass));
}

}

TObjectGenericList::TObjectGenericList(const QMetaObject* itemClass, QObject* parent)
    : QObject(parent), FItemClass(itemClass)
{
}

TObjectGenericList::~TObjectGenericList() = default;

bool TObjectGenericList::Add(std::unique_ptr<QObject> item)
{
    if (!Admits(FItemClass, item.get()))
        return false;
    FItems.push_back(std::move(item));
    return true;
}

TObjectGenericDictionary::TObjectGenericDictionary(const QMetaObject* itemClass, QObject* parent)
    : QObject(parent), FItemClass(itemClass)
{
}

TObjectGenericDictionary::~TObjectGenericDictionary() = default;

QObject* TObjectGenericDictionary::Find(const QString& key) const
{
    auto it = FIndex.constFind(key);
    return it == FIndex.constEnd() ? nullptr : FPairs[*it].second.get();
}

bool TObjectGenericDictionary::AddOrSetValue(const QString& key, std::unique_ptr<QObject> value)
{
    if (!Admits(FItemClass, value.get()))
        return false;
    if (auto it = FIndex.constFind(key); it != FIndex.constEnd()) {
        FPairs[*it].second = std::move(value);
        return true;
    }
    FIndex.insert(key, FPairs.size());
    FPairs.emplace_back(key, std::move(value));
    return true;
}
