#pragma once
// Writes and reads an object's stored binary property "Data" the way a
// stored layout does, so that tests see the exact stored bytes.

#include "framework/Filer.h"
#include "framework/Persistent.h"
#include "framework/Stream.h"

#include <QByteArray>

namespace StoredData {

class TDataFiler : public TFiler {
public:
    TDataFiler(QByteArray* bytes, bool writing) : FBytes(bytes), FWriting(writing) {}
    void DefineProperty(const QString&, const TReaderProc&, const TWriterProc&, bool) override {}
    void DefineBinaryProperty(const QString& Name, const TStreamProc& ReadData, const TStreamProc& WriteData,
                              bool HasData) override
    {
        if (Name != QLatin1String("Data"))
            return;
        if (FWriting) {
            if (!HasData)
                return;
            TMemoryStream s;
            WriteData(s);
            *FBytes = s.Bytes();
        } else {
            TMemoryStream s(*FBytes);
            ReadData(s);
        }
    }

private:
    QByteArray* FBytes;
    bool FWriting;
};

// The stored bytes, empty when the object stores no data.
inline QByteArray Write(TPersistent& object)
{
    QByteArray bytes;
    TDataFiler filer(&bytes, true);
    object.DefineProperties(&filer);
    return bytes;
}

inline void Read(TPersistent& object, QByteArray bytes)
{
    TDataFiler filer(&bytes, false);
    object.DefineProperties(&filer);
}

}
