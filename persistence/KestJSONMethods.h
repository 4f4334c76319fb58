#pragma once
// The persistence methods a class carries: each saves or loads the object
// itself through the settings API of object persistence.

#include "persistence/KestPersistenceTypes.h"

#include <QString>

#pragma GCC visibility push(default)

class QObject;
class TStream;

class TKestJSONMethods {
public:
    virtual ~TKestJSONMethods();

    QString ToJSON();
    // With the process-wide exclusion list replaced by excludedProperties
    // for the call (restored afterwards, also on failure).
    QString ToJSON(const TKestObjectExcludePropertyListArray& excludedProperties);
    // Without type members, with the object itself as the IO reference; the
    // settings it changes are restored afterwards, also on failure.
    void FromJSON(const QString& value);
    // Writes ToJSON to the debugger output.
    void Log();
    void SaveToJSONFile(const QString& fileName);
    void LoadFromJSONFile(const QString& fileName);
    void SaveToJSONStream(TStream& stream);
    void LoadFromJSONStream(TStream& stream);

    QString JSON() { return ToJSON(); }
    void SetJSON(const QString& value) { FromJSON(value); }

private:
    // The Qt object whose published properties are saved; none for a class
    // without published properties, which is saved as its type member alone.
    QObject* JSONObject();
    QString JSONClassName() const;
    void Save(TStream& stream);
    void Load(TStream& stream);
};

#pragma GCC visibility pop
