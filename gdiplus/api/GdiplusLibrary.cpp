#include "gdiplus/api/GdiplusLibrary.h"

#include <dlfcn.h>

namespace GdiplusFlat {

TGdiplusLibrary::~TGdiplusLibrary() { Unload(); }

bool TGdiplusLibrary::Load(const QString& fileName)
{
    if (FHandle)
        return true;
    FFileName = fileName;
    FHandle = dlopen(fileName.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!FHandle) {
        const char* why = dlerror();
        FError = why ? QString::fromLocal8Bit(why) : QStringLiteral("unknown error");
        return false;
    }
    FError.clear();
#define KEST_GDIP_FLAT(ret, name, args) \
    FTable.name = reinterpret_cast<decltype(FTable.name)>(dlsym(FHandle, #name));
#include "gdiplus/api/GdiplusFlatList.h"
#undef KEST_GDIP_FLAT
    return true;
}

void TGdiplusLibrary::Unload()
{
    FTable = TGdiplusApiTable{};
    if (FHandle)
        dlclose(FHandle);
    FHandle = nullptr;
}

QStringList TGdiplusLibrary::MissingEntries() const
{
    QStringList names;
    if (!FHandle)
        return names;
#define KEST_GDIP_FLAT(ret, name, args) \
    if (!FTable.name)                   \
        names << QStringLiteral(#name);
#include "gdiplus/api/GdiplusFlatList.h"
#undef KEST_GDIP_FLAT
    return names;
}

void TGdiplusLibrary::RaiseMissing(const char* name) const
{
    if (!FHandle)
        throw EGdiplusError(Exception::Format(Messages::GdiplusNotLoaded, FFileName, FError));
    throw EGdiplusError(Exception::Format(Messages::GdiplusNoFunction, FFileName, name));
}

}
