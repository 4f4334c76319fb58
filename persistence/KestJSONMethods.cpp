#include "persistence/KestJSONMethods.h"

#include "persistence/KestPersistence.h"

#include "framework/Stream.h"
#include "utils/KestUtils.h"

#include <QObject>
#include <QPointer>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

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

QString TKestJSONMethods::JSONClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled.get() : mangled);
    // Without namespaces and template arguments: "TGPMatrix", not
    // "KestGDIPlusClasses::TGPMatrix"; "TEnumerator" for the enumerator of
    // a typed collection.
    QString plain;
    int depth = 0;
    for (QChar c : name) {
        if (c == u'<')
            ++depth;
        else if (c == u'>')
            --depth;
        else if (depth == 0)
            plain += c;
    }
    if (qsizetype colon = plain.lastIndexOf(QLatin1String("::")); colon >= 0)
        plain = plain.mid(colon + 2);
    return plain;
}

void TKestJSONMethods::Save(TStream& stream)
{
    if (QObject* object = JSONObject())
        TKestPersistence::SaveSettingsToStream(object, stream);
    else
        TKestPersistence::SaveBareToStream(JSONClassName(), stream);
}

void TKestJSONMethods::Load(TStream& stream)
{
    if (QObject* object = JSONObject())
        TKestPersistence::LoadSettingsFromStream(object, stream);
    else
        TKestPersistence::LoadBareFromStream(stream);
}

QString TKestJSONMethods::ToJSON()
{
    TMemoryStream stream;
    Save(stream);
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
    Load(stream);
}

void TKestJSONMethods::Log() { TKestUtils::Log(ToJSON()); }

void TKestJSONMethods::SaveToJSONFile(const QString& fileName)
{
    TMemoryStream memory;
    Save(memory);
    TFileStream file(fileName, QIODevice::WriteOnly | QIODevice::Truncate);
    file.WriteBuffer(memory.Bytes().constData(), memory.Bytes().size());
}

void TKestJSONMethods::LoadFromJSONFile(const QString& fileName)
{
    TFileStream file(fileName, QIODevice::ReadOnly);
    TMemoryStream memory(file.ReadAll());
    Load(memory);
}

void TKestJSONMethods::SaveToJSONStream(TStream& stream) { Save(stream); }

void TKestJSONMethods::LoadFromJSONStream(TStream& stream) { Load(stream); }
