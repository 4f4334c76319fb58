#pragma once
// Font collections, families and fonts.

#include "gdiplus/classes/GPBase.h"

#include <QString>

#pragma GCC visibility push(default)

namespace KestGDIPlusClasses {

class TGPGraphics;

// A set of font families; the default-constructed one stands for the
// installed fonts.
class TGPFontCollection : public TGdiplusBase {
public:
    TGPFontCollection() = default;
    INT GetFamilyCount();
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpFontCollection* Native() const { return nativeFontCollection; }

protected:
    // The installed collection belongs to the library and is never deleted.
    GpFontCollection* nativeFontCollection = nullptr;
    Status lastResult = Ok;
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
    static void FreeGenerics();

    QString GetFamilyName(LANGID language = 0);
    bool IsAvailable() const { return nativeFamily != nullptr; }
    bool IsStyleAvailable(INT style);
    UINT16 GetEmHeight(INT style);
    UINT16 GetCellAscent(INT style);
    UINT16 GetCellDescent(INT style);
    UINT16 GetLineSpacing(INT style);
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpFontFamily* Native() const { return nativeFamily.get(); }

protected:
    friend class TGPFont;
    using TGetMetric = GpStatus (*TGdiplusApiTable::*)(const GpFontFamily*, INT, UINT16*);
    UINT16 Metric(TGetMetric member, const char* name, INT style);
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }

    TNative<GpFontFamily, &TGdiplusApiTable::GdipDeleteFontFamily> nativeFamily;
    Status lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
public:
    // The named family, else the generic sans-serif family; see the class
    // module's font fallback.
    TGPFont(const QString& familyName, REAL emSize, INT style = FontStyleRegular, Unit_ unit = UnitPoint,
            const TGPFontCollection* fontCollection = nullptr);
    TGPFont(const TGPFontFamily* family, REAL emSize, INT style = FontStyleRegular, Unit_ unit = UnitPoint);

    TGPFont* Clone();
    Status GetFamily(TGPFontFamily& family);
    INT GetStyle();
    REAL GetSize();
    Unit_ GetUnit();
    REAL GetHeight(const TGPGraphics* graphics);
    REAL GetHeight(REAL dpi);
    bool IsAvailable() const { return nativeFont != nullptr; }
    Status GetLastStatus() { return TakeStatus(lastResult); }

    GpFont* Native() const { return nativeFont.get(); }

protected:
    explicit TGPFont(GpFont* native) { nativeFont.reset(native); }
    Status SetStatus(Status status) { return TrackStatus(lastResult, status); }
    Status CreateFromFamily(const GpFontFamily* family, REAL emSize, INT style, Unit_ unit);

    TNative<GpFont, &TGdiplusApiTable::GdipDeleteFont> nativeFont;
    Status lastResult = Ok;
};

}

#pragma GCC visibility pop
