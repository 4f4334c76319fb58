#pragma once
// Text layout settings: alignment, wrapping flags, trimming, hot-key prefix.

#include "gdiplus/classes/GPBase.h"

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPStringFormat : public TGdiplusBase {
public:
    explicit TGPStringFormat(INT formatFlags = 0, LANGID language = 0);
    TGPStringFormat(const TGPStringFormat* format);

    // Shared formats made on first use; callers never free them.
    static TGPStringFormat* GenericDefault();
    static TGPStringFormat* GenericTypographic();
    static void FreeGenerics();

    TGPStringFormat* Clone();
    Status SetFormatFlags(INT flags);
    INT GetFormatFlags();
    Status SetAlignment(StringAlignment align);
    StringAlignment GetAlignment();
    Status SetLineAlignment(StringAlignment align);
    StringAlignment GetLineAlignment();
    Status SetHotkeyPrefix(HotkeyPrefix hotkeyPrefix);
    HotkeyPrefix GetHotkeyPrefix();
    Status SetTrimming(StringTrimming trimming);
    StringTrimming GetTrimming();
    Status SetTabStops(REAL firstTabOffset, INT count, const REAL* tabStops);
    Status GetLastStatus() { return TakeStatus(lastError); }

    GpStringFormat* Native() const { return nativeFormat.get(); }

protected:
    explicit TGPStringFormat(GpStringFormat* native, Status status);
    Status SetStatus(Status status) { return TrackStatus(lastError, status); }

    TNative<GpStringFormat, &TGdiplusApiTable::GdipDeleteStringFormat> nativeFormat;
    Status lastError = Ok;
};

}

#pragma GCC visibility pop
