#include "persistence/KestJSONMethods.h"

#include "persistence/KestPersistence.h"

#include "framework/Stream.h"
#include "utils/KestUtils.h"

#include <QObject>

namespace {

// Puts a process-wide setting back when the call ends, however it ends.
template <typename Value>
class TSettingRestorer {
public:
    TSettingRestorer(Value (*get)(), void (*set)(const Value&)) : FSet(set), FSaved(get()) {}
    ~TSettingRestorer() { FSet(FSaved); }
    TSettingRestorer(const TSettingRestorer&) = delete;
    TSettingRestorer& operator=(const TSettingRestorer&) = delete;

private:
    void (*FSet)(const Value&);
    Value FSaved;
};

class TIOReferenceRestorer {
public:
    TIOReferenceRestorer() : FSaved(TKestPersistence::IOReference()) {}
    ~TIOReferenceRestorer() { TKestPersistence::SetIOReference(FSaved.data()); }
    TIOReferenceRestorer(const TIOReferenceRestorer&) = delete;
    TIOReferenceRestorer& operator=(const TIOReferenceRestorer&) = delete;

private:
    QPointer<QObject> FSaved;
};

QString StreamText(const TMemoryStream& stream) { return QString::fromUtf8(stream.Bytes()); }

}

TKestJSONMethods::~TKestJSONMethods() = default;

QObject* TKestJSONMethods::JSONObject() { return dynamic_cast<QObject*>(this); }

QString TKestJSONMethods::ToJSON()
{
    TMemoryStream stream;
    TKestPersistence::SaveSettingsToStream(JSONObject(), stream);
    return StreamText(stream);
}

QString TKestJSONMethods::ToJSON(const TKestObjectExcludePropertyListArray& excludedProperties)
{
    TSettingRestorer<TKestExcludePropertyListArray> restore(&TKestPersistence::ExcludeProperties,
                                                            &TKestPersistence::SetExcludeProperties);
    TKestPersistence::SetExcludeProperties(excludedProperties);
    return ToJSON();
}

void TKestJSONMethods::FromJSON(const QString& value)
{
    TSettingRestorer<QString> restoreTypeKey(&TKestPersistence::TypeKey, &TKestPersistence::SetTypeKey);
    TIOReferenceRestorer restoreIOReference;
    TMemoryStream stream(value.toUtf8());
    TKestPersistence::SetTypeKey(QString());
    TKestPersistence::SetIOReference(JSONObject());
    TKestPersistence::LoadSettingsFromStream(JSONObject(), stream);
}

void TKestJSONMethods::Log() { TKestUtils::Log(ToJSON()); }

void TKestJSONMethods::SaveToJSONFile(const QString& fileName)
{
    TKestPersistence::SaveSettingsToFile(JSONObject(), fileName);
}

void TKestJSONMethods::LoadFromJSONFile(const QString& fileName)
{
    TKestPersistence::LoadSettingsFromFile(JSONObject(), fileName);
}

void TKestJSONMethods::SaveToJSONStream(TStream& stream) { TKestPersistence::SaveSettingsToStream(JSONObject(), stream); }

void TKestJSONMethods::LoadFromJSONStream(TStream& stream)
{
    TKestPersistence::LoadSettingsFromStream(JSONObject(), stream);
}
