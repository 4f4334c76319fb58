#include "gdiplus/classes/GPFonts.h"

#include "gdiplus/classes/GPGraphics.h"
#include "gdiplus/common/FontFamilyLookup.h"

#include <memory>

namespace KestGDIPlusClasses {

namespace {

// Freed by the module's end (FreeGenerics), never by static destruction,
// whose order against the module's own end is not fixed.
struct TGenerics {
    std::unique_ptr<TGPFontFamily> SansSerif;
    std::unique_ptr<TGPFontFamily> Serif;
    std::unique_ptr<TGPFontFamily> Monospace;
};

TGenerics& Generics()
{
    static auto* generics = new TGenerics;
    return *generics;
}

TFontFamilyCalls FamilyCalls()
{
    return {GDIPLUS_API(GdipCreateFontFamilyFromName), GDIPLUS_API(GdipGetFamilyName),
            GDIPLUS_API(GdipDeleteFontFamily)};
}

// A generic family wrapped once. The library hands every caller the same
// native family; this module keeps a copy of its own so that freeing it at
// module end leaves the other module's generic families intact.
class TGenericFamily : public TGPFontFamily {
public:
    explicit TGenericFamily(GpStatus (*get)(GpFontFamily**))
    {
        GpFontFamily* shared = nullptr;
        lastResult = get(&shared);
        if (lastResult == Ok)
            lastResult = AdoptNative(nativeFamily, GDIPLUS_API(GdipCloneFontFamily),
                                     shared);
    }
};

TGPFontFamily* Generic(std::unique_ptr<TGPFontFamily>& slot, GpStatus (*get)(GpFontFamily**))
{
    if (!slot)
        slot.reset(new TGenericFamily(get));
    return slot.get();
}

}

INT TGPFontCollection::GetFamilyCount()
{
    INT count = 0;
    GpFontCollection* installed = nullptr;
    Status status = GDIPLUS_API(GdipNewInstalledFontCollection)(&installed);
    if (status == Ok)
        status = GDIPLUS_API(GdipGetFontCollectionFamilyCount)(nativeFontCollection ? nativeFontCollection : installed,
                                                              &count);
    TrackStatus(lastResult, status);
    return count;
}

TGPFontFamily::TGPFontFamily(const QString& name, const TGPFontCollection* fontCollection)
{
    GpFontFamily* family = nullptr;
    lastResult = CreateInstalledFontFamily(FamilyCalls(), name, NativeOf(fontCollection), &family);
    nativeFamily.reset(family);
}

TGPFontFamily* TGPFontFamily::GenericSansSerif()
{
    return Generic(Generics().SansSerif, GDIPLUS_API(GdipGetGenericFontFamilySansSerif));
}

TGPFontFamily* TGPFontFamily::GenericSerif()
{
    return Generic(Generics().Serif, GDIPLUS_API(GdipGetGenericFontFamilySerif));
}

TGPFontFamily* TGPFontFamily::GenericMonospace()
{
    return Generic(Generics().Monospace, GDIPLUS_API(GdipGetGenericFontFamilyMonospace));
}

void TGPFontFamily::FreeGenerics()
{
    Generics().SansSerif.reset();
    Generics().Serif.reset();
    Generics().Monospace.reset();
}

QString TGPFontFamily::GetFamilyName(LANGID)
{
    if (!nativeFamily)
        SetStatus(InvalidParameter);
    return FontFamilyName(FamilyCalls(), Native());
}

bool TGPFontFamily::IsStyleAvailable(INT style)
{
    BOOL result = 0;
    SetStatus(GDIPLUS_API(GdipIsStyleAvailable)(Native(), style, &result));
    return result != 0;
}

UINT16 TGPFontFamily::Metric(TGetMetric member, const char* name, INT style)
{
    UINT16 value = 0;
    SetStatus(KestGDIPlusApi::Gdiplus().Entry(member, name)(Native(), style, &value));
    return value;
}

UINT16 TGPFontFamily::GetEmHeight(INT style)
{
    return Metric(&TGdiplusApiTable::GdipGetEmHeight, "GdipGetEmHeight", style);
}

UINT16 TGPFontFamily::GetCellAscent(INT style)
{
    return Metric(&TGdiplusApiTable::GdipGetCellAscent, "GdipGetCellAscent", style);
}

UINT16 TGPFontFamily::GetCellDescent(INT style)
{
    return Metric(&TGdiplusApiTable::GdipGetCellDescent, "GdipGetCellDescent", style);
}

UINT16 TGPFontFamily::GetLineSpacing(INT style)
{
    return Metric(&TGdiplusApiTable::GdipGetLineSpacing, "GdipGetLineSpacing", style);
}

TGPFont::TGPFont(const QString& familyName, REAL emSize, INT style, Unit_ unit,
                 const TGPFontCollection* fontCollection)
{
    TGPFontFamily named(familyName, fontCollection);
    const TGPFontFamily* family = named.lastResult == Ok ? &named : TGPFontFamily::GenericSansSerif();
    if (family->lastResult != Ok) {
        lastResult = family->lastResult;
        return;
    }
    lastResult = CreateFromFamily(family->Native(), emSize, style, unit);
    if (lastResult != Ok)
        lastResult = CreateFromFamily(TGPFontFamily::GenericSansSerif()->Native(), emSize, style, unit);
}

TGPFont::TGPFont(const TGPFontFamily* family, REAL emSize, INT style, Unit_ unit)
{
    lastResult = CreateFromFamily(NativeOf(family), emSize, style, unit);
}

Status TGPFont::CreateFromFamily(const GpFontFamily* family, REAL emSize, INT style, Unit_ unit)
{
    return AdoptNative(nativeFont, GDIPLUS_API(GdipCreateFont), family, emSize, style, unit);
}

TGPFont* TGPFont::Clone()
{
    GpFont* copy = nullptr;
    SetStatus(GDIPLUS_API(GdipCloneFont)(Native(), &copy));
    return new TGPFont(copy);
}

Status TGPFont::GetFamily(TGPFontFamily& family)
{
    GpFontFamily* native = nullptr;
    Status status = SetStatus(GDIPLUS_API(GdipGetFamily)(Native(), &native));
    family.nativeFamily.reset(native);
    family.lastResult = status;
    return status;
}

INT TGPFont::GetStyle()
{
    INT style = 0;
    SetStatus(GDIPLUS_API(GdipGetFontStyle)(Native(), &style));
    return style;
}

REAL TGPFont::GetSize()
{
    REAL size = 0;
    SetStatus(GDIPLUS_API(GdipGetFontSize)(Native(), &size));
    return size;
}

Unit_ TGPFont::GetUnit()
{
    Unit_ unit = UnitWorld;
    SetStatus(GDIPLUS_API(GdipGetFontUnit)(Native(), &unit));
    return unit;
}

REAL TGPFont::GetHeight(const TGPGraphics* graphics)
{
    REAL height = 0;
    SetStatus(GDIPLUS_API(GdipGetFontHeight)(Native(), NativeOf(graphics), &height));
    return height;
}

REAL TGPFont::GetHeight(REAL dpi)
{
    REAL height = 0;
    SetStatus(GDIPLUS_API(GdipGetFontHeightGivenDPI)(Native(), dpi, &height));
    return height;
}

}
