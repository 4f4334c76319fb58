#pragma once
// Collects the text of a JSON document in memory and hands it to the target
// stream only when destroyed, so the target is untouched until then.

#include "persistence/KestJSONMethods.h"
#include <QByteArray>
#include <QString>
#include <QStringView>

#pragma GCC visibility push(default)

class TStream;

class TKestJSONStreamWriter : public TKestJSONMethods {
public:
    explicit TKestJSONStreamWriter(TStream& stream);
    // Copies the collected text to the target stream at its position.
    ~TKestJSONStreamWriter();
    TKestJSONStreamWriter(const TKestJSONStreamWriter&) = delete;
    TKestJSONStreamWriter& operator=(const TKestJSONStreamWriter&) = delete;

    // Appends text; characters outside ASCII are written as UTF-8.
    void Write(QStringView value);
    void Write(char c) { FWriteStream.append(c); }
    void Write(const char* text, qsizetype length) { FWriteStream.append(text, length); }
    // Appends the text in the JSON string escaping.
    void WriteEscaped(QStringView value);

    const QByteArray& Buffer() const { return FWriteStream; }

private:
    TStream& FStream;
    QByteArray FWriteStream;
};

#pragma GCC visibility pop
