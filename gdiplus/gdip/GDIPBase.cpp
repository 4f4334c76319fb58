#include "gdiplus/gdip/GDIPBase.h"

#include "gdiplus/api/GdiplusError.h"
#include "gdiplus/gdip/GDIPModule.h"

namespace KestGDIP {

void TGdipMemory::Start()
{
    if (!ModuleStarted())
        StartModule();
}

void* TGdipMemory::Allocate(std::size_t size)
{
    void* memory = GdipAlloc(size);
    if (!memory && StartModule() == Ok)
        memory = GdipAlloc(size);
    if (!memory)
        throw EGdiplusError(Exception::Format(Messages::GdiplusNotStarted, "libgdiplus"));
    return memory;
}

void TGdipMemory::Free(void* memory) noexcept { GdipFree(memory); }

}
