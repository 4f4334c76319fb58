// Any document walked through the reader, token by token, either reads to
// its end or raises the framework's exception. The first byte chooses how
// values are taken, so every read path sees every kind of token.

#include "persistence/KestJSONReader.h"

#include "framework/Stream.h"

#include <cstddef>
#include <cstdint>

namespace {

void TakeValue(TKestJSONReader& reader, TKestJSONToken token, uint8_t mode)
{
    switch (token) {
    case jstoBeginObject: reader.ReadBeginObject(); break;
    case jstoEndObject: reader.ReadEndObject(); break;
    case jstoBeginArray: reader.ReadBeginArray(); break;
    case jstoEndArray: reader.ReadEndArray(); break;
    case jstoName:
        if (mode & 1)
            reader.PeekName();
        reader.ReadName();
        break;
    case jstoBoolean: reader.ReadBoolean(); break;
    case jstoNull: reader.ReadNull(); break;
    case jstoText:
    case jstoNumber:
        switch (mode % 4) {
        case 0: reader.ReadString(); break;
        case 1: reader.ReadDouble(); break;
        case 2: reader.ReadInt64(); break;
        default: reader.ReadInteger(); break;
        }
        break;
    case jstoEOF: break;
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const uint8_t mode = data[0];
    TMemoryStream stream(QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    try {
        TKestJSONReader reader(stream);
        unsigned step = 0;
        for (;;) {
            TKestJSONToken token = reader.Peek();
            if (token == jstoEOF)
                break;
            reader.HasNext();
            // Now and then skip a whole value instead of reading it.
            if ((mode & 0x80) && (step++ % 3) == 0)
                reader.SkipValue();
            else
                TakeValue(reader, token, uint8_t(mode >> 1));
        }
    } catch (const Exception&) {
    }
    return 0;
}
