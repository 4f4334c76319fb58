#include "gdiplus/gdip/GDIPFonts.h"

#include "gdiplus/common/FontFamilyLookup.h"

namespace KestGDIP {

namespace {

const TFontFamilyCalls FamilyCalls{&GdipCreateFontFamilyFromName, &GdipGetFamilyName, &GdipDeleteFontFamily};

// A generic family wrapped once and kept to the end of the process.
class TGenericFamily : public TGPFontFamily {
public:
    explicit TGenericFamily(GpStatus (*get)(GpFontFamily**)) { lastResult = AdoptNative(nativeFamily, get); }
};

}

TGPFontFamily::TGPFontFamily(const QString& name, const TGPFontCollection* fontCollection)
{
    GpFontFamily* family = nullptr;
    lastResult = CreateInstalledFontFamily(FamilyCalls, name, NativeOf(fontCollection), &family);
    nativeFamily.reset(family);
}

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    static TGPFontFamily* family = new TGenericFamily(&GdipGetGenericFontFamilySansSerif);
    return family;
}

TGPFontFamily* TGPFontFamily::GenericSerif()
{
    static TGPFontFamily* family = new TGenericFamily(&GdipGetGenericFontFamilySerif);
    return family;
}

TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    static TGPFontFamily* family = new TGenericFamily(&GdipGetGenericFontFamilyMonospace);
    return family;
}

QString TGPFontFamily::GetFamilyName(LANGID)
{
    if (!nativeFamily)
        SetStatus(InvalidParameter);
    return FontFamilyName(FamilyCalls, Native());
}

TGPFont::TGPFont(const TGPFontFamily* family, REAL emSize, INT style, Unit_ unit)
{
    lastResult = AdoptNative(nativeFont, &GdipCreateFont, static_cast<const GpFontFamily*>(NativeOf(family)), emSize,
                             style, unit);
}

INT TGPFont::GetStyle() { return ReadProperty<INT>(lastResult, Native(), &GdipGetFontStyle); }

REAL TGPFont::GetSize() { return ReadProperty<REAL>(lastResult, Native(), &GdipGetFontSize); }

TStatus TGPFont::GetFamily(TGPFontFamily& family)
{
    GpFontFamily* native = nullptr;
    TStatus status = SetStatus(GdipGetFamily(Native(), &native));
    family.nativeFamily.reset(native);
    family.lastResult = status;
    return status;
}

}
