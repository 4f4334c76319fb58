#include "gdiplus/gdip/GDIPStringFormat.h"

namespace KestGDIP {

TGPStringFormat::TGPStringFormat(INT formatFlags, LANGID language)
{
    lastError = AdoptNative(nativeFormat, &GdipCreateStringFormat, formatFlags, language);
}

TStatus TGPStringFormat::SetFormatFlags(INT flags) { return SetStatus(GdipSetStringFormatFlags(Native(), flags)); }

INT TGPStringFormat::GetFormatFlags() { return ReadProperty<INT>(lastError, Native(), &GdipGetStringFormatFlags); }

TStatus TGPStringFormat::SetAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatAlign(Native(), align));
}

StringAlignment TGPStringFormat::GetAlignment()
{
    return ReadProperty<StringAlignment>(lastError, Native(), &GdipGetStringFormatAlign);
}

TStatus TGPStringFormat::SetLineAlignment(StringAlignment align)
{
    return SetStatus(GdipSetStringFormatLineAlign(Native(), align));
}

StringAlignment TGPStringFormat::GetLineAlignment()
{
    return ReadProperty<StringAlignment>(lastError, Native(), &GdipGetStringFormatLineAlign);
}

TStatus TGPStringFormat::SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix)
{
    return SetStatus(GdipSetStringFormatHotkeyPrefix(Native(), hotkeyPrefix));
}

HotkeyPrefix TGPStringFormat::GetHotkeyPrefix()
{
    return HotkeyPrefix(ReadProperty<INT>(lastError, Native(), &GdipGetStringFormatHotkeyPrefix));
}

TStatus TGPStringFormat::SetTrimming(StringTrimming trimming)
{
    return SetStatus(GdipSetStringFormatTrimming(Native(), trimming));
}

StringTrimming TGPStringFormat::GetTrimming()
{
    return ReadProperty<StringTrimming>(lastError, Native(), &GdipGetStringFormatTrimming);
}

}
