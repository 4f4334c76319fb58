#pragma once
// Text layout settings: alignment, wrapping flags, trimming, hot-key prefix.

#include "gdiplus/gdip/GDIPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(INT formatFlags = 0, LANGID language = 0);

    TStatus SetFormatFlags(INT flags);
    INT GetFormatFlags();
    TStatus SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    TStatus SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    TStatus SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    TStatus SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    TStatus GetLastStatus() { return TakeStatus(lastError); }

    GpStringFormat* Native() const { return nativeFormat.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastError, status); }

    TNative<GpStringFormat, &GdipDeleteStringFormat> nativeFormat;
    TStatus lastError = Ok;
};

}

#pragma GCC visibility pop
