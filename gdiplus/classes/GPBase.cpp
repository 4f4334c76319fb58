#include "gdiplus/classes/GPBase.h"

#include "gdiplus/classes/GPModule.h"

namespace KestGDIPlusClasses {

void TClassesMemory::Start() { StartModule(); }

void* TClassesMemory::Allocate(std::size_t size)
{
    // An object may be created before the module's own start-up has run.
    Start();
    void* memory = GDIPLUS_API(GdipAlloc)(size);
    if (!memory)
        throw EGdiplusError(Exception::Format(Messages::GdiplusNotStarted, KestGDIPlusApi::Gdiplus().FileName()));
    return memory;
}

void TClassesMemory::Free(void* memory) noexcept
{
    if (auto free = KestGDIPlusApi::TableEntry<&TGdiplusApiTable::GdipFree>())
        free(memory);
}

}
