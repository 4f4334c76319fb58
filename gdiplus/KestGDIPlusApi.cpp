#include "gdiplus/KestGDIPlusApi.h"

namespace KestGDIPlusApi {

TGdiplusLibrary& Gdiplus()
{
    static TGdiplusLibrary library;
    return library;
}

bool LoadGdiplus() { return Gdiplus().Load(QString::fromLatin1(GdiplusLibraryName)); }

void UnloadGdiplus() { Gdiplus().Unload(); }

}
