#include "persistence/KestObjectIOSettings.h"

void TKestObjectIOSettings::SetIOReference(QObject* value)
{
    FIOReference = value;
    TKestPersistence::SetIOReference(value);
}

void TKestObjectIOSettings::SetRootObject(QObject* value)
{
    FRootObject = value;
    TKestPersistence::SetRootObject(value);
}

void TKestObjectIOSettings::SetExcludeProperties(const TKestExcludePropertyListArray& value)
{
    FExcludeProperties = value;
    TKestPersistence::SetExcludeProperties(value);
}

bool TKestObjectIOSettings::IsAssignableProperty(QObject* object, const TKestPropInfo& info) const
{
    bool assignable = TKestPersistence::Classifier().IsAssignableProperty(object, info);
    if (FOnCustomIsAssignableProperty)
        FOnCustomIsAssignableProperty(object, info.Name, assignable);
    return assignable;
}
