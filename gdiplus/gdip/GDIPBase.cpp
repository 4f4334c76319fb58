#include "gdiplus/gdip/GDIPBase.h"

#include "gdiplus/api/GdiplusError.h"
#include "gdiplus/gdip/GDIPModule.h"

namespace KestGDIP {

void* TGdiplusBase::operator new(std::size_t size)
{
    void* memory = GdipAlloc(size);
    if (!memory && StartModule() == Ok)
        memory = GdipAlloc(size);
    if (!memory)
        throw EGdiplusError(Exception::Format(Messages::GdiplusNotStarted, "libgdiplus"));
    return memory;
}

void TGdiplusBase::operator delete(void* memory) noexcept { GdipFree(memory); }

}
