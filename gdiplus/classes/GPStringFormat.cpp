#include "gdiplus/classes/GPStringFormat.h"

#include <memory>

namespace KestGDIPlusClasses {

namespace {

// Freed by the module's end (FreeGenerics), never by static destruction,
// whose order against the module's own end is not fixed.
struct TGenerics {
    std::unique_ptr<TGPStringFormat> Default;
    std::unique_ptr<TGPStringFormat> Typographic;
};

TGenerics& Generics()
{
    static auto* generics = new TGenerics;
    return *generics;
}

}

TGPStringFormat::TGPStringFormat(INT formatFlags, LANGID language)
{
    lastError = AdoptNative(nativeFormat, GDIPLUS_API(GdipCreateStringFormat), formatFlags, language);
}

TGPStringFormat::TGPStringFormat(const TGPStringFormat* format)
{
    lastError = AdoptNative(nativeFormat, GDIPLUS_API(GdipCloneStringFormat),
                            static_cast<const GpStringFormat*>(NativeOf(format)));
}

TGPStringFormat::TGPStringFormat(GpStringFormat* native, Status status) : lastError(status)
{
    nativeFormat.reset(native);
}

TGPStringFormat* TGPStringFormat::GenericDefault()
{
    if (!Generics().Default) {
        GpStringFormat* native = nullptr;
        Status status = GDIPLUS_API(GdipStringFormatGetGenericDefault)(&native);
        Generics().Default.reset(new TGPStringFormat(native, status));
    }
    return Generics().Default.get();
}

TGPStringFormat* TGPStringFormat::GenericTypographic()
{
    if (!Generics().Typographic) {
        GpStringFormat* native = nullptr;
        Status status = GDIPLUS_API(GdipStringFormatGetGenericTypographic)(&native);
        Generics().Typographic.reset(new TGPStringFormat(native, status));
    }
    return Generics().Typographic.get();
}

void TGPStringFormat::FreeGenerics()
{
    Generics().Default.reset();
    Generics().Typographic.reset();
}

TGPStringFormat* TGPStringFormat::Clone() { return new TGPStringFormat(this); }

Status TGPStringFormat::SetFormatFlags(INT flags)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatFlags)(Native(), flags));
}

INT TGPStringFormat::GetFormatFlags()
{
    return ReadProperty<INT>(lastError, Native(), GDIPLUS_API(GdipGetStringFormatFlags));
}

Status TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatAlign)(Native(), align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    return ReadProperty<StringAlignment>(lastError, Native(), GDIPLUS_API(GdipGetStringFormatAlign));
}

Status TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatLineAlign)(Native(), align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    return ReadProperty<StringAlignment>(lastError, Native(), GDIPLUS_API(GdipGetStringFormatLineAlign));
}

Status TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatHotkeyPrefix)(Native(), hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    return HotkeyPrefix(ReadProperty<INT>(lastError, Native(), GDIPLUS_API(GdipGetStringFormatHotkeyPrefix)));
}

Status TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatTrimming)(Native(), trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    return ReadProperty<StringTrimming>(lastError, Native(), GDIPLUS_API(GdipGetStringFormatTrimming));
}

Status TGPStringFormat::SetTabStops(REAL firstTabOffset, INT count, const REAL* tabStops)
{
    return SetStatus(GDIPLUS_API(GdipSetStringFormatTabStops)(Native(), firstTabOffset, count, tabStops));
}

}
