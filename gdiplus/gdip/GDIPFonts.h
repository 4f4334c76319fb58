#pragma once
// Font collections, families and fonts.

#include "gdiplus/gdip/GDIPBase.h"

#include <QString>

#pragma GCC visibility push(default)

namespace KestGDIP {

class TGPFontCollection : public TGdiplusBase {
public:
    // The installed fonts.
    TGPFontCollection() = default;

    GpFontCollection* Native() const { return nativeFontCollection; }

protected:
    // The installed collection belongs to the library and is never deleted.
    GpFontCollection* nativeFontCollection = nullptr;
    TStatus lastResult = Ok;
};

class TGPFontFamily : public TGdiplusBase {
public:
    TGPFontFamily() = default;
    // An uninstalled name gives a family without a native handle and the
    // status FontFamilyNotFound.
    explicit TGPFontFamily(const QString& name, const TGPFontCollection* fontCollection = nullptr);

    // Shared families made on first use; callers never free them.
    static TGPFontFamily* GenericSansSerif();
    static TGPFontFamily* GenericSerif();
    static TGPFontFamily* GenericMonospace();

    QString GetFamilyName(LANGID language = 0);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpFontFamily* Native() const { return nativeFamily.get(); }

protected:
    friend class TGPFont;
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpFontFamily, &GdipDeleteFontFamily> nativeFamily;
    TStatus lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    TGPFont(const TGPFontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit_ unit = UnitPoint);

    INT GetStyle();
    REAL GetSize();
    TStatus GetFamily(TGPFontFamily& family);
    TStatus GetLastStatus() { return TakeStatus(lastResult); }

    GpFont* Native() const { return nativeFont.get(); }

protected:
    TStatus SetStatus(TStatus status) { return TrackStatus(lastResult, status); }

    TNative<GpFont, &GdipDeleteFont> nativeFont;
    TStatus lastResult = Ok;
};

}

#pragma GCC visibility pop
